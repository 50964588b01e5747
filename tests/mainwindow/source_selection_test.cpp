#include <string>
#include <vector>

#include "drive_check.h"
#include "main_window_fixture.h"
#include "test_files.h"

// Choosing the source mode and directory: the input frame, the drive filter, the drive and
// directory lists, confirmation and cancel.

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

TEST_F(MainWindow, EachOpenerShowsTheFrameAtTheToolDirectoryInItsMode) {
    struct Opener {
        forms::Control* control;
        bool ov2;
        const char* caption;
    };
    for (const Opener& o : std::initializer_list<Opener>{
             {&window.cmdStart, true, "Verzeichnis der .ov2 Datein auswählen !"},
             {&window.mnuConvertOV2, true, "Verzeichnis der .ov2 Datein auswählen !"},
             {&window.cmdStart1, false, "Verzeichnis der .asc Datein auswählen !"},
             {&window.mnuConvertASC, false, "Verzeichnis der .asc Datein auswählen !"}}) {
        window.Dir.setPath(source().string());
        window.bolOv2Mode = !o.ov2;
        if (auto* button = dynamic_cast<forms::Button*>(o.control)) button->click();
        if (auto* item = dynamic_cast<forms::MenuItem*>(o.control)) item->click();
        EXPECT_TRUE(window.fraInput.visible());
        EXPECT_EQ(window.fraInput.caption(), o.caption);
        EXPECT_EQ(window.bolOv2Mode, o.ov2);
        EXPECT_EQ(window.Dir.path(), tools().string());
        EXPECT_EQ(window.File.path(), tools().string());
        EXPECT_EQ(window.File.pattern(), "*.ov2");
        for (const forms::Control* off : std::initializer_list<const forms::Control*>{
                 &window.cmdStart, &window.cmdStart1, &window.mnuConvertOV2, &window.mnuConvertASC,
                 &window.mnuAbout, &window.mnuEnde, &window.mnuNeu}) {
            EXPECT_FALSE(off->enabled());
        }
        window.cmdAbbrechen.click();
        EXPECT_FALSE(window.fraInput.visible());
        EXPECT_TRUE(window.mnuNeu.enabled() && window.cmdStart1.enabled());
    }
}

TEST_F(MainWindow, ConfirmationListsTheModesFilesInSortedOrder) {
    confirm(window.cmdStart1, source());
    EXPECT_EQ(window.lstAuswahl1.entries(), (Names{"Alt.asc", "note.asc"}));
    EXPECT_EQ(window.File.pattern(), "*.ov2");
    window.cmdallehin.click();
    window.cmdKonvert.setEnabled(true);
    confirm(window.cmdStart, source());
    EXPECT_EQ(window.lstAuswahl1.entries(), (Names{"Äpfel.ov2", "Birne.OV2", "zoo.ov2"}));
    EXPECT_EQ(window.lstAuswahl2.count(), 0);
    EXPECT_EQ(window.lblDatei1.caption(), "Anzahl der Input-Dateien : 3");
    EXPECT_EQ(transferStates(), "111101");
    EXPECT_EQ(window.strSourceDir, source().string());
    EXPECT_EQ(window.strPattern, source().string() + "\\*.ov2");

    // No files: both lists empty, the controls as they were.
    window.cmdallehin.click();
    fs::create_directory(temp.path() / "leer");
    confirm(window.cmdStart, temp.path() / "leer");
    EXPECT_EQ(window.lstAuswahl1.count() + window.lstAuswahl2.count(), 0);
    EXPECT_EQ(window.lblDatei1.caption(), "Anzahl der Input-Dateien : 0");
    EXPECT_EQ(transferStates(), "111111");
}

TEST_F(MainWindow, CancelKeepsTheListsAndTheModeOfTheirFiles) {
    confirm(window.cmdStart, source());
    window.cmdallehin.click();
    window.cmdStart1.click();
    window.Dir.setPath(temp.path().string());
    window.cmdAbbrechen.click();
    EXPECT_TRUE(window.bolOv2Mode);
    EXPECT_EQ(window.strSourceDir, source().string());
    EXPECT_EQ(window.lstAuswahl2.count(), 3);
    EXPECT_TRUE(window.cmdKonvert.enabled());
}

TEST(DriveCheck, FiltersByTypeAndCarriesTheVerdictOverUnknownTypes) {
    struct Case {
        std::vector<FakeDrives::Drive> drives;
        Names kept;
    };
    const std::vector<Case> cases{
        {{{"c:", 3}, {"d:", 5}, {"e:", 2}, {"f:", 4}, {"g:", 3}}, {"c:", "f:", "g:"}},
        {{{"a:", 2}, {"b:", 2}, {"c:", 3}}, {"c:"}},
        {{{"a:", 2}, {"u:", 0}, {"c:", 3}, {"v:", 0}}, {"c:", "v:"}},
        {{{"u:", 0}, {"h:", 1}, {"r:", 6}, {"x:", 7}, {"p:", 2}, {"y:", 9}}, {"u:", "r:", "x:"}},
    };
    for (const Case& c : cases) {
        FakeDrives drives;
        drives.table = c.drives;
        forms::DriveList list;
        list.fill(drives.list(), "");
        const platform::IconvCodePages pages("UTF-8", "UTF-8");
        mainwindow::FilterDriveList(list, false, false, true, true, true, false, drives, pages);
        EXPECT_EQ(list.entries(), c.kept);
    }
}

TEST_F(MainWindow, DriveChangeMovesBothListsAndFiltersAgain) {
    const fs::path stick = temp.path() / "Stick Ä\xC3\xB6";
    fs::create_directories(stick / "Karten");
    test.drives.table = {{"/", platform::kDriveFixed},
                         {stick.string(), platform::kDriveFixed},
                         {(temp.path() / "weg").string(), platform::kDriveFixed},
                         {(temp.path() / "cd").string(), platform::kDriveCdRom}};
    window.unload();
    window.show();  // a new window reads the drives
    window.cmdStart.click();
    ASSERT_EQ(window.Drive.count(), 3);
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

}  // namespace
}  // namespace kavinor::test
