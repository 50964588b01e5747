#pragma once

#include <cstdint>
#include <string>

#include "control.h"
#include "list_box.h"
#include "platform.h"
#include "script_safe_name.h"

namespace kavinor::mainwindow {

// The main window: its state, its controls, and the functions other parts of the program call
// on it. Controls are public, as on a form: the handlers of each part read and set them.
class FmrMain {
public:
    explicit FmrMain(platform::Platform& platform);
    FmrMain(const FmrMain&) = delete;
    FmrMain& operator=(const FmrMain&) = delete;

    platform::Platform& platform;
    const ScriptSafeNames safeNames;

    // State, held for the life of the window.
    bool bolOv2Mode = false;
    std::string strSourceDir;
    std::string strPattern;
    std::string strVersion;
    std::string strOutName;
    std::string strOutDir;
    std::int32_t lngTaskID = 0;

    forms::Button cmdKonvert{"Komplette LUV Datei erstellen"};
    forms::ListBox lstAuswahl1;
    forms::ListBox lstAuswahl2;
    forms::Label lblDatei1{"Anzahl der Import-Dateien : 0"};
    forms::Label lblDatei2{"Anzahl der Export-Dateien : 0"};
    forms::Label lblPfad{"Pfad und Dateiname oder Kompletten \".ov2\" Datei"};
    forms::TextBox txtov2;
    forms::MenuItem mnuError{"Error-Log erstellen"};
    forms::FileList File;

    // Whether a file or directory exists at `strPath`; false for an empty path.
    bool IsFilePath(const std::string& strPath) const;
    // Blocks for `mSek` milliseconds.
    void Wait(std::int32_t mSek);
    // Fills the source list with the files that match `strPattern` and shows their count. Names
    // that could not stand in a step script are left out: a run could not name them.
    void FillSourceList();
};

}  // namespace kavinor::mainwindow
