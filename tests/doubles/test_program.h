#pragma once

#include <string>

#include "configuration.h"
#include "iconv_code_pages.h"
#include "icu_collation.h"
#include "platform_doubles.h"
#include "posix_directory_fill.h"
#include "posix_path_test.h"
#include "program.h"

namespace kavinor::test {

inline const ShownMessage kFailure{
    std::string("Fehler bei Dateierstellung!\r\nBitte ERROR-LOG einschalten und Vorgang erneut "
                "ausführen!\r\nDie Datei ERROR.BUG wird im Zielverzeichnis erstellt!\r\n"
                "Diese Datei bitte per eMail an ") +
        std::string(mainwindow::kSupportMail) + " senden!",
    16, "Fehler"};
inline const ShownMessage kSuccess{"Komplette .ov2 Datei wurde erfolgreich erstellt !", 64,
                                   "Konvertierung beendet"};

// The whole program without a front end, on the real file system, with `processes` and a tool
// directory of the test's; the drives, dialogs, messages, pause, links and the modal loop are
// stand-ins. The drive table holds the root, a fixed drive.
class TestProgram {
public:
    TestProgram(platform::Processes& processes, std::string toolDirectory,
                platform::IconvCodePages pages = platform::IconvCodePages("UTF-8", "UTF-8"))
        : codePages(std::move(pages)),
          platform{processes, pause, paths,  codePages, directories, drives,
                   collation, links, dialog, messages,  endRequest,  std::move(toolDirectory),
                   '/'},
          program(platform, loop),
          window(program.fmrMain) {
        drives.table = {{"/", platform::kDriveFixed}};
    }
    TestProgram(const TestProgram&) = delete;
    TestProgram& operator=(const TestProgram&) = delete;

    FakeSaveDialog dialog;
    RecordingMessages messages;
    RecordingPause pause;
    RecordingLinks links;
    FakeEndRequest endRequest;
    FakeDrives drives;
    ScriptedLoop loop;
    platform::PosixPathTest paths;
    platform::PosixDirectoryFill realDirectories;
    DirectoryFillWithExtras directories{realDirectories};
    platform::IconvCodePages codePages;
    platform::IcuCollation collation;
    platform::Platform platform;
    program::Program program;
    mainwindow::FmrMain& window;
};

}  // namespace kavinor::test
