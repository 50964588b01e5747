#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "code_page_helpers.h"
#include "run_window.h"
#include "step_scripts.h"
#include "task.h"
#include "temp_dir.h"
#include "test_files.h"

// Parts of the run on their own, and runs whose processes are only pretended: what the run
// writes and starts, and what it refuses to, never what the scripts do.

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;

// The script lines that whole runs do not reach: roots, short names, how names are cut, and
// error.bat's start line, which has no log also with the error log on.
TEST(StepScripts, LinesAtTheEdges) {
    using namespace conversion;
    EXPECT_EQ(KonvertLines("C:\\", "C:\\", "D:\\", {"Karte.OV2"}),
              (Lines{"cd \"C:\\\"", "\"C:\\\\dumpov2.exe\" \"D:\\\\Karte.ov2\" \"Karte.asc\""}));
    EXPECT_EQ(Asc2ov2Lines("C:\\", "C:\\", "alle.ov2"),
              (Lines{"cd \"C:\\\"", "\"C:\\\\makeov2.exe\" \"C:\\komplett.txt\" \"alle.ov2\"",
                     "del \"C:\\alle.bmp\"", "copy \"C:\\\\icon.bmp\" \"C:\\alle.bmp\""}));
    EXPECT_EQ(KomplettAscLines("/k/", "/s", {}),
              (Lines{"cd \"/k/\"", "md ConvertTemp", "cd ConvertTemp", "copy *.asc komplett.txt",
                     "move komplett.txt ..", "cd ..", "rd ConvertTemp"}));
    EXPECT_EQ(KonvertLines("/k/KonvertTemp", "/t", "/s", {}), Lines{"cd \"/k/KonvertTemp\""});

    EXPECT_EQ(DropLastCharacters("Süd.ov2", 4), "Süd");
    EXPECT_EQ(DropLastCharacters("Maß€", 2), "Ma");
    EXPECT_EQ(DropLastCharacters("abcd", 4), "");
    EXPECT_EQ(DropLastCharacters("abc", 4), std::nullopt);
    EXPECT_EQ(DropLastCharacters("äöü", 4), std::nullopt);
    EXPECT_EQ(Asc2ov2Lines("/k/", "/t", "ab").size(), 2u);
    EXPECT_EQ(Asc2ov2Lines("/k/", "/t", "äöüß").back(), "copy \"/t\\icon.bmp\" \"/k/.bmp\"");
    // An entry too short for a base cannot be named, so it gets no line.
    EXPECT_EQ(KonvertLines("/k", "/t", "/s", {"x", "ab.ov2"}).size(), 2u);
    EXPECT_EQ(StartCommandLine(Script::Error, "C:\\K\\", true), "\"C:\\K\\error.bat\"");
}

// Every piece of a line, the directories too, reaches the interpreter in its code page, letter
// for letter; the start lines and every file of the run, error.bat too, name the directory as
// the system does.
TEST(ConsoleCodePage, WholeLinesAreWrittenInIt) {
    TempDir temp;
    const fs::path source = temp.path() / "src";
    const fs::path ansiOut = temp.path() / "Gr\xFCne Karten";  // "Grüne" in CP1252
    fs::create_directories(ansiOut);
    FakeProcesses processes;
    RunWindow german(processes, "/opt/kavinor", platform::IconvCodePages("CP1252", "CP850"));
    german.window.mnuError.setChecked(true);
    german.choose(true, source, {"Über See.ov2"});
    german.convert(temp.path() / "Grüne Karten" / "Süd.ov2");

    const std::string oemOut = temp.path().string() + "/Gr\x81ne Karten/";  // "ü" in CP850
    ASSERT_EQ(processes.starts.size(), 3u);
    EXPECT_EQ(processes.starts[0].scriptBytes,
              crlf({"cd \"" + oemOut + "KonvertTemp\"", "\"/opt/kavinor\\dumpov2.exe\" \"" +
                                                            source.string() +
                                                            "\\\x9A"
                                                            "ber See.ov2\" \"\x9A"
                                                            "ber See.asc\""}));
    EXPECT_EQ(processes.starts[0].commandLine,
              "\"" + ansiOut.string() + "/konvert.bat\" >konvert.log");
    EXPECT_EQ(processes.starts[2].commandLine, "\"" + ansiOut.string() + "/error.bat\"");
    EXPECT_TRUE(processes.starts[2].scriptBytes.starts_with("cd \"" + oemOut + "\"\r\n"));
    EXPECT_EQ(german.messages.shown, std::vector<ShownMessage>{kFailure});
    // error.bat is gone again; the scripts it would have bundled stay, as it was only pretended.
    EXPECT_EQ(listNames(ansiOut), (Lines{"komplett.bat", "konvert.bat"}));
    EXPECT_EQ(conversion::DOS_To_ANSI(german.codePages, "\x84\x94\x81\x8E\x99\x9A\xE1"), "äöüÄÖÜß");
}

}  // namespace
}  // namespace kavinor::test
