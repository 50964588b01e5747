#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fmr_main.h"
#include "iconv_code_pages.h"
#include "platform_doubles.h"
#include "posix_directory_fill.h"
#include "posix_path_test.h"
#include "test_files.h"

namespace kavinor::mainwindow {
namespace {

namespace fs = std::filesystem;

class MainWindow : public ::testing::Test {
protected:
    test::TempDir temp;
    test::FakeProcesses processes;
    test::RecordingPause pause;
    platform::PosixPathTest paths;
    platform::IconvCodePages codePages{"UTF-8", "UTF-8"};
    platform::PosixDirectoryFill directories;
    test::FakeSaveDialog dialog;
    test::RecordingMessages messages;
    platform::Platform platform{processes, pause,    paths,          codePages, directories,
                                dialog,    messages, "/opt/kavinor", '/'};
    FmrMain window{platform};
};

TEST_F(MainWindow, IsFilePathHoldsForFilesAndDirectories) {
    test::writeFile(temp.path() / "Karte.ov2", "x");
    EXPECT_TRUE(window.IsFilePath((temp.path() / "Karte.ov2").string()));
    EXPECT_TRUE(window.IsFilePath(temp.path().string()));
    EXPECT_FALSE(window.IsFilePath((temp.path() / "fehlt.ov2").string()));
    EXPECT_FALSE(window.IsFilePath(""));
}

TEST_F(MainWindow, WaitAsksThePlatformToPause) {
    window.Wait(2000);
    EXPECT_EQ(pause.waits, std::vector<std::int32_t>{2000});
}

TEST_F(MainWindow, SourceListShowsOnlyNamesAScriptCanHold) {
    for (const char* name : {"zoo.ov2", "Äpfel.ov2", "Birne.OV2", "a\"b.ov2", "c:d.ov2",
                             "tab\t.ov2", "x\\y.ov2", "bad\xFF.ov2", "note.asc"}) {
        test::writeFile(temp.path() / name, "x");
    }
    window.lstAuswahl1.add("vorher.ov2");
    window.strPattern = temp.path().string() + "\\*.ov2";
    window.FillSourceList();
    EXPECT_EQ(window.lstAuswahl1.entries(),
              (std::vector<std::string>{"Äpfel.ov2", "Birne.OV2", "zoo.ov2"}));
    EXPECT_EQ(window.lblDatei1.caption(), "Anzahl der Input-Dateien : 3");

    window.strPattern = (temp.path() / "fehlt").string() + "\\*.ov2";
    window.FillSourceList();
    EXPECT_EQ(window.lstAuswahl1.count(), 0);
    EXPECT_EQ(window.lblDatei1.caption(), "Anzahl der Input-Dateien : 0");
}

}  // namespace
}  // namespace kavinor::mainwindow
