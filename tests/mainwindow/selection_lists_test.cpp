#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "main_window_fixture.h"
#include "test_files.h"

// The four transfers between the source and the target list, their counter and the enabled
// state of the six controls that follow the target list.

namespace kavinor::test {
namespace {

using Names = std::vector<std::string>;

class SelectionLists : public MainWindow {
protected:
    SelectionLists() { confirm(window.cmdStart, source()); }
    void selectSource(int i) { window.lstAuswahl1.choose(static_cast<std::int16_t>(i)); }
    void selectTarget(int i) { window.lstAuswahl2.choose(static_cast<std::int16_t>(i)); }
};

TEST_F(SelectionLists, EachTransferSetsTheCounterAndTheControlsByItsRow) {
    struct Row {
        const char* what;
        std::function<void(mainwindow::FmrMain&)> before;
        forms::Button mainwindow::FmrMain::*button;
        Names target;
        std::string states;  // cmdalleweg cmd1weg cmd1hin cmdallehin cmdKonvert lstAuswahl2
    };
    using M = mainwindow::FmrMain;
    const std::vector<Row> rows{
        {"single copy",
         [](mainwindow::FmrMain& w) { w.lstAuswahl1.choose(2); },
         &M::cmd1hin,
         {"zoo.ov2"},
         "111111"},
        {"single copy, nothing selected", nullptr, &M::cmd1hin, {}, "111101"},
        {"full copy", nullptr, &M::cmdallehin, {"Äpfel.ov2", "Birne.OV2", "zoo.ov2"}, "111111"},
        {"single removal of the last",
         [](mainwindow::FmrMain& w) {
             w.lstAuswahl1.choose(0);
             w.cmd1hin.click();
             w.lstAuswahl2.choose(0);
         },
         &M::cmd1weg,
         {},
         "001100"},
        {"single removal, others left",
         [](mainwindow::FmrMain& w) {
             w.cmdallehin.click();
             w.cmdKonvert.setEnabled(false);
             w.lstAuswahl2.choose(1);
         },
         &M::cmd1weg,
         {"Äpfel.ov2", "zoo.ov2"},
         "111101"},
        {"single removal, nothing selected",
         [](mainwindow::FmrMain& w) { w.cmdallehin.click(); },
         &M::cmd1weg,
         {"Äpfel.ov2", "Birne.OV2", "zoo.ov2"},
         "111111"},
        {"full removal",
         [](mainwindow::FmrMain& w) { w.cmdallehin.click(); },
         &M::cmdalleweg,
         {},
         "001100"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        window.mnuNeu.click();
        confirm(window.cmdStart, source());
        if (row.before) row.before(window);
        (window.*row.button).click();
        EXPECT_EQ(window.lstAuswahl2.entries(), row.target);
        EXPECT_EQ(window.lblDatei2.caption(),
                  "Anzahl der Output-Dateien : " + std::to_string(row.target.size()));
        EXPECT_EQ(transferStates(), row.states);
        EXPECT_EQ(window.lstAuswahl1.count(), 3);
    }
}

TEST_F(SelectionLists, TheTargetNeverHoldsANameTwice) {
    window.cmdallehin.click();
    for (int i : {2, 0, 1, 2}) {
        selectSource(i);
        window.cmd1hin.click();
    }
    EXPECT_EQ(window.lstAuswahl2.entries(), window.lstAuswahl1.entries());
    EXPECT_EQ(window.lblDatei2.caption(), "Anzahl der Output-Dateien : 3");
}

TEST_F(SelectionLists, EmptySourceListLeavesTheControlsAlone) {
    window.cmdallehin.click();
    window.lstAuswahl1.clear();
    window.cmdallehin.click();
    EXPECT_EQ(window.lblDatei2.caption(), "Anzahl der Output-Dateien : 0");
    EXPECT_EQ(transferStates(), "111111");
    window.cmd1weg.click();  // an empty target: the row of a removal that empties it
    EXPECT_EQ(transferStates(), "001100");
}

TEST_F(SelectionLists, SourceFillKeepsTheFirstNamesOfAnOverfullDirectory) {
    const auto name = [](int i) {
        const std::string digits = std::to_string(i);
        return "K" + std::string(5 - digits.size(), '0') + digits + ".ov2";
    };
    for (int i = 0; i < 40000; ++i) test.directories.extraFiles.push_back(name(i));
    std::mt19937 random(7);
    for (int round = 0; round < 2; ++round) {
        std::shuffle(test.directories.extraFiles.begin(), test.directories.extraFiles.end(),
                     random);
        confirm(window.cmdStart, source());
        ASSERT_EQ(window.lstAuswahl1.count(), 32767);
        EXPECT_EQ(window.lstAuswahl1.entries().front(), "Äpfel.ov2");
        EXPECT_EQ(window.lstAuswahl1.entries().back(), name(32764));
    }
    window.cmdallehin.click();
    selectSource(32766);
    window.cmd1hin.click();
    EXPECT_EQ(window.lstAuswahl2.count(), 32767);
    EXPECT_EQ(window.lstAuswahl2.entries().back(), name(32764));
}

TEST_F(SelectionLists, SourceListShowsOnlyNamesAScriptCanHold) {
    for (const char* name : {"a\"b.ov2", "c:d.ov2", "tab\t.ov2", "x\\y.ov2", "bad\xFF.ov2"}) {
        writeFile(source() / name, "x");
    }
    confirm(window.cmdStart, source());
    EXPECT_EQ(window.lstAuswahl1.entries(), (Names{"Äpfel.ov2", "Birne.OV2", "zoo.ov2"}));
}

}  // namespace
}  // namespace kavinor::test
