#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "configuration.h"
#include "platform_doubles.h"
#include "temp_dir.h"
#include "test_files.h"
#include "test_program.h"

// The three windows' behaviour without any window toolkit: start and end, the reset, the help
// menu, the source selection and the four transfers between the lists.

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using mainwindow::FmrMain;

// '1' for each enabled control, '0' for each disabled one.
std::string enabled(std::initializer_list<const forms::Control*> controls) {
    std::string states;
    for (const forms::Control* c : controls) states += c->enabled() ? '1' : '0';
    return states;
}

// The six controls that follow the target list.
std::string transferStates(const FmrMain& w) {
    return enabled(
        {&w.cmdalleweg, &w.cmd1weg, &w.cmd1hin, &w.cmdallehin, &w.cmdKonvert, &w.lstAuswahl2});
}

void expectStartState(const FmrMain& w) {
    EXPECT_EQ(transferStates(w) + enabled({&w.cmdStart, &w.cmdStart1}), "00000011");
    EXPECT_FALSE(w.fraInput.visible() || w.txtov2.visible() || w.lblPfad.visible());
    EXPECT_EQ(w.txtov2.text(), "");
    EXPECT_EQ(w.lstAuswahl1.count() + w.lstAuswahl2.count(), 0);
}

TEST(Start, ShowsTheNoticeAloneUntilItsOkThenTheStartState) {
    FakeProcesses processes;
    TestProgram test(processes, "/opt/kavinor");
    test.program.start();
    const startup::FrmSplash& splash = test.program.frmSplash;
    EXPECT_TRUE(splash.visible());
    EXPECT_FALSE(test.window.loaded() || test.program.frmAbout.loaded());
    EXPECT_EQ(splash.lblVersion.caption(), "Version V0.75");
    EXPECT_EQ(splash.lblInfo.caption() + "\r\n",
              crlf({"ACHTUNG :", "Damit dieses Programm einwandfrei funktioniert müssen die ",
                    "Programme 'makeov2.exe' und 'dumpov2.exe'in das Programmverzeichnis",
                    " kopiert werden! Diese Dateien können unter der Adresse ",
                    std::string(mainwindow::kToolsAddress),
                    "heruntergeladen werden! Die zwei Dateien müssen entpackt(!)",
                    " im Programmverzeichnis vorliegen !", "",
                    " ( Link ist auch im Hilfemenu hinterlegt! )"}));

    test.program.frmSplash.cmdOK.click();
    EXPECT_FALSE(splash.loaded() || test.program.frmAbout.loaded());
    EXPECT_TRUE(test.window.visible());
    expectStartState(test.window);
    const FmrMain& w = test.window;
    EXPECT_EQ(
        (Names{w.caption(), w.lblLogo.caption(), w.lblDatei1.caption(), w.lblDatei2.caption(),
               w.cmdKonvert.caption(), w.lblPfad.caption(), w.fraAuswahl.caption(),
               w.cmdStart.caption(), w.cmdStart1.caption(), w.cmdOK.caption(),
               w.cmdAbbrechen.caption()}),
        (Names{"Kavinor V0.75 - Kavinor-Team", "Kavinor V0.75", "Anzahl der Import-Dateien : 0",
               "Anzahl der Export-Dateien : 0", "Komplette LUV Datei erstellen",
               "Pfad und Dateiname oder Kompletten \".ov2\" Datei", "Konvertierungs - Auswahl",
               "Convert \".ov2\"", "Convert \".asc\"", "OK", "Abbrechen"}));
    EXPECT_FALSE(test.window.mnuError.checked() || test.window.mnuHilfe.enabled());
    // Neither a disabled button nor one in a hidden frame takes a click.
    test.window.cmdKonvert.click();
    test.window.cmdOK.click();
    EXPECT_EQ(test.dialog.shownWith, "");
    EXPECT_EQ(test.window.strSourceDir, "");
}

// The program past its notice, with a tool directory and a source directory of its own.
class MainWindow : public ::testing::Test {
protected:
    MainWindow() {
        for (const char* name : {"dumpov2", "makeov2", "Werkzeug.ov2"}) {
            writeFile(tools() / name, "x");
        }
        // The names no script line can hold, or the console page cannot, are never listed.
        for (const char* name : {"zoo.ov2", "Äpfel.ov2", "Birne.OV2", "note.asc", "Alt.asc",
                                 "a\"b.ov2", "c:d.ov2", "tab\t.ov2", "x\\y.ov2", "bad\xFF.ov2"}) {
            writeFile(source() / name, "x");
        }
        fs::create_directories(temp.path() / "leer");
        test.program.start();
        test.program.frmSplash.cmdOK.click();
    }
    fs::path tools() const { return temp.path() / "Werkzeuge"; }
    fs::path source() const { return temp.path() / "Quelle"; }
    void confirm(forms::Button& opener, const fs::path& dir) {
        opener.click();
        window.Dir.setPath(dir.string());
        window.cmdOK.click();
    }
    // Plays the user's steps: "o" and "a" confirm the source directory in .ov2 and .asc mode,
    // "e" an empty one, "n" resets, "sN" and "tN" choose entry N of the source and target list,
    // ">", ">>", "<" and "<<" click those buttons, "x" empties the source list, "k" disables
    // cmdKonvert.
    void play(const std::string& steps) {
        FmrMain& w = window;
        const std::map<std::string, std::function<void()>> actions{
            {">", [&] { w.cmd1hin.click(); }},
            {">>", [&] { w.cmdallehin.click(); }},
            {"<", [&] { w.cmd1weg.click(); }},
            {"<<", [&] { w.cmdalleweg.click(); }},
            {"o", [&] { confirm(w.cmdStart, source()); }},
            {"a", [&] { confirm(w.cmdStart1, source()); }},
            {"e", [&] { confirm(w.cmdStart, temp.path() / "leer"); }},
            {"n", [&] { w.mnuNeu.click(); }},
            {"x", [&] { w.lstAuswahl1.clear(); }},
            {"k", [&] { w.cmdKonvert.setEnabled(false); }}};
        std::istringstream words(steps);
        for (std::string step; words >> step;) {
            if (step[0] == 's' || step[0] == 't') {
                const auto index = static_cast<std::int16_t>(std::stoi(step.substr(1)));
                (step[0] == 's' ? w.lstAuswahl1 : w.lstAuswahl2).choose(index);
            } else {
                actions.at(step)();
            }
        }
    }

    TempDir temp;
    FakeProcesses processes;
    TestProgram test{processes, tools().string()};
    FmrMain& window = test.window;
};

TEST_F(MainWindow, ResetKeepsModeDirectoryAndSwitchAndReloadStartsAnew) {
    play("o >>");
    window.mnuError.click();
    window.txtov2.setText("/x/alle.ov2");
    window.txtov2.setVisible(true);
    window.mnuNeu.click();
    expectStartState(window);
    EXPECT_TRUE(window.bolOv2Mode && window.mnuError.checked());
    EXPECT_EQ((Names{window.strSourceDir, window.strPattern}),
              (Names{source().string(), source().string() + "\\*.ov2"}));
    window.unload();
    window.show();
    EXPECT_FALSE(window.mnuError.checked());
    EXPECT_EQ(window.lblDatei2.caption(), "Anzahl der Export-Dateien : 0");
}

TEST_F(MainWindow, HelpMenuLinksTheModalAboutWindowAndTheWaysOut) {
    const std::string mail(mainwindow::kSupportMail);
    window.mnuLink.click();
    window.mnuFeature.click();
    window.mnuBug.click();
    EXPECT_EQ(test.links.opened, (Names{std::string(mainwindow::kToolsAddress),
                                        "mailto:" + mail + "?subject=Feature_request",
                                        "mailto:" + mail + "?subject=Bug"}));

    startup::FrmAbout& about = test.program.frmAbout;
    test.loop.actions = {[&] {
                             EXPECT_TRUE(about.modal());
                             EXPECT_EQ(about.lblVersion.caption(), "Version V0.75");
                             window.cmdStart.click();
                             about.cmdOK.click();
                         },
                         [&] { about.requestClose(); }};
    window.mnuAbout.click();
    EXPECT_FALSE(about.loaded() || window.fraInput.visible());
    window.mnuAbout.click();
    EXPECT_TRUE(test.loop.actions.empty());
    window.mnuError.click();
    window.mnuError.click();
    EXPECT_FALSE(window.mnuError.checked());

    int finished = 0;
    test.program.finished.connect([&] { ++finished; });
    window.requestClose();
    EXPECT_FALSE(test.program.running());
    EXPECT_EQ(finished, 1);
    // Any window still loaded keeps it running, the About window too.
    TestProgram other(processes, tools().string());
    other.program.start();
    other.program.frmAbout.load();
    other.program.frmSplash.unload();
    EXPECT_TRUE(other.program.running());
    other.window.show();
    other.window.mnuEnde.click();
    EXPECT_FALSE(other.program.running());
}

TEST_F(MainWindow, EachOpenerShowsTheFrameAtTheToolDirectoryInItsMode) {
    const std::pair<std::function<void()>, bool> openers[] = {
        {[&] { window.cmdStart.click(); }, true},
        {[&] { window.mnuConvertOV2.click(); }, true},
        {[&] { window.cmdStart1.click(); }, false},
        {[&] { window.mnuConvertASC.click(); }, false}};
    const auto outside = [&] {
        return enabled({&window.cmdStart, &window.cmdStart1, &window.mnuConvertOV2,
                        &window.mnuConvertASC, &window.mnuAbout, &window.mnuEnde, &window.mnuNeu});
    };
    for (const auto& [open, ov2] : openers) {
        window.Dir.setPath(source().string());
        window.bolOv2Mode = !ov2;
        open();
        EXPECT_TRUE(window.fraInput.visible() && window.bolOv2Mode == ov2);
        EXPECT_EQ((Names{window.fraInput.caption(), window.Dir.path(), window.File.path(),
                         window.File.pattern(), outside()}),
                  (Names{ov2 ? "Verzeichnis der .ov2 Datein auswählen !"
                             : "Verzeichnis der .asc Datein auswählen !",
                         tools().string(), tools().string(), "*.ov2", "0000000"}));
        window.cmdAbbrechen.click();
        EXPECT_FALSE(window.fraInput.visible());
        EXPECT_EQ(outside(), "1111111");
    }
}

TEST_F(MainWindow, DriveChangeMovesBothListsAndFiltersAgain) {
    const fs::path stick = temp.path() / "Stick Ä\xC3\xB6";
    fs::create_directories(stick / "Karten");
    // A subdirectory whose name the code page cannot give back is not listed: none could open it.
    fs::create_directories(stick / "zz\xFF");
    test.drives.table = {{"/", platform::kDriveFixed},
                         {stick.string(), platform::kDriveFixed},
                         {(temp.path() / "weg").string(), platform::kDriveFixed},
                         {(temp.path() / "cd").string(), platform::kDriveCdRom}};
    window.unload();
    window.show();  // a new window reads the drives
    window.cmdStart.click();
    ASSERT_EQ(window.Drive.count(), 3);
    window.Drive.choose(7);  // no entry: no change
    EXPECT_EQ(window.Dir.path(), tools().string());
    window.Drive.choose(1);
    EXPECT_EQ(window.Dir.path(), stick.string());
    EXPECT_EQ(window.Dir.entries().back().name, "Karten");
    EXPECT_EQ(window.File.path(), stick.string());
    test.drives.table[2].type = platform::kDriveNoRootDir;  // gone since the list was made
    window.Drive.choose(2);
    EXPECT_EQ(window.Dir.path(), stick.string());
    EXPECT_EQ(window.Drive.entries(), (Names{"/", stick.string()}));
    window.Dir.open(1);
    window.cmdOK.click();
    EXPECT_EQ(window.strSourceDir, (stick / "Karten").string());
}

// Confirmations list the mode's files in sorted order and empty the target list; then each
// transfer sets the counters and the controls.
TEST_F(MainWindow, EachRowOfStepsLeavesItsListsCountersAndControls) {
    const Names ov2{"Äpfel.ov2", "Birne.OV2", "zoo.ov2"};
    struct Row {
        const char* steps;
        Names sources;
        Names targets;
        int inputs;
        int outputs;         // -1: a confirmation leaves the target counter as it was
        const char* states;  // cmdalleweg cmd1weg cmd1hin cmdallehin cmdKonvert lstAuswahl2
    };
    for (const Row& row : {
             Row{"a", {"Alt.asc", "note.asc"}, {}, 2, -1, "111101"},
             Row{"a >> o", ov2, {}, 3, -1, "111101"},
             Row{"o >> e", {}, {}, 0, -1, "111111"},
             Row{"o >> n", {}, {}, 3, 3, "000000"},
             Row{"o s2 >", ov2, {"zoo.ov2"}, 3, 1, "111111"},
             Row{"o >", ov2, {}, 3, 0, "111101"},
             Row{"o >>", ov2, ov2, 3, 3, "111111"},
             Row{"o s0 > t0 <", ov2, {}, 3, 0, "001100"},
             Row{"o s0 > s1 > t0 <", ov2, {"Birne.OV2"}, 3, 1, "111111"},
             Row{"o >> k t1 <", ov2, {"Äpfel.ov2", "zoo.ov2"}, 3, 2, "111101"},
             Row{"o >> <", ov2, ov2, 3, 3, "111111"},
             Row{"o >> <<", ov2, {}, 3, 0, "001100"},
             Row{"o >> s2 > s0 > s1 > s2 >", ov2, ov2, 3, 3, "111111"},
             Row{"o >> x >>", {}, {}, 3, 0, "111111"},
             Row{"o >> x >> <", {}, {}, 3, 0, "001100"},
         }) {
        SCOPED_TRACE(row.steps);
        play(std::string("n ") + row.steps);
        EXPECT_EQ(window.lstAuswahl1.entries(), row.sources);
        EXPECT_EQ(window.lstAuswahl2.entries(), row.targets);
        EXPECT_EQ(window.lblDatei1.caption(),
                  "Anzahl der Input-Dateien : " + std::to_string(row.inputs));
        if (row.outputs >= 0) {
            EXPECT_EQ(window.lblDatei2.caption(),
                      "Anzahl der Output-Dateien : " + std::to_string(row.outputs));
        }
        EXPECT_EQ(transferStates(window), row.states);
    }
}

// Of an overfull directory the list keeps those names that sort first, in whatever order the
// system lists them.
TEST_F(MainWindow, SourceFillKeepsTheFirstNamesOfAnOverfullDirectory) {
    const auto name = [](int i) { return "K" + std::to_string(100000 + i).substr(1) + ".ov2"; };
    for (int i = 39999; i >= 0; --i) test.directories.extraFiles.push_back(name(i));
    confirm(window.cmdStart, source());
    ASSERT_EQ(window.lstAuswahl1.count(), 32767);
    EXPECT_EQ(window.lstAuswahl1.entries().front(), "Äpfel.ov2");
    EXPECT_EQ(window.lstAuswahl1.entries().back(), name(32764));
    play(">> s32766 >");
    EXPECT_EQ(window.lstAuswahl2.count(), 32767);
    EXPECT_EQ(window.lstAuswahl2.entries().back(), name(32764));
}

}  // namespace
}  // namespace kavinor::test
