#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "conversion_run.h"
#include "poi_files.h"
#include "posix_processes.h"
#include "process_table.h"
#include "run_window.h"
#include "temp_dir.h"
#include "test_files.h"

// Whole runs from the click to the message, with the real interpreter and tools: the steps in
// their order, the bytes of what they leave, and what they leave alone.

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;

const fs::path kBuiltTools = KAVINOR_TOOL_DIR;
const std::vector<Poi> kBurgen = {
    {1074980, 4755760, "Schloss Neuschwanstein", "burg-001", "nur mit Führung", true},
    {1073611, 4755556, "Schloss Hohenschwangau", "", "", false}};
const std::vector<Poi> kKarte = {{896750, 4832306, "Burg Hohenzollern", "", "", false}};
const std::vector<Poi> kSee = {{-12345, -3350000, "Kap der Guten Hoffnung", "", "", false},
                               {947000, 4765000, "Bodensee", "r-7", "", true}};
const std::vector<Poi> kOther = {{100, 200, "Nicht gewählt", "", "", false}};
const std::vector<Poi> kUsersOwn = {{300, 400, "Eigener Text", "", "", false}};

class ConversionEndToEnd : public ::testing::Test {
protected:
    ConversionEndToEnd() {
        fs::create_directories(source());
        fs::create_directories(out());
        linkTools();
        writeFile(source() / "Bürgen Alt.ov2", ov2File(kBurgen));
        writeFile(source() / "Karte.OV2", ov2File(kKarte));
        writeFile(source() / "Über See.ov2", ov2File(kSee));
        writeFile(source() / "Nicht.ov2", ov2File(kOther));
    }

    // Links the built programs and icon.bmp into the tool directory, again where one was taken.
    void linkTools() {
        fs::create_directories(tools());
        for (const char* name : {"kvcmd", "dumpov2", "makeov2", "icon.bmp"}) {
            fs::remove(tools() / name);
            fs::create_symlink(kBuiltTools / name, tools() / name);
        }
    }

    static Files without(Files files, const Lines& names) {
        for (const std::string& name : names) files.erase(name);
        return files;
    }

    // Checks Error.bug in `dir` part by part against the scripts and logs that stood there
    // when error.bat started; the listing of the directory lies between the two.
    void expectErrorBundle(const fs::path& dir) {
        const auto part = [&](const std::string& name) { return run.atErrorBat[name]; };
        const std::string rule = std::string(36, '-') + " \r\n";
        const std::string bug = readFile(dir / "Error.bug");
        const std::size_t listing = bug.find(" Verzeichnis von " + dir.string() + "\r\n");
        const std::size_t logs = bug.find(" Bytes frei\r\n", listing) + 13;
        EXPECT_TRUE(hasShape(bug.substr(0, listing),
                             "Kavinor 0.75 \r\n" + rule + "##.##.####\r\n##:##\r\n" + rule +
                                 part("konvert.bat") + rule + part("komplett.bat") + rule +
                                 part("asc2ov2.bat") + rule))
            << bug;
        EXPECT_EQ(bug.substr(std::min(logs, bug.size())), rule + part("konvert.log") + rule +
                                                              part("komplett.log") + rule +
                                                              part("asc2ov2.log") + rule);
    }

    fs::path tools() const { return temp.path() / "Werkzeuge"; }
    fs::path source() const { return temp.path() / "Quelle Ä"; }
    fs::path out() const { return temp.path() / "100% Ziel ö"; }

    TempDir temp;
    platform::PosixProcesses posix{(tools() / "kvcmd").string()};
    FakeProcesses processes{&posix};
    RunWindow run{processes, tools()};
    const std::string icon = readFile(kBuiltTools / "icon.bmp");
};

// Runs into one directory, named with a percent sign, that holds files of the user's own: the
// Error.bug of an earlier run, which only a run with the error log replaces, directories with the
// names of the run's scratch directories, and an older bitmap of an output's name in another case.
// The first run takes .ov2 files with percent signs in their names, which the interpreter reads
// as `%%` and would expand as `%OS%` or `%1`: the steps in their order and exactly the chosen
// POIs; the window shows the output and lists its directory, and nothing of the run stays.
TEST_F(ConversionEndToEnd, Ov2RunsIntoOneDirectory) {
    writeFile(source() / "%1 und %PATH%.ov2", ov2File(kKarte));
    writeFile(source() / "Karte.ASC", ascFile(kKarte));
    writeFile(out() / "Eigene.asc", ascFile(kUsersOwn));
    writeFile(out() / "Error.bug", "from an earlier run");
    writeFile(out() / "KonvertTemp" / "Eigene.asc", ascFile(kUsersOwn));
    writeFile(out() / "converttemp" / "Karte.ASC", "the user's own, not a copy");
    writeFile(out() / "Alle.BMP", "an older picture");
    const Files sources = contents(source());
    const Files before = contents(out());
    run.choose(true, source(), {"Über See.ov2", "%1 und %PATH%.ov2", "Bürgen Alt.ov2"});
    // As a filled target list leaves it, and as no other control is: the run keeps both.
    run.window.cmdKonvert.setEnabled(true);
    run.window.txtov2.setEnabled(false);
    run.window.File.setPath(out().string());
    run.convert(out() / "Alle %OS%.ov2");

    EXPECT_EQ(run.events, (Lines{"*** Bitte warten ! Schritt 1 / 4 *** wait 2000",
                                 "*** Bitte warten ! Schritt 1 / 4 *** start konvert.bat\"",
                                 "*** Bitte warten ! Schritt 2 / 4 *** wait 3000",
                                 "*** Bitte warten ! Schritt 2 / 4 *** start komplett.bat\"",
                                 "*** Bitte warten ! Schritt 3 / 4 *** start asc2ov2.bat\"",
                                 "*** Bitte warten ! Schritt 4 / 4 *** wait 3000",
                                 "LUV Datei erstellen message"}));
    for (const FakeProcesses::Start& start : processes.starts) {
        EXPECT_EQ(start.workingDir, out().string() + "/");
    }
    EXPECT_EQ(processes.terminated.size(), processes.starts.size());
    EXPECT_EQ(run.dialog.shownWith, "LUV-Dateien (*.ov2)|*.ov2 1");
    EXPECT_EQ(sorted(readOv2(readFile(out() / "Alle %OS%.ov2"))), joined({kBurgen, kKarte, kSee}));
    EXPECT_EQ(without(contents(out()), {"Alle %OS%.ov2", "Alle %OS%.bmp"}), before);
    EXPECT_EQ(contents(source()), sources);
    EXPECT_EQ(run.state(), (Lines{"shown " + (out() / "Alle %OS%.ov2").string(), "path label shown",
                                  out().string(), out().string() + "\\*.ov2", "Alle %OS%.ov2|",
                                  "Anzahl der Input-Dateien : 1"}));

    // .ov2 input takes another scratch name. A source directory written with its closing
    // separator, as at a root, and an output directory with a doubled one. The Windows
    // interpreter ends a join with one Ctrl-Z, and that join is whole.
    run.atStart = [this](const FakeProcesses::Start& start) {
        if (start.commandLine.find("komplett.bat") == std::string::npos) return;
        writeFile(out() / "KonvertTemp2" / "zz.asc", "\x1A");
    };
    run.choose(true, source() / "", {"Karte.OV2"});
    run.convert(temp.path().string() + "//100% Ziel ö/Alle.ov2");
    EXPECT_EQ(sorted(readOv2(readFile(out() / "Alle.ov2"))), kKarte);
    run.atStart = nullptr;

    // The scratch directory of step 1 never takes the output's name, whatever its letter case.
    run.window.mnuError.setChecked(true);
    run.choose(true, source(), {"Karte.OV2", "Über See.ov2"});
    run.convert(out() / "konverttemp2");
    EXPECT_TRUE(processes.starts[6].scriptBytes.starts_with("cd \"" + temp.path().string() +
                                                            "/100%% Ziel ö/KonvertTemp3\"\r\n"));
    EXPECT_EQ(sorted(readOv2(readFile(out() / "konverttemp2"))), joined({kKarte, kSee}));
    expectErrorBundle(out());
    run.window.mnuError.setChecked(false);

    // .asc input fails, as the directory it would gather the texts in is taken.
    run.choose(false, source(), {"Karte.ASC"});
    run.convert(out() / "Alle.ov2");
    EXPECT_EQ(sorted(readOv2(readFile(out() / "Alle.ov2"))), kKarte);

    // Without icon.bmp the merge still succeeds, with no picture of the output's name beside it.
    fs::remove(tools() / "icon.bmp");
    run.choose(true, source(), {"Bürgen Alt.ov2", "Nicht.ov2"});
    run.convert(out() / "Alle.ov2");
    EXPECT_EQ(sorted(readOv2(readFile(out() / "Alle.ov2"))), joined({kBurgen, kOther}));
    EXPECT_EQ(run.messages.shown,
              (std::vector<ShownMessage>{kSuccess, kSuccess, kSuccess, kFailure, kSuccess}));

    // A cancelled dialog ends the click, also when it holds the name of an earlier use.
    const std::size_t events = run.events.size();
    const Files left = contents(out());
    run.dialog.answer(false);
    conversion::cmdKonvert_Click(run.window);
    EXPECT_EQ(run.dialog.fileName(), (out() / "Alle.ov2").string());
    EXPECT_EQ(run.events.size(), events);
    EXPECT_EQ(contents(out()), left);

    EXPECT_EQ(without(left, {"Alle.ov2", "Alle %OS%.ov2", "konverttemp2", "Error.bug"}),
              (Files{{"Alle %OS%.bmp", icon},
                     {"konvertt.bmp", icon},
                     {"Eigene.asc", ascFile(kUsersOwn)},
                     {"KonvertTemp", "<dir>"},
                     {"converttemp", "<dir>"}}));
    EXPECT_EQ(contents(out() / "KonvertTemp"), (Files{{"Eigene.asc", ascFile(kUsersOwn)}}));
    EXPECT_EQ(contents(out() / "converttemp"),
              (Files{{"Karte.ASC", "the user's own, not a copy"}}));
}

// .asc files merged in their own directory, with the error log on at the click, off after the
// first script and on again after the second: the switch counts from the next script on and at
// step 4. The texts are joined in name order without regard to case, whatever order they were
// chosen in; Error.bug holds the scripts and logs as they were, and is all that stays.
TEST_F(ConversionEndToEnd, AscFilesWithTheErrorLogSwitchedDuringTheRun) {
    const std::vector<std::pair<std::string, std::string>> texts = {
        {"ab.asc", crlf({"; Teil ab", "10.74980,47.55760,\"Neuschwanstein\",\"b-1\",\"Führung\""})},
        {"a_b.asc", crlf({"8.96750,48.32306,\"Burg Hohenzollern\""})},
        {"bürgen alt.asc", ascFile(kBurgen)},
        {"Zoo.ASC", crlf({"13.33750,52.50833,\"Zoo \"\"Berlin\"\"\""})},
        {"Über See.asc", ascFile(kSee)}};
    std::string joinedTexts;
    for (const auto& [name, text] : texts) {
        writeFile(source() / name, text);
        joinedTexts += text;
    }
    writeFile(source() / "notiz.txt", "bleibt\r\n");
    const Files before = contents(source());
    run.window.mnuError.setChecked(true);
    run.atStart = [this](const FakeProcesses::Start&) {
        run.window.mnuError.setChecked(!run.window.mnuError.checked());
    };
    run.choose(false, source(), {"Über See.asc", "Zoo.ASC", "bürgen alt.asc", "a_b.asc", "ab.asc"});
    run.convert(source() / "Alle.ov2");

    EXPECT_EQ(run.events,
              (Lines{"*** Bitte warten ! Schritt 1 / 4 *** wait 2000",
                     "*** Bitte warten ! Schritt 2 / 4 *** wait 3000",
                     "*** Bitte warten ! Schritt 2 / 4 *** start komplett.bat \" >komplett.log",
                     "*** Bitte warten ! Schritt 3 / 4 *** start asc2ov2.bat\"",
                     "*** Bitte warten ! Schritt 4 / 4 *** wait 3000",
                     "*** Bitte warten ! Schritt 4 / 4 *** start error.bat\"",
                     "LUV Datei erstellen message"}));
    EXPECT_EQ(sorted(readOv2(readFile(source() / "Alle.ov2"))), sorted(readAsc(joinedTexts)));
    EXPECT_EQ(run.atErrorBat["komplett.txt"], joinedTexts);
    EXPECT_EQ(readFile(source() / "Alle.bmp"), icon);
    EXPECT_EQ(without(contents(source()), {"Alle.ov2", "Alle.bmp", "Error.bug"}), before);
    expectErrorBundle(source());
    EXPECT_EQ(run.state(), (Lines{"shown " + (source() / "Alle.ov2").string(), "path label shown",
                                  source().string(), source().string() + "\\*.asc",
                                  "a_b.asc|ab.asc|bürgen alt.asc|Über See.asc|Zoo.ASC|",
                                  "Anzahl der Input-Dateien : 5"}));
}

// A run that cannot name its directories or files safely writes no script. With the error log
// it leaves Error.bug naming the reason, unless that is the very name the user chose.
TEST_F(ConversionEndToEnd, UnsafeNamesAreRefusedBeforeAnyScript) {
    writeFile(source() / "Karte.ov2", "another file that Karte.OV2's line would name");
    writeFile(source() / "a.asc", ascFile(kKarte));
    writeFile(out() / "error.BUG", "the user's own");
    const fs::path quote = temp.path() / "a\"b";
    const fs::path colon = temp.path() / "c:d";
    fs::create_directories(quote);
    fs::create_directories(colon);
    const auto refused = [&](bool ov2Mode, const fs::path& sourceDir, const Lines& targets,
                             const fs::path& output, const std::string& reason,
                             const fs::path& toolDir = fs::path()) {
        SCOPED_TRACE(output.string() + " from " + sourceDir.string());
        run.platform.toolDirectory = (toolDir.empty() ? tools() : toolDir).string();
        for (const bool errorLog : {false, true}) {
            Files expected = contents(output.parent_path());
            if (errorLog && !reason.empty()) {
                expected[expected.count("error.BUG") != 0 ? "error.BUG" : "Error.bug"] =
                    "Kavinor 0.75 \r\n" + std::string(36, '-') +
                    " \r\nLauf vor dem ersten Skript abgebrochen:\r\n" + reason + "\r\n";
            }
            run.messages.shown.clear();
            run.window.mnuError.setChecked(errorLog);
            run.choose(ov2Mode, sourceDir, targets);
            run.convert(output);
            EXPECT_TRUE(processes.starts.empty());
            EXPECT_EQ(run.messages.shown, std::vector<ShownMessage>{kFailure});
            EXPECT_EQ(run.window.cmdKonvert.caption(), "LUV Datei erstellen");
            EXPECT_EQ(contents(output.parent_path()), expected);
        }
    };
    refused(true, source(), {"Karte.OV2"}, out() / "x.ov2",
            "Die Skriptzeile für Karte.OV2 fände eine andere Datei");
    refused(false, source(), {"a.asc", "A.ASC"}, out() / "x.ov2",
            "Zwei gewählte Dateien unterscheiden sich nur in der Schreibweise: A.ASC");
    refused(false, source(), {"a.asc"}, quote / "x.ov2",
            "Das Zielverzeichnis kann in keiner Skriptzeile stehen: " + quote.string() + "/");
    refused(false, colon, {"a.asc"}, out() / "x.ov2",
            "Das Quellverzeichnis kann in keiner Skriptzeile stehen: " + colon.string());
    refused(false, source(), {"a.asc"}, out() / "x.ov2",
            "Das Programmverzeichnis kann in keiner Skriptzeile stehen: " + quote.string(), quote);
    refused(false, source(), {"a?.asc"}, out() / "x.ov2",
            "Die gewählte Datei kann in keiner Skriptzeile stehen: a?.asc");
    refused(false, source(), {"a.asc"}, out() / "x*.ov2",
            "Der Dateiname kann in keiner Skriptzeile stehen: x*.ov2");
    refused(false, source(), {"a.asc"}, out() / "Komplett.TXT",
            "Der Dateiname ist der einer Arbeitsdatei des Laufs: Komplett.TXT");
    refused(false, source(), {"a.asc"}, out() / "Error.bug", "");
}

// Runs that cannot succeed end in the failure message and lose nothing: an earlier output of
// the chosen name, the user's files, the sources and what the window shows stay as they were,
// and with the error log only Error.bug is new. An output directory that is not there takes
// neither the scratch directory nor any script.
TEST_F(ConversionEndToEnd, FailedRunsLoseNothing) {
    writeFile(out() / "Alle.ov2", "an earlier output, which must survive");
    writeFile(out() / "Alle.bmp", icon);
    writeFile(out() / "Eigene.asc", ascFile(kUsersOwn));
    run.window.lstAuswahl1.add("old.ov2");
    run.window.lblDatei1.setCaption("Anzahl der Input-Dateien : 7");
    fs::path output;
    struct Case {
        std::string what;
        bool errorLog;
        std::string inBundle;
        std::function<void()> breakRun;
    };
    const Case cases[] = {
        {"no dumpov2", true, "dumpov2.exe", [&] { fs::remove(tools() / "dumpov2"); }},
        {"no makeov2, and an output of that name from before", false, "",
         [&] { fs::remove(tools() / "makeov2"); }},
        // The tool's own message, naming the file, reaches the bundle through the log.
        {"a corrupt input file", true, "dumpov2: " + source().string() + "\\Über See.ov2: ",
         [&] { writeFile(source() / "Über See.ov2", ov2File(kSee) + "\x07garbage"); }},
        {"a join with a byte more than the texts", false, "",
         [&] {
             run.atStart = [this](const FakeProcesses::Start& start) {
                 if (start.commandLine.find("komplett.bat") == std::string::npos) return;
                 writeFile(out() / "KonvertTemp" / "zz.asc", "x");
             };
         }},
        {"an earlier output without write permission", true,
         "makeov2: cannot write Alle.ov2: Permission denied",
         [&] { fs::permissions(out() / "Alle.ov2", fs::perms::owner_read); }},
        {"no interpreter", false, "", [&] { fs::remove(tools() / "kvcmd"); }},
        {"an output directory that is not there", false, "", [&] { output /= "fehlt"; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        linkTools();
        writeFile(source() / "Über See.ov2", ov2File(kSee));
        run.atStart = nullptr;
        output = out();
        c.breakRun();
        const Files sources = contents(source());
        const Files before = contents(out());
        run.messages.shown.clear();
        run.window.mnuError.setChecked(c.errorLog);
        run.choose(true, source(), {"Karte.OV2", "Über See.ov2"});
        const Lines shown = run.state();
        run.convert(output / "Alle.ov2");

        EXPECT_EQ(run.messages.shown, std::vector<ShownMessage>{kFailure});
        EXPECT_EQ(run.state(), shown);
        EXPECT_EQ(contents(source()), sources);
        Files after = contents(out());
        const std::string bug = after["Error.bug"];
        EXPECT_EQ(without(after, {"Error.bug"}), before);
        EXPECT_EQ(bug.empty(), !c.errorLog);
        EXPECT_NE(bug.find(c.inBundle), std::string::npos) << bug;
        fs::remove(out() / "Error.bug");
    }
    EXPECT_EQ(run.window.lngTaskID, 0);
}

// An end asked for from outside while a step's script runs: it ends with all it started, the run
// starts no other script, makes no pause and shows no message, and it removes every file of its
// own, what the ended tool or script left half done included. An earlier output and the user's
// files, another tool's temporary file among them, stay as they were.
TEST_F(ConversionEndToEnd, AnEndFromOutsideStopsTheRunAndLeavesNoTrace) {
    writeFile(out() / "Alle.ov2", "an earlier output, which must survive");
    writeFile(out() / "Eigene.asc", ascFile(kUsersOwn));
    writeFile(out() / ".kavinor-0123456789ab.tmp", "another tool's, at work");
    writeFile(source() / "Karte.asc", ascFile(kKarte));
    const fs::path ended = temp.path() / "ended";
    run.endRequest.when = [&] { return fs::exists(ended); };
    const auto endedRun = [&](bool ov2Mode, bool errorLog, const Lines& events) {
        const Files before = contents(out());
        run.events.clear();
        run.window.mnuError.setChecked(errorLog);
        run.choose(ov2Mode, source(), {ov2Mode ? "Karte.OV2" : "Karte.asc"});
        run.convert(out() / "Alle.ov2");
        EXPECT_EQ(run.events, events);
        EXPECT_TRUE(run.messages.shown.empty());
        EXPECT_EQ(contents(out()), before);
        ASSERT_FALSE(processes.terminated.empty());
        EXPECT_TRUE(eventually([&] { return livingMembers(processes.terminated.back()) == 0; }));
        fs::remove(ended);
    };
    const std::string step = "*** Bitte warten ! Schritt ";

    // makeov2 begins its output as the tools do, then waits to be ended.
    fs::remove(tools() / "makeov2");
    writeFile(tools() / "makeov2", "#!/bin/sh\nprintf x >.kavinor-fedcba987654.tmp\n: >'" +
                                       ended.string() + "'\nexec sleep 60\n");
    fs::permissions(tools() / "makeov2", fs::perms::owner_all);
    endedRun(true, true,
             {step + "1 / 4 *** wait 2000", step + "1 / 4 *** start konvert.bat\" >konvert.log",
              step + "2 / 4 *** wait 3000", step + "2 / 4 *** start komplett.bat \" >komplett.log",
              step + "3 / 4 *** start asc2ov2.bat \">asc2ov2.log"});

    // Ended with a copy in the ConvertTemp it made, which its script would not remove.
    run.atStart = [&](const FakeProcesses::Start&) {
        writeFile(out() / "ConvertTemp" / "halb.asc", "x");
        writeFile(ended, "");
    };
    endedRun(false, false,
             {step + "1 / 4 *** wait 2000", step + "2 / 4 *** wait 3000",
              step + "2 / 4 *** start komplett.bat\""});
}

}  // namespace
}  // namespace kavinor::test
