#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
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
        const ToolRun run = runLine("\"" + (work() / "s.bat").string() + "\" >s.log");
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

TEST_F(Commands, EchoWritesItsTextAsWritten) {
    runLogged(crlf({"echo Kavinor 0.75 >version.txt", "echo.>leer.txt", "echo  zwei  >>leer.txt",
                    "echo 100%% sicher>prozent.txt", "echo>status.txt", "echo off",
                    "echo >>status.txt"}));
    EXPECT_EQ(bytes("version.txt"), "Kavinor 0.75 \r\n");
    EXPECT_EQ(bytes("leer.txt"), "\r\n zwei  \r\n");
    EXPECT_EQ(bytes("prozent.txt"), "100% sicher\r\n");
    EXPECT_EQ(bytes("status.txt"),
              "ECHO ist eingeschaltet (ON).\r\nECHO ist ausgeschaltet (OFF).\r\n");
}

TEST_F(Commands, CopyOneFileIntoTheCurrentDirectoryOrOntoATarget) {
    writeFile(scratch() / "Quelle" / "Bürgen Alt.asc",
              "alt\x1A"
              "bytes");
    file("ziel.TXT", "vorher");
    const std::string source = (scratch() / "quelle" / "bürgen alt.asc").string();
    const std::string log =
        runLogged(crlf({"copy \"" + source + "\"", "copy \"" + source + "\" \"Ziel.txt\"",
                        "copy \"Bürgen Alt.asc\""}));
    EXPECT_EQ(bytes("Bürgen Alt.asc"),
              "alt\x1A"
              "bytes");
    EXPECT_EQ(bytes("ziel.TXT"),
              "alt\x1A"
              "bytes");  // replaced under its existing name
    EXPECT_EQ(listNames(work()),
              (std::vector<std::string>{"Bürgen Alt.asc", "s.bat", "s.log", "ziel.TXT"}));
    EXPECT_NE(log.find("Die Datei kann nicht auf sich selbst kopiert werden.\r\n"
                       "        0 Datei(en) kopiert.\r\n"),
              std::string::npos);
}

TEST_F(Commands, PlusJoinsInTheOrderGivenSkippingMissingSources) {
    file("a.txt", "A\x1A");
    file("b.txt", "B\r\n");
    file("ziel.txt", "alt");
    const std::string log = runLogged(crlf({"copy a.txt+fehlt.txt+B.TXT + a.txt ziel.txt",
                                            "copy b.txt+a.txt", "copy fehlt.txt+nix.txt neu.txt"}));
    EXPECT_EQ(bytes("ziel.txt"),
              "A\x1A"
              "B\r\nA\x1A");
    EXPECT_EQ(bytes("b.txt"), "B\r\nA\x1A");  // the others appended to the first
    EXPECT_FALSE(fs::exists(work() / "neu.txt"));
    EXPECT_NE(log.find("Das System kann die angegebene Datei nicht finden.\r\n"
                       "        0 Datei(en) kopiert."),
              std::string::npos);
}

TEST_F(Commands, WildcardJoinsMatchesInCaseBlindNameOrder) {
    file("seen.asc", "3");
    file("Burgen.ASC", "2");
    file("a_b.asc", "1b");
    file("AB.asc", "1a");
    file("notiz.txt", "nein");
    file("alles.asc", "alt");
    fs::create_directories(work() / "ordner.asc");
    const std::string log = runLogged(crlf({"copy *.asc alles.asc"}));
    // The target matches too, but its old bytes are not merged into it.
    EXPECT_EQ(bytes("alles.asc"), "1a1b23");
    EXPECT_NE(log.find("AB.asc\r\na_b.asc\r\nBurgen.ASC\r\nseen.asc\r\n        1 Datei(en) "
                       "kopiert.\r\n"),
              std::string::npos);
}

TEST_F(Commands, WildcardCopiesEachFileIntoADirectory) {
    file("eins.asc", "1");
    file("zwei.ASC", "2");
    fs::create_directories(work() / "Ablage");
    runLogged(crlf({"copy *.asc ablage", "copy eins.asc Ablage\\",
                    "copy fehlt.asc+zwei.asc+eins.asc ablage\\"}));
    EXPECT_EQ(listNames(work() / "Ablage"), (std::vector<std::string>{"eins.asc", "zwei.ASC"}));
    // A join into a directory takes the name of its first file found.
    EXPECT_EQ(readFile(work() / "Ablage" / "zwei.ASC"), "21");
    EXPECT_EQ(readFile(work() / "Ablage" / "eins.asc"), "1");
}

TEST_F(Commands, MoveReplacesAndGoesUp) {
    fs::create_directories(work() / "Temp");
    writeFile(work() / "Temp" / "komplett.txt", "neu");
    file("komplett.txt", "alt");
    file("a.txt", "a");
    const std::string log =
        runLogged(crlf({"cd temp", "move komplett.txt ..", "cd ..", "move A.txt b.txt"}));
    EXPECT_EQ(bytes("komplett.txt"), "neu");
    EXPECT_EQ(bytes("b.txt"), "a");
    EXPECT_TRUE(listNames(work() / "Temp").empty());
    EXPECT_FALSE(fs::exists(work() / "a.txt"));
    EXPECT_NE(log.find("        1 Datei(en) verschoben.\r\n"), std::string::npos);
}

TEST_F(Commands, DelRemovesBareQuotedAndWildcardNamesAndGoesOnAfterAMissingOne) {
    for (const char* name : {"a.txt", "mit blank.txt", "x.tmp", "Y.TMP", "bleibt.asc"}) {
        file(name, "x");
    }
    const std::string log =
        runLogged(crlf({"del A.TXT", "del fehlt.txt", "del \"Mit Blank.txt\"", "del *.tmp"}));
    EXPECT_EQ(listNames(work()), (std::vector<std::string>{"bleibt.asc", "s.bat", "s.log"}));
    EXPECT_NE(log.find("Datei nicht gefunden - " + (work() / "fehlt.txt").string() + "\r\n"),
              std::string::npos);
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
    const std::string log = runLogged(crlf({"\"" + kvcmd + "\" /c \"echo innen\" >innen.txt",
                                            "\"" + kvcmd + " \" /c \"echo ins log\"",
                                            "\"" + withBlank + "\" /c \"echo mit blank\">blank.txt",
                                            "\"" + (kToolDir / "DUMPOV2.EXE").string() + "\""}));
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
