#include <string>
#include <vector>

#include "configuration.h"
#include "main_window_fixture.h"

// What the user sees from the start to the end of the program, the reset and the help menu.

namespace kavinor::test {
namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find("\r\n", start);
        result.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return result;
        start = end + 2;
    }
}

// The rows of the start state: which controls are enabled and visible, what the lists hold.
void expectStartState(const mainwindow::FmrMain& w) {
    for (const forms::Control* off : std::initializer_list<const forms::Control*>{
             &w.cmdKonvert, &w.cmdalleweg, &w.cmd1weg, &w.cmd1hin, &w.cmdallehin, &w.lstAuswahl2}) {
        EXPECT_FALSE(off->enabled());
    }
    EXPECT_TRUE(w.cmdStart.enabled());
    EXPECT_TRUE(w.cmdStart1.enabled());
    EXPECT_FALSE(w.fraInput.visible());
    EXPECT_FALSE(w.txtov2.visible());
    EXPECT_FALSE(w.lblPfad.visible());
    EXPECT_EQ(w.txtov2.text(), "");
    EXPECT_EQ(w.lstAuswahl1.count() + w.lstAuswahl2.count(), 0);
}

TEST(Start, ShowsTheNoticeAloneUntilItsOk) {
    FakeProcesses processes;
    TestProgram test(processes, "/opt/kavinor");
    test.program.start();
    const startup::FrmSplash& splash = test.program.frmSplash;
    EXPECT_TRUE(splash.visible());
    EXPECT_FALSE(test.window.loaded());
    EXPECT_FALSE(test.program.frmAbout.loaded());
    EXPECT_EQ(splash.lblVersion.caption(), "Version V0.75");
    const std::vector<std::string> notice = lines(splash.lblInfo.caption());
    ASSERT_EQ(notice.size(), 9u);
    EXPECT_EQ(notice[2], "Programme 'makeov2.exe' und 'dumpov2.exe'in das Programmverzeichnis");
    EXPECT_EQ(notice[3], " kopiert werden! Diese Dateien können unter der Adresse ");
    EXPECT_EQ(notice[4], mainwindow::kToolsAddress);
    EXPECT_TRUE(notice[4].ends_with("/support/ce/support/ov2/ov2tools.zip"));
    EXPECT_EQ(notice[7], "");
    EXPECT_EQ(notice[8], " ( Link ist auch im Hilfemenu hinterlegt! )");

    test.program.frmSplash.cmdOK.click();
    EXPECT_FALSE(splash.loaded());
    EXPECT_FALSE(test.program.frmAbout.loaded());
    EXPECT_TRUE(test.window.visible());
    expectStartState(test.window);
    EXPECT_EQ(test.window.caption(), "Kavinor V0.75 - Kavinor-Team");
    EXPECT_EQ(test.window.lblLogo.caption(), "Kavinor V0.75");
    EXPECT_EQ(test.window.lblDatei1.caption(), "Anzahl der Import-Dateien : 0");
    EXPECT_EQ(test.window.lblDatei2.caption(), "Anzahl der Export-Dateien : 0");
    EXPECT_FALSE(test.window.mnuError.checked());
    EXPECT_FALSE(test.window.mnuHilfe.enabled());
}

TEST_F(MainWindow, ResetKeepsModeDirectorySwitchAndCounters) {
    confirm(window.cmdStart, source());
    window.cmdallehin.click();
    window.mnuError.click();
    window.txtov2.setText("/x/alle.ov2");
    window.txtov2.setVisible(true);
    window.mnuNeu.click();
    expectStartState(window);
    EXPECT_TRUE(window.bolOv2Mode);
    EXPECT_EQ(window.strSourceDir, source().string());
    EXPECT_EQ(window.strPattern, source().string() + "\\*.ov2");
    EXPECT_TRUE(window.mnuError.checked());
    EXPECT_EQ(window.lblDatei1.caption(), "Anzahl der Input-Dateien : 3");
    EXPECT_EQ(window.lblDatei2.caption(), "Anzahl der Output-Dateien : 3");
}

TEST_F(MainWindow, AboutTakesAllInputUntilClosedAndOpensAgainAsNew) {
    startup::FrmAbout& about = test.program.frmAbout;
    confirm(window.cmdStart, source());
    test.loop.actions = {[&] {
                             EXPECT_TRUE(about.modal());
                             EXPECT_EQ(about.lblVersion.caption(), "Version V0.75");
                             window.cmdStart.click();
                             window.mnuNeu.click();
                             about.lblVersion.setCaption("geändert");
                             about.cmdOK.click();
                         },
                         [&] {
                             EXPECT_EQ(about.lblVersion.caption(), "Version V0.75");
                             about.requestClose();
                         }};
    window.mnuAbout.click();
    EXPECT_FALSE(about.loaded());
    EXPECT_FALSE(window.fraInput.visible());
    EXPECT_EQ(window.lstAuswahl1.count(), 3);
    window.mnuAbout.click();
    EXPECT_TRUE(test.loop.actions.empty());
    EXPECT_FALSE(about.loaded());
}

TEST_F(MainWindow, ExitAndTheCloseBoxEndTheProgram) {
    int finished = 0;
    test.program.finished.connect([&] { ++finished; });
    window.mnuEnde.click();
    EXPECT_FALSE(test.program.running());
    EXPECT_EQ(finished, 1);

    FakeProcesses processes;
    TestProgram other(processes, tools().string());
    other.program.start();
    other.program.frmSplash.cmdOK.click();
    other.window.requestClose();
    EXPECT_FALSE(other.program.running());

    // Any window still loaded keeps it running, the About window too.
    TestProgram third(processes, tools().string());
    third.program.start();
    third.program.frmAbout.load();
    third.program.frmSplash.unload();
    EXPECT_TRUE(third.program.running());
}

TEST_F(MainWindow, HelpMenuHandsLinksOverAndTogglesTheErrorLog) {
    const std::string mail(mainwindow::kSupportMail);
    window.mnuLink.click();
    window.mnuFeature.click();
    window.mnuBug.click();
    EXPECT_EQ(test.links.opened,
              (std::vector<std::string>{std::string(mainwindow::kToolsAddress),
                                        "mailto:" + mail + "?subject=Feature_request",
                                        "mailto:" + mail + "?subject=Bug"}));
    EXPECT_TRUE(mail.ends_with(".example"));
    window.mnuError.click();
    EXPECT_TRUE(window.mnuError.checked());
    window.mnuError.click();
    EXPECT_FALSE(window.mnuError.checked());
}

}  // namespace
}  // namespace kavinor::test
