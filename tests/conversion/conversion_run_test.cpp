#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "conversion_run.h"
#include "error_bundle.h"
#include "platform_doubles.h"
#include "run_window.h"
#include "test_files.h"

// The run's order, captions, pauses, scripts and start lines, with processes that are only
// pretended: a stand-in plays each script's part on the files.

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

constexpr const char* kToolDir = "/opt/kavinor";

// Whether each control of the window is enabled, in a fixed order.
std::vector<bool> enabledStates(const mainwindow::FmrMain& w) {
    return {w.cmdKonvert.enabled(), w.lstAuswahl1.enabled(), w.lstAuswahl2.enabled(),
            w.lblDatei1.enabled(),  w.lblDatei2.enabled(),   w.lblPfad.enabled(),
            w.txtov2.enabled(),     w.mnuError.enabled(),    w.File.enabled()};
}

class ConversionRun : public ::testing::Test {
protected:
    ConversionRun() {
        writeFile(source() / "Karte.OV2", "karte");
        writeFile(source() / "Über See.ov2", "see");
        writeFile(source() / "a.asc", "text a\r\n");
        writeFile(source() / "b.asc", "text b\r\n");
        fs::create_directories(out());
        processes.onStart = [this](const FakeProcesses::Start& start) { playScript(start); };
    }

    fs::path source() const { return temp.path() / "src"; }
    fs::path out() const { return temp.path() / "out"; }
    std::string outDir() const { return out().string() + "/"; }

    // Does on the files what each script would do when every step works.
    void playScript(const FakeProcesses::Start& start) {
        const std::string& line = start.commandLine;
        const mainwindow::FmrMain& w = run.window;
        if (line.find("konvert.bat") != std::string::npos) {
            for (const std::string& entry : w.lstAuswahl2.entries()) {
                writeFile(out() / "KonvertTemp" / (entry.substr(0, entry.size() - 4) + ".asc"),
                          "text of " + entry);
            }
        } else if (line.find("komplett.bat") != std::string::npos) {
            std::string joined;
            for (const std::string& entry : w.lstAuswahl2.entries()) {
                joined += w.bolOv2Mode ? "text of " + entry : readFile(source() / entry);
            }
            writeFile(out() / "komplett.txt", joined);
        } else if (line.find("asc2ov2.bat") != std::string::npos) {
            writeFile(out() / w.strOutName, "ov2 of " + readFile(out() / "komplett.txt"));
        }
    }

    const FakeProcesses::Start& startOf(const std::string& script) const {
        for (const FakeProcesses::Start& start : processes.starts) {
            if (start.commandLine.find(script) != std::string::npos) return start;
        }
        throw std::runtime_error("never started: " + script);
    }

    Lines startLines() const {
        Lines lines;
        for (const FakeProcesses::Start& start : processes.starts) {
            lines.push_back(start.commandLine);
        }
        return lines;
    }

    TempDir temp;
    FakeProcesses processes;
    RunWindow run{processes, kToolDir};
};

TEST_F(ConversionRun, CancelledDialogEndsTheClickAlsoWhenItHoldsAnEarlierName) {
    run.dialog.answer(false);
    conversion::cmdKonvert_Click(run.window);
    EXPECT_EQ(run.dialog.shownFilter, "LUV-Dateien (*.ov2)|*.ov2");
    EXPECT_EQ(run.dialog.shownFilterIndex, 1);
    EXPECT_EQ(run.window.cmdKonvert.caption(), "Komplette LUV Datei erstellen");
    EXPECT_TRUE(run.pause.waits.empty());

    run.choose(true, source(), {"Karte.OV2"});
    run.convert(out() / "alle.ov2");
    ASSERT_EQ(run.messages.shown, std::vector<ShownMessage>{successMessage()});
    const std::size_t startsAfterRun = processes.starts.size();
    const Lines filesAfterRun = listNames(out());

    run.dialog.answer(false);
    conversion::cmdKonvert_Click(run.window);
    EXPECT_EQ(run.dialog.fileName(), (out() / "alle.ov2").string());
    EXPECT_EQ(run.dialog.shown(), 3);
    EXPECT_EQ(processes.starts.size(), startsAfterRun);
    EXPECT_EQ(run.messages.shown.size(), 1u);
    EXPECT_EQ(listNames(out()), filesAfterRun);
}

// Captions, pauses, starts and the message in their order; no control is enabled or disabled
// at any of these moments.
TEST_F(ConversionRun, CaptionsPausesAndScriptsComeInTheirOrder) {
    Lines events;
    std::vector<bool> enabled;
    const auto note = [&](const std::string& what) {
        events.push_back(run.window.cmdKonvert.caption() + " " + what);
        EXPECT_EQ(enabledStates(run.window), enabled) << what;
    };
    run.pause.onWait = [&](std::int32_t ms) { note("wait " + std::to_string(ms)); };
    processes.onStart = [&](const FakeProcesses::Start& start) {
        note("start " + fs::path(start.commandLine.substr(1)).filename().string());
        playScript(start);
    };
    run.messages.onShow = [&] { note("message"); };

    run.choose(true, source(), {"Karte.OV2", "Über See.ov2"});
    // As a filled target list leaves it, and as no other control is: the run keeps both.
    run.window.cmdKonvert.setEnabled(true);
    run.window.txtov2.setEnabled(false);
    enabled = enabledStates(run.window);
    run.convert(out() / "alle.ov2");
    EXPECT_EQ(events, (Lines{"*** Bitte warten ! Schritt 1 / 4 *** wait 2000",
                             "*** Bitte warten ! Schritt 1 / 4 *** start konvert.bat\"",
                             "*** Bitte warten ! Schritt 2 / 4 *** wait 3000",
                             "*** Bitte warten ! Schritt 2 / 4 *** start komplett.bat\"",
                             "*** Bitte warten ! Schritt 3 / 4 *** start asc2ov2.bat\"",
                             "*** Bitte warten ! Schritt 4 / 4 *** wait 3000",
                             "LUV Datei erstellen message"}));

    // Without .ov2 input there is no step-1 script, but its caption and pause stay; with the
    // error log, step 4 runs error.bat.
    events.clear();
    run.window.mnuError.setChecked(true);
    run.choose(false, source(), {"a.asc"});
    run.convert(out() / "alle.ov2");
    EXPECT_EQ(events,
              (Lines{"*** Bitte warten ! Schritt 1 / 4 *** wait 2000",
                     "*** Bitte warten ! Schritt 2 / 4 *** wait 3000",
                     "*** Bitte warten ! Schritt 2 / 4 *** start komplett.bat \" >komplett.log",
                     "*** Bitte warten ! Schritt 3 / 4 *** start asc2ov2.bat \">asc2ov2.log",
                     "*** Bitte warten ! Schritt 4 / 4 *** wait 3000",
                     "*** Bitte warten ! Schritt 4 / 4 *** start error.bat\"",
                     "LUV Datei erstellen message"}));
    EXPECT_EQ(enabledStates(run.window), enabled);
}

// The switch is read before each start and again at step 4, so a change during the run counts
// from the next script on.
TEST_F(ConversionRun, ErrorLogSwitchChangedDuringTheRun) {
    processes.onStart = [&](const FakeProcesses::Start& start) {
        playScript(start);
        run.window.mnuError.setChecked(!run.window.mnuError.checked());
    };
    run.choose(true, source(), {"Karte.OV2"});
    run.convert(out() / "alle.ov2");
    EXPECT_EQ(
        startLines(),
        (Lines{"\"" + outDir() + "konvert.bat\"", "\"" + outDir() + "komplett.bat \" >komplett.log",
               "\"" + outDir() + "asc2ov2.bat\"", "\"" + outDir() + "error.bat\""}));
}

TEST_F(ConversionRun, ScriptsAndStartLinesAreWrittenByteForByte) {
    run.choose(true, source(), {"Über See.ov2", "Karte.OV2"});
    run.convert(out() / "Alle 100%.ov2");

    const std::string scratch = outDir() + "KonvertTemp";
    const std::string src = source().string();
    EXPECT_EQ(
        startOf("konvert.bat").scriptBytes,
        crlf({"cd \"" + scratch + "\"",
              "\"/opt/kavinor\\dumpov2.exe\" \"" + src + "\\Karte.ov2\" \"Karte.asc\"",
              "\"/opt/kavinor\\dumpov2.exe\" \"" + src + "\\Über See.ov2\" \"Über See.asc\""}));
    EXPECT_EQ(startOf("komplett.bat").scriptBytes,
              crlf({"cd \"" + scratch + "\"", "copy *.asc komplett.txt", "move komplett.txt ..",
                    "cd .."}));
    EXPECT_EQ(
        startOf("asc2ov2.bat").scriptBytes,
        crlf({"cd \"" + outDir() + "\"",
              "\"/opt/kavinor\\makeov2.exe\" \"" + outDir() + "komplett.txt\" \"Alle 100%%.ov2\"",
              "del \"" + outDir() + "Alle 100%%.bmp\"",
              "copy \"/opt/kavinor\\icon.bmp\" \"" + outDir() + "Alle 100%%.bmp\""}));
    for (const FakeProcesses::Start& start : processes.starts) {
        EXPECT_EQ(start.workingDir, outDir());
    }
    EXPECT_EQ(startLines(),
              (Lines{"\"" + outDir() + "konvert.bat\"", "\"" + outDir() + "komplett.bat\"",
                     "\"" + outDir() + "asc2ov2.bat\""}));
    EXPECT_EQ(listNames(out()), Lines{"Alle 100%.ov2"});

    processes.starts.clear();
    run.window.mnuError.setChecked(true);
    run.choose(false, source(), {"b.asc", "a.asc"});
    run.convert(out() / "ab");
    EXPECT_EQ(startOf("komplett.bat").scriptBytes,
              crlf({"cd \"" + outDir() + "\"", "md ConvertTemp", "cd ConvertTemp",
                    "copy \"" + src + "\\a.asc\"", "copy \"" + src + "\\b.asc\"",
                    "copy *.asc komplett.txt", "del \"a.asc\"", "del \"b.asc\"",
                    "move komplett.txt ..", "cd ..", "rd ConvertTemp"}));
    EXPECT_EQ(startOf("asc2ov2.bat").scriptBytes,
              crlf({"cd \"" + outDir() + "\"",
                    "\"/opt/kavinor\\makeov2.exe\" \"" + outDir() + "komplett.txt\" \"ab\""}));
    EXPECT_EQ(startOf("error.bat").scriptBytes, crlf(conversion::ErrorBatLines(outDir(), "0.75")));
    EXPECT_EQ(startLines(), (Lines{"\"" + outDir() + "komplett.bat \" >komplett.log",
                                   "\"" + outDir() + "asc2ov2.bat \">asc2ov2.log",
                                   "\"" + outDir() + "error.bat\""}));
}

// The scratch directory of step 1 never takes the output's name, whatever its letter case.
TEST_F(ConversionRun, ScratchDirectoryIsNeverTheOutputsName) {
    processes.onStart = nullptr;
    run.choose(true, source(), {"Karte.OV2"});
    run.convert(out() / "konverttemp");
    EXPECT_TRUE(
        startOf("konvert.bat").scriptBytes.starts_with("cd \"" + outDir() + "KonvertTemp2\"\r\n"));
}

// Every piece of a line, the directories too, reaches the interpreter in its code page; the
// start lines and every file of the run, error.bat too, name the directory as the system does.
TEST_F(ConversionRun, WholeLinesAreWrittenInTheConsoleCodePage) {
    const fs::path ansiOut = temp.path() / "Gr\xFCne Karten";  // "Grüne" in CP1252
    fs::create_directories(ansiOut);
    RunWindow german(processes, kToolDir, platform::IconvCodePages("CP1252", "CP850"));
    processes.onStart = nullptr;
    german.window.mnuError.setChecked(true);
    german.choose(true, source(), {"Über See.ov2"});
    german.convert(temp.path() / "Grüne Karten" / "Süd.ov2");

    const std::string oemOut = temp.path().string() + "/Gr\x81ne Karten/";  // "ü" in CP850
    EXPECT_EQ(startOf("konvert.bat").scriptBytes,
              crlf({"cd \"" + oemOut + "KonvertTemp\"", "\"/opt/kavinor\\dumpov2.exe\" \"" +
                                                            source().string() +
                                                            "\\\x9A"
                                                            "ber See.ov2\" \"\x9A"
                                                            "ber See.asc\""}));
    EXPECT_EQ(startOf("konvert.bat").commandLine,
              "\"" + ansiOut.string() + "/konvert.bat\" >konvert.log");
    EXPECT_EQ(startOf("error.bat").commandLine, "\"" + ansiOut.string() + "/error.bat\"");
    EXPECT_TRUE(startOf("error.bat").scriptBytes.starts_with("cd \"" + oemOut + "\"\r\n"));
    EXPECT_EQ(german.messages.shown, std::vector<ShownMessage>{failureMessage()});
    // error.bat is gone again; the scripts it would have bundled stay, as it was only pretended.
    EXPECT_EQ(listNames(ansiOut), (Lines{"komplett.bat", "konvert.bat"}));
}

// A run that cannot name its directories or files safely writes no script. With the error log
// it leaves Error.bug naming the reason, unless that is the very name the user chose.
TEST_F(ConversionRun, UnsafeNamesAreRefusedBeforeAnyScript) {
    writeFile(source() / "Karte.ov2", "another file that Karte.OV2's line would name");
    fs::create_directories(temp.path() / "a\"b");
    fs::create_directories(temp.path() / "c:d");
    writeFile(out() / "error.BUG", "the user's own");
    struct Case {
        bool ov2Mode;
        fs::path sourceDir;
        Lines targets;
        fs::path output;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {true,
         source(),
         {"Karte.OV2"},
         out() / "x.ov2",
         "Die Skriptzeile für Karte.OV2 fände eine andere Datei"},
        {false,
         source(),
         {"a.asc", "A.ASC"},
         out() / "x.ov2",
         "Zwei gewählte Dateien unterscheiden sich nur in der Schreibweise: A.ASC"},
        {false,
         source(),
         {"a.asc"},
         temp.path() / "a\"b" / "x.ov2",
         "Das Zielverzeichnis kann in keiner Skriptzeile stehen: " + temp.path().string() +
             "/a\"b/"},
        {false,
         temp.path() / "c:d",
         {"a.asc"},
         out() / "x.ov2",
         "Das Quellverzeichnis kann in keiner Skriptzeile stehen: " + temp.path().string() +
             "/c:d"},
        {false,
         source(),
         {"a.asc"},
         out() / "x*.ov2",
         "Der Dateiname kann in keiner Skriptzeile stehen: x*.ov2"},
        {false,
         source(),
         {"a.asc"},
         out() / "Komplett.TXT",
         "Der Dateiname ist der einer Arbeitsdatei des Laufs: Komplett.TXT"},
        {false, source(), {"a.asc"}, out() / "Error.bug", ""},
    };
    for (const bool errorLog : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.output.string() + " from " + c.sourceDir.string());
            const fs::path dir = c.output.parent_path();
            std::map<std::string, std::string> expected = contents(dir);
            if (errorLog && !c.reason.empty()) {
                expected[expected.count("error.BUG") != 0 ? "error.BUG" : "Error.bug"] =
                    "Kavinor 0.75 \r\n" + std::string(36, '-') +
                    " \r\nLauf vor dem ersten Skript abgebrochen:\r\n" + c.reason + "\r\n";
            }
            run.messages.shown.clear();
            run.window.mnuError.setChecked(errorLog);
            run.choose(c.ov2Mode, c.sourceDir, c.targets);
            run.convert(c.output);
            EXPECT_TRUE(processes.starts.empty());
            EXPECT_EQ(run.messages.shown, std::vector<ShownMessage>{failureMessage()});
            EXPECT_EQ(run.window.cmdKonvert.caption(), "LUV Datei erstellen");
            EXPECT_EQ(contents(dir), expected);
        }
    }
    RunWindow unsafeTools(processes, temp.path() / "a\"b");
    unsafeTools.window.mnuError.setChecked(true);
    unsafeTools.choose(false, source(), {"a.asc"});
    unsafeTools.convert(out() / "x.ov2");
    EXPECT_TRUE(processes.starts.empty());
    EXPECT_EQ(unsafeTools.messages.shown, std::vector<ShownMessage>{failureMessage()});
    EXPECT_TRUE(readFile(out() / "error.BUG")
                    .ends_with("\r\nDas Programmverzeichnis kann in keiner Skriptzeile stehen: " +
                               temp.path().string() + "/a\"b\r\n"));
}

TEST_F(ConversionRun, SuccessShowsThePathAndFillsTheSourceListAgain) {
    writeFile(out() / "mine.ov2", "a user's file");
    writeFile(out() / "mine.asc", "a user's text");
    for (const bool ov2Mode : {true, false}) {
        SCOPED_TRACE(ov2Mode);
        run.messages.shown.clear();
        run.window.txtov2.setVisible(false);
        run.window.lblPfad.setVisible(false);
        run.window.lstAuswahl1.add("old.ov2");
        run.choose(ov2Mode, source(), {ov2Mode ? "Karte.OV2" : "a.asc"});
        run.window.File.setPath(out().string());
        run.convert(out() / "alle.ov2");

        ASSERT_EQ(run.messages.shown, std::vector<ShownMessage>{successMessage()});
        EXPECT_EQ(run.window.txtov2.text(), (out() / "alle.ov2").string());
        EXPECT_TRUE(run.window.txtov2.visible());
        EXPECT_TRUE(run.window.lblPfad.visible());
        EXPECT_EQ(run.window.strSourceDir, out().string());
        EXPECT_EQ(run.window.strPattern, out().string() + (ov2Mode ? "\\*.ov2" : "\\*.asc"));
        EXPECT_EQ(run.window.lstAuswahl1.entries(),
                  ov2Mode ? (Lines{"alle.ov2", "mine.ov2"}) : (Lines{"mine.asc"}));
        EXPECT_EQ(run.window.lblDatei1.caption(),
                  ov2Mode ? "Anzahl der Input-Dateien : 2" : "Anzahl der Input-Dateien : 1");
        EXPECT_EQ(run.window.lstAuswahl2.entries(), Lines{ov2Mode ? "Karte.OV2" : "a.asc"});
    }
}

// An output of that name from before, with nothing written now, is no success; the window's
// lists, counter and directories stay as they were.
TEST_F(ConversionRun, AnOutputLeftFromBeforeDoesNotCount) {
    writeFile(out() / "alle.ov2", "from an earlier run");
    processes.onStart = [this](const FakeProcesses::Start& start) {
        if (start.commandLine.find("asc2ov2") == std::string::npos) playScript(start);
    };
    run.choose(false, source(), {"a.asc", "b.asc"});
    run.window.lstAuswahl1.add("old.asc");
    run.window.lblDatei1.setCaption("Anzahl der Input-Dateien : 7");
    run.window.File.setPath(out().string());
    run.convert(out() / "alle.ov2");
    EXPECT_EQ(run.messages.shown, std::vector<ShownMessage>{failureMessage()});
    EXPECT_FALSE(run.window.txtov2.visible());
    EXPECT_EQ(readFile(out() / "alle.ov2"), "from an earlier run");
    EXPECT_EQ(run.window.lstAuswahl1.entries(), Lines{"old.asc"});
    EXPECT_EQ(run.window.lblDatei1.caption(), "Anzahl der Input-Dateien : 7");
    EXPECT_EQ(run.window.strSourceDir, source().string());
    EXPECT_EQ(run.window.strPattern, source().string() + "\\*.asc");
}

// The Windows interpreter ends a join with one Ctrl-Z; any other byte more is no whole join.
TEST_F(ConversionRun, AJoinEndedByOneCtrlZIsWhole) {
    for (const auto& [tail, whole] : {std::pair{"\x1A", true}, {"x", false}}) {
        processes.onStart = [this, tail = std::string(tail)](const FakeProcesses::Start& start) {
            playScript(start);
            if (start.commandLine.find("komplett") != std::string::npos) {
                writeFile(out() / "komplett.txt", readFile(out() / "komplett.txt") + tail);
            }
        };
        run.messages.shown.clear();
        run.choose(false, source(), {"a.asc", "b.asc"});
        run.convert(out() / (whole ? "ganz.ov2" : "halb.ov2"));
        EXPECT_EQ(run.messages.shown,
                  std::vector<ShownMessage>{whole ? successMessage() : failureMessage()});
    }
}

TEST_F(ConversionRun, AnIncompleteMergeSkipsTheOutputStep) {
    writeFile(out() / "alle.ov2", "from an earlier run");
    processes.onStart = [this](const FakeProcesses::Start& start) {
        playScript(start);
        if (start.commandLine.find("konvert") != std::string::npos) {
            fs::remove(out() / "KonvertTemp" / "Karte.asc");
        }
    };
    run.choose(true, source(), {"Karte.OV2", "Über See.ov2"});
    run.convert(out() / "alle.ov2");
    EXPECT_EQ(processes.starts.size(), 2u);
    EXPECT_EQ(run.messages.shown, std::vector<ShownMessage>{failureMessage()});
    EXPECT_EQ(readFile(out() / "alle.ov2"), "from an earlier run");
    EXPECT_EQ(listNames(out()), Lines{"alle.ov2"});
}

}  // namespace
}  // namespace kavinor::test
