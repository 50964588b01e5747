#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "control.h"
#include "dir_list.h"
#include "drive_list.h"
#include "list_box.h"
#include "platform.h"
#include "script_safe_name.h"
#include "window.h"

namespace kavinor::mainwindow {

// The main window: its state, its controls and its handlers. Controls are public, as on a form:
// the handlers of each part of the program read and set them.
class FmrMain final : public forms::Window {
public:
    FmrMain(platform::Platform& platform, forms::InputGate& gate, forms::Window& frmSplash,
            forms::Window& frmAbout);

    platform::Platform& platform;
    const ScriptSafeNames safeNames;

    // State, held for the life of the window; the reset leaves it alone.
    bool bolOv2Mode = false;
    std::string strSourceDir;
    std::string strPattern;
    std::string strVersion;
    std::string strOutName;
    std::string strOutDir;
    std::int32_t lngTaskID = 0;

    forms::Frame fraInput;
    forms::Button cmdAbbrechen;
    forms::Button cmdOK;
    forms::DirList Dir;
    forms::DriveList Drive;
    forms::Frame fraAuswahl;
    forms::Button cmdStart1;
    forms::Button cmdStart;
    forms::TextBox txtov2;
    forms::FileList File;
    forms::Button cmdKonvert;
    forms::Button cmdalleweg;
    forms::Button cmdallehin;
    forms::Button cmd1weg;
    forms::Button cmd1hin;
    forms::ListBox lstAuswahl2;
    forms::ListBox lstAuswahl1;
    forms::Label lblLogo;
    forms::Label lblPfad;
    forms::Label lblDatei2;
    forms::Label lblDatei1;

    forms::MenuItem mnuDatei;
    forms::MenuItem mnuNeu;
    forms::MenuItem mnuConvertOV2;
    forms::MenuItem mnuConvertASC;
    forms::MenuItem mnuEnde;
    forms::MenuItem mnuFrage;
    forms::MenuItem mnuLink;
    forms::MenuItem mnuFeature;
    forms::MenuItem mnuBug;
    forms::MenuItem mnuError;
    forms::MenuItem mnuHilfe;
    forms::MenuItem mnuAbout;

    // Whether a file or directory exists at `strPath`; false for an empty path.
    bool IsFilePath(const std::string& strPath) const;
    // Blocks for `mSek` milliseconds.
    void Wait(std::int32_t mSek);
    // Fills the source list with the files that match `strPattern` and shows their count. Names
    // that could not stand in a step script are left out: a run could not name them. Of more
    // names than the list holds, it takes those that sort first.
    void FillSourceList();

    // Lifecycle: reset, exit and the release after the window has been unloaded.
    void mnuNeu_Click();
    void mnuEnde_Click();
    void Form_Terminate();

    // Source selection.
    void cmdStart_Click();
    void cmdStart1_Click();
    void mnuConvertOV2_Click() { cmdStart_Click(); }
    void mnuConvertASC_Click() { cmdStart1_Click(); }
    void Drive_Change();
    void Drive_GotFocus();
    void Dir_Change();
    void cmdOK_Click();
    void cmdAbbrechen_Click();

    // Selection lists.
    void cmd1hin_Click();
    void cmdallehin_Click();
    void cmd1weg_Click();
    void cmdalleweg_Click();

protected:
    void created() override;
    void Form_Load() override;
    void unloaded() override { Form_Terminate(); }

private:
    static void setEnabled(std::initializer_list<forms::Control*> controls, bool enabled);
    void showStartState();
    void openInput(bool ov2Mode);
    void filterDrives();
    void setInputClosed();
    void showTargetCount();
    void enableTransfers(bool targetFilled);

    // The names of `listed`, in the ANSI page, that come back from it as they went (one that
    // does not could not be opened), each after its sort key.
    std::vector<std::pair<std::string, std::string>> exactNames(
        const std::vector<std::string>& listed) const;
    std::optional<std::vector<std::string>> subdirectories(const std::string& dir);
    std::string driveRoot(const std::string& path);

    forms::Window& frmSplash_;
    forms::Window& frmAbout_;
    // The source mode of the files that the lists hold: that of the last confirmation.
    bool confirmedOv2Mode_ = false;
};

// What the window's caption shows after the version.
inline constexpr const char* kCaptionSuffix = " - Kavinor-Team";

}  // namespace kavinor::mainwindow
