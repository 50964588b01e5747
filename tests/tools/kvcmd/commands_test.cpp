#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "kvcmd_test.h"

namespace {

namespace fs = std::filesystem;
using kavinor::test::crlf;
using kavinor::test::hasShape;
using kavinor::test::kToolDir;
using kavinor::test::KvcmdTest;
using kavinor::test::listNames;
using kavinor::test::readFile;
using kavinor::test::ToolRun;
using kavinor::test::writeFile;

class Commands : public KvcmdTest {
protected:
    // Runs the script as a step script with its log, and returns the log.
    std::string runLogged(std::string_view script) const {
        writeFile(work() / "s.bat", script);
        const std::string scriptPath = (work() / "s.bat").string();
        const ToolRun run = runLine("\"" + scriptPath + "\" >s.log");
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.output + run.errors, "");
        return readFile(work() / "s.log");
    }
    // What echo prints before a command: an empty line, the prompt and the command.
    static std::string echoed(const fs::path& dir, const std::string& command) {
        return "\r\n" + dir.string() + ">" + command + "\r\n";
    }
    void file(const std::string& name, std::string_view bytes) const {
        writeFile(work() / name, bytes);
    }
    std::string bytes(const std::string& name) const { return readFile(work() / name); }
};

TEST_F(Commands, LogShowsEveryCommandAndWhatItPrintedUnlessEchoIsOff) {
    fs::create_directories(work() / "Unter");
    const std::string log = runLogged(
        "cd unter\r\necho hallo welt\n@echo leise\recho off\r\necho still\r\n"
        "  \r\necho on\r\n@cd ..\r\n:: Kommentar\r\n:marke\r\nrem nichts\r\n");
    const fs::path sub = work() / "Unter";
    EXPECT_EQ(log, echoed(work(), "cd unter") + echoed(sub, "echo hallo welt") +
                       "hallo welt\r\nleise\r\n" + echoed(sub, "echo off") + "still\r\n" +
                       echoed(work(), "rem nichts"));
}

// What the file commands leave: each case's files before, its script, the files after (an
// empty text: none of that name), and what its log must show.
TEST_F(Commands, FileCommandsLeaveExactlyTheirResult) {
    using Files = std::map<std::string, std::string>;
    struct Case {
        const char* what;
        Files before;
        std::vector<std::string> lines;
        Files after;
        std::string logHas;
    };
    const std::string ctrlZ = "\x1A";
    const Case cases[] = {
        {"echo writes its text as written; > replaces, >> appends",
         {{"version.txt", "a longer text from before, which the redirection replaces whole"}},
         {"echo Kavinor 0.75 >version.txt", "echo.>leer.txt", "echo  zwei  >>leer.txt",
          "echo 100%% sicher>prozent.txt", "echo>status.txt", "echo off", "echo >>status.txt"},
         {{"version.txt", "Kavinor 0.75 \r\n"},
          {"leer.txt", "\r\n zwei  \r\n"},
          {"prozent.txt", "100% sicher\r\n"},
          {"status.txt", "ECHO ist eingeschaltet (ON).\r\nECHO ist ausgeschaltet (OFF).\r\n"}},
         ""},
        {"copy one file here or onto a target, which keeps its name; never onto itself",
         {{"Quelle/Bürgen Alt.asc", "alt" + ctrlZ + "bytes"}, {"ziel.TXT", "vorher"}},
         {"copy \"quelle\\bürgen alt.asc\"", "copy \"quelle\\Bürgen Alt.asc\" \"Ziel.txt\"",
          "copy \"Bürgen Alt.asc\""},
         {{"Bürgen Alt.asc", "alt" + ctrlZ + "bytes"},
          {"ziel.TXT", "alt" + ctrlZ + "bytes"},
          {"Ziel.txt", ""}},
         "Die Datei kann nicht auf sich selbst kopiert werden.\r\n        0 Datei(en) "
         "kopiert.\r\n"},
        {"+ joins in the order given, skipping missing sources, onto the first without a target",
         {{"a.txt", "A" + ctrlZ}, {"b.txt", "B\r\n"}, {"ziel.txt", "alt"}},
         {"copy a.txt+fehlt.txt+B.TXT + a.txt ziel.txt", "copy b.txt+a.txt",
          "copy fehlt.txt+nix.txt neu.txt"},
         {{"ziel.txt", "A" + ctrlZ + "B\r\nA" + ctrlZ},
          {"b.txt", "B\r\nA" + ctrlZ},
          {"neu.txt", ""}},
         "Das System kann die angegebene Datei nicht finden.\r\n        0 Datei(en) kopiert."},
        {"a wildcard joins in case-blind name order, never the target into itself",
         {{"seen.asc", "3"},
          {"Burgen.ASC", "2"},
          {"a_b.asc", "1b"},
          {"AB.asc", "1a"},
          {"notiz.txt", "nein"},
          {"alles.asc", "alt"},
          {"ordner.asc/x", "x"}},
         {"copy *.asc alles.asc"},
         {{"alles.asc", "1a1b23"}},
         "AB.asc\r\na_b.asc\r\nBurgen.ASC\r\nseen.asc\r\n        1 Datei(en) kopiert.\r\n"},
        {"a wildcard copies each file into a directory; a join there is named after its first",
         {{"eins.asc", "1"}, {"zwei.ASC", "2"}, {"Ablage/.keep", ""}},
         {"copy *.asc ablage", "copy eins.asc Ablage\\",
          "copy fehlt.asc+zwei.asc+eins.asc ablage\\"},
         {{"Ablage/zwei.ASC", "21"}, {"Ablage/eins.asc", "1"}},
         ""},
        {"move replaces and goes up",
         {{"Temp/komplett.txt", "neu"}, {"komplett.txt", "alt"}, {"a.txt", "a"}},
         {"cd temp", "move komplett.txt ..", "cd ..", "move A.txt b.txt"},
         {{"komplett.txt", "neu"}, {"b.txt", "a"}, {"a.txt", ""}, {"Temp/komplett.txt", ""}},
         "        1 Datei(en) verschoben.\r\n"},
        {"del takes bare, quoted and wildcard names and goes on after a missing one",
         {{"a.txt", "x"},
          {"mit blank.txt", "x"},
          {"x.tmp", "x"},
          {"Y.TMP", "x"},
          {"bleibt.asc", "x"}},
         {"del A.TXT", "del fehlt.txt", "del \"Mit Blank.txt\"", "del *.tmp"},
         {{"a.txt", ""}, {"mit blank.txt", ""}, {"x.tmp", ""}, {"Y.TMP", ""}, {"bleibt.asc", "x"}},
         "Datei nicht gefunden - " + (work() / "fehlt.txt").string() + "\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(work());
        fs::create_directories(work());
        for (const auto& [name, text] : c.before) file(name, text);
        const std::string log = runLogged(crlf(c.lines));
        for (const auto& [name, text] : c.after) {
            if (text.empty()) {
                EXPECT_FALSE(fs::exists(work() / name)) << name;
            } else {
                EXPECT_EQ(bytes(name), text) << name;
            }
        }
        EXPECT_NE(log.find(c.logHas), std::string::npos) << log;
    }
}

TEST_F(Commands, DirectoriesAreMadeEnteredAndRemoved) {
    const std::string log = runLogged(
        crlf({"md ConvertTemp", "cd ConvertTemp", "cd", "cd ..", "rd converttemp", "md a\\b",
              "cd a\\\\b\\", "cd..", "cd", "cd /d \"" + work().string() + "/\""}));
    EXPECT_FALSE(fs::exists(work() / "ConvertTemp"));
    EXPECT_TRUE(fs::is_directory(work() / "a" / "b"));
    EXPECT_NE(
        log.find(echoed(work() / "ConvertTemp", "cd") + (work() / "ConvertTemp").string() + "\r\n"),
        std::string::npos);
    EXPECT_NE(log.find(echoed(work() / "a", "cd") + (work() / "a").string() + "\r\n"),
              std::string::npos);
}

TEST_F(Commands, DirListsEntriesWithSizesAndTotals) {
    const fs::path listed = work() / "Liste";
    writeFile(listed / "groß.ov2", std::string(1234, 'x'));
    writeFile(listed / "klein.asc", "12");
    fs::create_directories(listed / "Unter");
    runLogged(crlf({"dir liste >dir.txt", "dir Liste\\*.asc >muster.txt", "dir / >wurzel.txt"}));
    // At a root there is no way up.
    const std::string root = bytes("wurzel.txt");
    EXPECT_NE(root.find("    <DIR>          .\r\n"), std::string::npos) << root;
    EXPECT_EQ(root.find("    <DIR>          ..\r\n"), std::string::npos) << root;
    const std::string listing = bytes("dir.txt");
    const std::string stamp = "##.##.####  ##:##";
    const std::string shape =
        crlf({" Verzeichnis von " + listed.string(), "", stamp + "    <DIR>          .",
              stamp + "    <DIR>          ..", stamp + "             1.234 groß.ov2",
              stamp + "                 2 klein.asc", stamp + "    <DIR>          Unter",
              "               2 Datei(en),          1.236 Bytes"});
    EXPECT_TRUE(hasShape(listing.substr(0, shape.size()), shape)) << listing;
    const std::string last = listing.substr(std::min(shape.size(), listing.size()));
    EXPECT_TRUE(last.starts_with("               3 Verzeichnis(se), ")) << listing;
    EXPECT_TRUE(last.ends_with(" Bytes frei\r\n")) << listing;
    const std::string matched = bytes("muster.txt");
    EXPECT_NE(matched.find(" klein.asc\r\n"), std::string::npos);
    EXPECT_EQ(matched.find("groß"), std::string::npos);
}

TEST_F(Commands, DateAndTimeShowTheLocalClock) {
    const std::time_t before = std::time(nullptr);
    runLogged(crlf({"date /t >date.txt", "TIME /T >time.txt"}));
    const std::time_t after = std::time(nullptr);
    const auto shown = [](std::time_t t, const char* format) {
        char text[32];
        std::tm local{};
        localtime_r(&t, &local);
        std::strftime(text, sizeof text, format, &local);
        return std::string(text) + "\r\n";
    };
    // The clock may pass a minute between the two readings; either side is right.
    EXPECT_TRUE(bytes("date.txt") == shown(before, "%d.%m.%Y") ||
                bytes("date.txt") == shown(after, "%d.%m.%Y"));
    EXPECT_TRUE(bytes("time.txt") == shown(before, "%H:%M") ||
                bytes("time.txt") == shown(after, "%H:%M"));
}

TEST_F(Commands, ProgramsRunWithTheirOutputWhereTheLineSendsIt) {
    const std::string kvcmd = (kToolDir / "kvcmd.exe").string();
    fs::create_directories(scratch() / "Mein Werkzeug");
    fs::copy_file(kToolDir / "kvcmd", scratch() / "Mein Werkzeug" / "kvcmd");
    const std::string withBlank = (scratch() / "mein werkzeug" / "KVCMD.exe").string();
    const std::string dumpov2 = (kToolDir / "DUMPOV2.EXE").string();
    const std::string log = runLogged(crlf(
        {"\"" + kvcmd + "\" /c \"echo innen\" >innen.txt", "\"" + kvcmd + " \" /c \"echo ins log\"",
         "\"" + withBlank + "\" /c \"echo mit blank\">blank.txt", "\"" + dumpov2 + "\""}));
    EXPECT_EQ(bytes("innen.txt"), "innen\r\n");
    EXPECT_EQ(bytes("blank.txt"), "mit blank\r\n");
    EXPECT_NE(log.find("ins log\r\n"), std::string::npos);
    // The tool's own complaint lands in the log too.
    EXPECT_NE(log.find("dumpov2: usage: "), std::string::npos);
}

TEST_F(Commands, ScriptRunDirectlyGetsItsArguments) {
    file("args.bat", crlf({"@echo %1-%2 >args.txt"}));
    const ToolRun run = runArgs({"args.bat", "eins", "zwei"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(bytes("args.txt"), "eins-zwei \r\n");
}

}  // namespace
