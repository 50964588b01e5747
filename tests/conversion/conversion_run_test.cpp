#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "conversion_run.h"
#include "platform_doubles.h"
#include "run_window.h"
#include "test_files.h"

// The run's order, captions, pauses, scripts and start lines, with processes that are only
// pretended: a stand-in plays each script's part on the files.

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kToolDir = "/opt/kavinor";

std::string crlfLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

std::string joinedFiles(const std::vector<fs::path>& files) {
    std::string joined;
    for (const fs::path& file : files) joined += readFile(file);
    return joined;
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
        if (!playing) return;
        if (line.find("konvert.bat") != std::string::npos) {
            for (const std::string& entry : run.window.lstAuswahl2.entries()) {
                const std::string base = entry.substr(0, entry.size() - 4);
                writeFile(out() / "KonvertTemp" / (base + ".asc"), "text of " + entry);
            }
        } else if (line.find("komplett.bat") != std::string::npos) {
            std::vector<fs::path> texts;
            if (run.window.bolOv2Mode) {
                for (const auto& entry : fs::directory_iterator(out() / "KonvertTemp")) {
                    texts.push_back(entry.path());
                }
            } else {
                for (const std::string& entry : run.window.lstAuswahl2.entries()) {
                    texts.push_back(source() / entry);
                }
            }
            writeFile(out() / "komplett.txt", joinedFiles(texts));
        } else if (line.find("asc2ov2.bat") != std::string::npos) {
            writeFile(out() / run.window.strOutName, "ov2 of " + readFile(out() / "komplett.txt"));
        }
    }

    const FakeProcesses::Start& startOf(const std::string& script) const {
        for (const FakeProcesses::Start& start : processes.starts) {
            if (start.commandLine.find(script) != std::string::npos) return start;
        }
        throw std::runtime_error("never started: " + script);
    }

    TempDir temp;
    FakeProcesses processes;
    RunWindow run{processes, kToolDir};
    bool playing = true;
};

TEST_F(ConversionRun, CancelledDialogEndsTheClickAlsoWhenItHoldsAnEarlierName) {
    run.dialog.answer(false);
    conversion::cmdKonvert_Click(run.window);
    EXPECT_EQ(run.window.cmdKonvert.caption(), "Komplette LUV Datei erstellen");
    EXPECT_TRUE(run.pause.waits.empty());

    run.choose(true, source(), {"Karte.OV2"});
    run.convert(out() / "alle.ov2");
    ASSERT_EQ(run.messages.shown, std::vector<ShownMessage>{successMessage()});
    const std::size_t startsAfterRun = processes.starts.size();
    const std::vector<std::string> filesAfterRun = listNames(out());

    run.dialog.answer(false);
    conversion::cmdKonvert_Click(run.window);
    EXPECT_EQ(run.dialog.fileName(), (out() / "alle.ov2").string());
    EXPECT_EQ(run.dialog.shown(), 3);
    EXPECT_EQ(processes.starts.size(), startsAfterRun);
    EXPECT_EQ(run.messages.shown.size(), 1u);
    EXPECT_EQ(listNames(out()), filesAfterRun);
    EXPECT_EQ(run.dialog.filter(), "LUV-Dateien (*.ov2)|*.ov2");
    EXPECT_EQ(run.dialog.filterIndex(), 1);
}

TEST_F(ConversionRun, CaptionsPausesAndScriptsComeInTheirOrder) {
    std::vector<std::string> events;
    run.pause.onWait = [&](std::int32_t ms) {
        events.push_back(run.window.cmdKonvert.caption() + " wait " + std::to_string(ms));
    };
    processes.onStart = [&](const FakeProcesses::Start& start) {
        const std::string name = fs::path(start.commandLine.substr(1)).filename().string();
        events.push_back(run.window.cmdKonvert.caption() + " start " + name);
        playScript(start);
    };
    run.messages.onShow = [&] { events.push_back(run.window.cmdKonvert.caption() + " message"); };

    run.choose(true, source(), {"Karte.OV2", "Über See.ov2"});
    run.convert(out() / "alle.ov2");
    const std::vector<std::string> ov2Run = {
        "*** Bitte warten ! Schritt 1 / 4 *** wait 2000",
        "*** Bitte warten ! Schritt 1 / 4 *** start konvert.bat\"",
        "*** Bitte warten ! Schritt 2 / 4 *** wait 3000",
        "*** Bitte warten ! Schritt 2 / 4 *** start komplett.bat\"",
        "*** Bitte warten ! Schritt 3 / 4 *** start asc2ov2.bat\"",
        "*** Bitte warten ! Schritt 4 / 4 *** wait 3000",
        "LUV Datei erstellen message"};
    EXPECT_EQ(events, ov2Run);

    // Without .ov2 input there is no step-1 script, but its caption and pause stay; with the
    // error log, step 4 runs error.bat.
    events.clear();
    run.window.mnuError.setChecked(true);
    run.choose(false, source(), {"a.asc"});
    run.convert(out() / "alle.ov2");
    const std::vector<std::string> ascRun = {
        "*** Bitte warten ! Schritt 1 / 4 *** wait 2000",
        "*** Bitte warten ! Schritt 2 / 4 *** wait 3000",
        "*** Bitte warten ! Schritt 2 / 4 *** start komplett.bat \" >komplett.log",
        "*** Bitte warten ! Schritt 3 / 4 *** start asc2ov2.bat \">asc2ov2.log",
        "*** Bitte warten ! Schritt 4 / 4 *** wait 3000",
        "*** Bitte warten ! Schritt 4 / 4 *** start error.bat\"",
        "LUV Datei erstellen message"};
    EXPECT_EQ(events, ascRun);
}

TEST_F(ConversionRun, ScriptsAndStartLinesAreWrittenByteForByte) {
    run.choose(true, source(), {"Über See.ov2", "Karte.OV2"});
    run.convert(out() / "Alle 100%.ov2");

    const std::string scratch = outDir() + "KonvertTemp";
    EXPECT_EQ(startOf("konvert.bat").scriptBytes,
              crlfLines({"cd \"" + scratch + "\"",
                         "\"/opt/kavinor\\dumpov2.exe\" \"" + source().string() +
                             "\\Karte.ov2\" \"Karte.asc\"",
                         "\"/opt/kavinor\\dumpov2.exe\" \"" + source().string() +
                             "\\Über See.ov2\" \"Über See.asc\""}));
    EXPECT_EQ(startOf("komplett.bat").scriptBytes,
              crlfLines({"cd \"" + scratch + "\"", "copy *.asc komplett.txt",
                         "move komplett.txt ..", "cd .."}));
    EXPECT_EQ(startOf("asc2ov2.bat").scriptBytes,
              crlfLines({"cd \"" + outDir() + "\"",
                         "\"/opt/kavinor\\makeov2.exe\" \"" + outDir() +
                             "komplett.txt\" \"Alle 100%%.ov2\"",
                         "del \"" + outDir() + "Alle 100%%.bmp\"",
                         "copy \"/opt/kavinor\\icon.bmp\" \"" + outDir() + "Alle 100%%.bmp\""}));

    std::vector<std::string> lines;
    for (const FakeProcesses::Start& start : processes.starts) {
        lines.push_back(start.commandLine);
        EXPECT_EQ(start.workingDir, outDir());
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"\"" + outDir() + "konvert.bat\"",
                                               "\"" + outDir() + "komplett.bat\"",
                                               "\"" + outDir() + "asc2ov2.bat\""}));

    EXPECT_EQ(listNames(out()), std::vector<std::string>{"Alle 100%.ov2"});

    processes.starts.clear();
    run.window.mnuError.setChecked(true);
    run.choose(false, source(), {"b.asc", "a.asc"});
    run.convert(out() / "ab");
    EXPECT_EQ(startOf("komplett.bat").scriptBytes,
              crlfLines({"cd \"" + outDir() + "\"", "md ConvertTemp", "cd ConvertTemp",
                         "copy \"" + source().string() + "\\a.asc\"",
                         "copy \"" + source().string() + "\\b.asc\"", "copy *.asc komplett.txt",
                         "del \"a.asc\"", "del \"b.asc\"", "move komplett.txt ..", "cd ..",
                         "rd ConvertTemp"}));
    EXPECT_EQ(startOf("asc2ov2.bat").scriptBytes,
              crlfLines({"cd \"" + outDir() + "\"",
                         "\"/opt/kavinor\\makeov2.exe\" \"" + outDir() + "komplett.txt\" \"ab\""}));
    const std::string errorBat = startOf("error.bat").scriptBytes;
    EXPECT_EQ(errorBat.substr(0, errorBat.find("echo ---")),
              "cd \"" + outDir() + "\"\r\necho Kavinor 0.75 >version.txt\r\n");
    lines.clear();
    for (const FakeProcesses::Start& start : processes.starts) lines.push_back(start.commandLine);
    EXPECT_EQ(lines, (std::vector<std::string>{"\"" + outDir() + "komplett.bat \" >komplett.log",
                                               "\"" + outDir() + "asc2ov2.bat \">asc2ov2.log",
                                               "\"" + outDir() + "error.bat\""}));
}

// Every piece of a line, the directories too, reaches the interpreter in its code page.
TEST_F(ConversionRun, WholeLinesAreWrittenInTheConsoleCodePage) {
    const fs::path ansiOut = temp.path() / "Gr\xFCne Karten";  // "Grüne" in CP1252
    fs::create_directories(ansiOut);
    RunWindow german(processes, kToolDir, platform::IconvCodePages("CP1252", "CP850"));
    playing = false;
    german.choose(true, source(), {"Über See.ov2"});
    german.convert(temp.path() / "Grüne Karten" / "Süd.ov2");

    const std::string oemOut = temp.path().string() + "/Gr\x81ne Karten/";  // "ü" in CP850
    ASSERT_FALSE(processes.starts.empty());
    EXPECT_EQ(processes.starts.front().scriptBytes,
              crlfLines({"cd \"" + oemOut + "KonvertTemp\"", "\"/opt/kavinor\\dumpov2.exe\" \"" +
                                                                 source().string() +
                                                                 "\\\x9A"
                                                                 "ber See.ov2\" \"\x9A"
                                                                 "ber See.asc\""}));
    // The start line and working directory name the files as the system does (ANSI).
    EXPECT_EQ(processes.starts.front().commandLine, "\"" + ansiOut.string() + "/konvert.bat\"");
    EXPECT_EQ(german.messages.shown, std::vector<ShownMessage>{failureMessage()});
}

// A run that cannot name its directories or files safely writes no script at all.
TEST_F(ConversionRun, UnsafeNamesAreRefusedBeforeAnyScript) {
    writeFile(source() / "Karte.ov2", "another file that Karte.OV2's line would name");
    writeFile(source() / "dup.OV2", "x");
    writeFile(source() / "DUP.ov2", "y");
    fs::create_directories(temp.path() / "a\"b");
    fs::create_directories(temp.path() / "c:d");
    struct Case {
        bool ov2Mode;
        fs::path sourceDir;
        std::vector<std::string> targets;
        fs::path output;
    };
    const std::vector<Case> cases = {
        {true, source(), {"Karte.OV2"}, out() / "x.ov2"},
        {true, source(), {"dup.OV2", "DUP.ov2"}, out() / "x.ov2"},
        {false, source(), {"a.asc"}, temp.path() / "a\"b" / "x.ov2"},
        {false, temp.path() / "c:d", {"a.asc"}, out() / "x.ov2"},
        {false, source(), {"a.asc"}, out() / "x*.ov2"},
        {false, source(), {"a.asc"}, out() / "Komplett.TXT"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.output.string() + " from " + c.sourceDir.string());
        run.messages.shown.clear();
        run.choose(c.ov2Mode, c.sourceDir, c.targets);
        run.convert(c.output);
        EXPECT_TRUE(processes.starts.empty());
        EXPECT_TRUE(listNames(c.output.parent_path()).empty());
        EXPECT_EQ(run.messages.shown, std::vector<ShownMessage>{failureMessage()});
        EXPECT_EQ(run.window.cmdKonvert.caption(), "LUV Datei erstellen");
    }
    RunWindow unsafeTools(processes, temp.path() / "a\"b");
    unsafeTools.choose(false, source(), {"a.asc"});
    unsafeTools.convert(out() / "x.ov2");
    EXPECT_TRUE(processes.starts.empty());
    EXPECT_EQ(unsafeTools.messages.shown, std::vector<ShownMessage>{failureMessage()});
}

TEST_F(ConversionRun, SuccessShowsThePathAndFillsTheSourceListAgain) {
    run.window.lstAuswahl1.add("old.ov2");
    run.window.File.setPath(out().string());
    run.choose(true, source(), {"Karte.OV2"});
    run.window.File.setPath(out().string());
    writeFile(out() / "mine.ov2", "a user's file");
    run.convert(out() / "alle.ov2");

    ASSERT_EQ(run.messages.shown, std::vector<ShownMessage>{successMessage()});
    EXPECT_EQ(run.window.txtov2.text(), (out() / "alle.ov2").string());
    EXPECT_TRUE(run.window.txtov2.visible());
    EXPECT_TRUE(run.window.lblPfad.visible());
    EXPECT_EQ(run.window.strSourceDir, out().string());
    EXPECT_EQ(run.window.strPattern, out().string() + "\\*.ov2");
    EXPECT_EQ(run.window.lstAuswahl1.entries(), (std::vector<std::string>{"alle.ov2", "mine.ov2"}));
    EXPECT_EQ(run.window.lblDatei1.caption(), "Anzahl der Input-Dateien : 2");
    EXPECT_EQ(run.window.lstAuswahl2.entries(), std::vector<std::string>{"Karte.OV2"});
}

// An output of that name from before, with nothing written now, is no success.
TEST_F(ConversionRun, AnOutputLeftFromBeforeDoesNotCount) {
    writeFile(out() / "alle.ov2", "from an earlier run");
    processes.onStart = [this](const FakeProcesses::Start& start) {
        if (start.commandLine.find("asc2ov2") == std::string::npos) playScript(start);
    };
    run.choose(false, source(), {"a.asc", "b.asc"});
    run.convert(out() / "alle.ov2");
    EXPECT_EQ(run.messages.shown, std::vector<ShownMessage>{failureMessage()});
    EXPECT_FALSE(run.window.txtov2.visible());
    EXPECT_EQ(readFile(out() / "alle.ov2"), "from an earlier run");
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
    EXPECT_EQ(listNames(out()), std::vector<std::string>{"alle.ov2"});
}

}  // namespace
}  // namespace kavinor::test
