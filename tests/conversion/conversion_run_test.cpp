#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "code_page_helpers.h"
#include "platform_doubles.h"
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
using platform::ProcessId;

// The script lines that whole runs do not reach: roots, short names and how names are cut.
TEST(StepScripts, LinesAtTheEdges) {
    using namespace conversion;
    EXPECT_EQ(KonvertLines("C:\\", "C:\\", "D:\\", {"Karte.OV2"}),
              (Lines{"cd \"C:\\\"", "\"C:\\\\dumpov2.exe\" \"D:\\\\Karte.ov2\" \"Karte.asc\""}));
    EXPECT_EQ(Asc2ov2Lines("C:\\", "C:\\", "alle.ov2"),
              (Lines{"cd \"C:\\\"", "\"C:\\\\makeov2.exe\" \"C:\\komplett.txt\" \"alle.ov2\"",
                     "del \"C:\\alle.bmp\"", "copy \"C:\\\\icon.bmp\" \"C:\\alle.bmp\""}));
    EXPECT_EQ(KomplettAscLines("/k/", "/s", {"b.asc", "a.asc"}),
              (Lines{"cd \"/k/\"", "md ConvertTemp", "cd ConvertTemp", "copy \"/s\\b.asc\"",
                     "copy \"/s\\a.asc\"", "copy *.asc komplett.txt", "del \"b.asc\"",
                     "del \"a.asc\"", "move komplett.txt ..", "cd ..", "rd ConvertTemp"}));
    EXPECT_EQ(KonvertLines("/k/KonvertTemp", "/t", "/s", {}), Lines{"cd \"/k/KonvertTemp\""});

    EXPECT_EQ(DropLastCharacters("Süd.ov2", 4), "Süd");
    EXPECT_EQ(DropLastCharacters("Maß€", 2), "Ma");
    EXPECT_EQ(DropLastCharacters("abcd", 4), "");
    EXPECT_EQ(DropLastCharacters("abc", 4), std::nullopt);
    EXPECT_EQ(DropLastCharacters("äöü", 4), std::nullopt);
    EXPECT_EQ(Asc2ov2Lines("/k/", "/t", "äöüß").back(), "copy \"/t\\icon.bmp\" \"/k/.bmp\"");
    // An entry too short for a base cannot be named, so it gets no line.
    EXPECT_EQ(KonvertLines("/k", "/t", "/s", {"x", "ab.ov2"}).size(), 2u);
}

// The watch polls until the script has ended, then terminates it. After a failed start, the id
// of an earlier one, which the system may have given to another process since, is neither
// watched nor terminated.
TEST(Task, WatchesAndEndsOnlyTheScriptItStarted) {
    FakeProcesses processes;
    processes.pollsWhileRunning = 3;
    RunWindow run(processes, "/opt/kavinor");
    run.window.strOutDir = "/nowhere/";
    conversion::RunScript(run.window, conversion::Script::Komplett, true);
    const ProcessId id = run.window.lngTaskID;
    EXPECT_EQ(processes.polled, std::vector<ProcessId>(4, id));
    EXPECT_EQ(processes.terminated, std::vector<ProcessId>{id});

    processes.failStarts = true;
    processes.polled.clear();
    processes.terminated.clear();
    conversion::RunScript(run.window, conversion::Script::Konvert, false);
    EXPECT_EQ(run.window.lngTaskID, 0);
    EXPECT_EQ(processes.polled, std::vector<ProcessId>{0});
    EXPECT_EQ(processes.terminated, std::vector<ProcessId>{0});
}

class PretendRun : public ::testing::Test {
protected:
    PretendRun() {
        writeFile(source() / "Karte.OV2", "karte");
        writeFile(source() / "Über See.ov2", "see");
        writeFile(source() / "a.asc", "text a\r\n");
        fs::create_directories(out());
    }

    fs::path source() const { return temp.path() / "src"; }
    fs::path out() const { return temp.path() / "out"; }

    TempDir temp;
    FakeProcesses processes;
    RunWindow run{processes, "/opt/kavinor"};
};

// Every piece of a line, the directories too, reaches the interpreter in its code page; the
// start lines and every file of the run, error.bat too, name the directory as the system does.
TEST_F(PretendRun, WholeLinesAreWrittenInTheConsoleCodePage) {
    const fs::path ansiOut = temp.path() / "Gr\xFCne Karten";  // "Grüne" in CP1252
    fs::create_directories(ansiOut);
    RunWindow german(processes, "/opt/kavinor", platform::IconvCodePages("CP1252", "CP850"));
    german.window.mnuError.setChecked(true);
    german.choose(true, source(), {"Über See.ov2"});
    german.convert(temp.path() / "Grüne Karten" / "Süd.ov2");

    const std::string oemOut = temp.path().string() + "/Gr\x81ne Karten/";  // "ü" in CP850
    ASSERT_EQ(processes.starts.size(), 3u);
    EXPECT_EQ(processes.starts[0].scriptBytes,
              crlf({"cd \"" + oemOut + "KonvertTemp\"", "\"/opt/kavinor\\dumpov2.exe\" \"" +
                                                            source().string() +
                                                            "\\\x9A"
                                                            "ber See.ov2\" \"\x9A"
                                                            "ber See.asc\""}));
    EXPECT_EQ(processes.starts[0].commandLine,
              "\"" + ansiOut.string() + "/konvert.bat\" >konvert.log");
    EXPECT_EQ(processes.starts[2].commandLine, "\"" + ansiOut.string() + "/error.bat\"");
    EXPECT_TRUE(processes.starts[2].scriptBytes.starts_with("cd \"" + oemOut + "\"\r\n"));
    EXPECT_EQ(german.messages.shown, std::vector<ShownMessage>{failureMessage()});
    // error.bat is gone again; the scripts it would have bundled stay, as it was only pretended.
    EXPECT_EQ(listNames(ansiOut), (Lines{"komplett.bat", "konvert.bat"}));
    EXPECT_EQ(conversion::DOS_To_ANSI(german.codePages, "\x84\x94\x81\x8E\x99\x9A\xE1"), "äöüÄÖÜß");
}

// The scratch directory of step 1 never takes the output's name, whatever its letter case.
TEST_F(PretendRun, ScratchDirectoryIsNeverTheOutputsName) {
    run.choose(true, source(), {"Karte.OV2"});
    run.convert(out() / "konverttemp");
    ASSERT_FALSE(processes.starts.empty());
    EXPECT_TRUE(processes.starts[0].scriptBytes.starts_with("cd \"" + out().string() +
                                                            "/KonvertTemp2\"\r\n"));
}

// A run that cannot name its directories or files safely writes no script. With the error log
// it leaves Error.bug naming the reason, unless that is the very name the user chose.
TEST_F(PretendRun, UnsafeNamesAreRefusedBeforeAnyScript) {
    writeFile(source() / "Karte.ov2", "another file that Karte.OV2's line would name");
    fs::create_directories(temp.path() / "a\"b");
    fs::create_directories(temp.path() / "c:d");
    writeFile(out() / "error.BUG", "the user's own");
    const std::string t = temp.path().string();
    struct Case {
        bool ov2Mode;
        std::string sourceDir;
        Lines targets;
        std::string output;
        std::string reason;
        std::string toolDir = "/opt/kavinor";
    };
    const Case cases[] = {
        {true,
         "src",
         {"Karte.OV2"},
         "out/x.ov2",
         "Die Skriptzeile für Karte.OV2 fände eine andere Datei"},
        {false,
         "src",
         {"a.asc", "A.ASC"},
         "out/x.ov2",
         "Zwei gewählte Dateien unterscheiden sich nur in der Schreibweise: A.ASC"},
        {false,
         "src",
         {"a.asc"},
         "a\"b/x.ov2",
         "Das Zielverzeichnis kann in keiner Skriptzeile stehen: " + t + "/a\"b/"},
        {false,
         "c:d",
         {"a.asc"},
         "out/x.ov2",
         "Das Quellverzeichnis kann in keiner Skriptzeile stehen: " + t + "/c:d"},
        {false,
         "src",
         {"a.asc"},
         "out/x.ov2",
         "Das Programmverzeichnis kann in keiner Skriptzeile stehen: " + t + "/a\"b",
         t + "/a\"b"},
        {false,
         "src",
         {"a?.asc"},
         "out/x.ov2",
         "Die gewählte Datei kann in keiner Skriptzeile stehen: a?.asc"},
        {false,
         "src",
         {"a.asc"},
         "out/x*.ov2",
         "Der Dateiname kann in keiner Skriptzeile stehen: x*.ov2"},
        {false,
         "src",
         {"a.asc"},
         "out/Komplett.TXT",
         "Der Dateiname ist der einer Arbeitsdatei des Laufs: Komplett.TXT"},
        {false, "src", {"a.asc"}, "out/Error.bug", ""},
    };
    for (const bool errorLog : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.output + " from " + c.sourceDir);
            const fs::path dir = temp.path() / fs::path(c.output).parent_path();
            Files expected = contents(dir);
            if (errorLog && !c.reason.empty()) {
                expected[expected.count("error.BUG") != 0 ? "error.BUG" : "Error.bug"] =
                    "Kavinor 0.75 \r\n" + std::string(36, '-') +
                    " \r\nLauf vor dem ersten Skript abgebrochen:\r\n" + c.reason + "\r\n";
            }
            run.messages.shown.clear();
            run.platform.toolDirectory = c.toolDir;
            run.window.mnuError.setChecked(errorLog);
            run.choose(c.ov2Mode, temp.path() / c.sourceDir, c.targets);
            run.convert(temp.path() / c.output);
            EXPECT_TRUE(processes.starts.empty());
            EXPECT_EQ(run.messages.shown, std::vector<ShownMessage>{failureMessage()});
            EXPECT_EQ(run.window.cmdKonvert.caption(), "LUV Datei erstellen");
            EXPECT_EQ(contents(dir), expected);
        }
    }
}

}  // namespace
}  // namespace kavinor::test
