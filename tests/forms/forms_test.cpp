#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "dir_list.h"
#include "drive_list.h"
#include "list_box.h"
#include "window.h"

namespace kavinor::forms {
namespace {

using Change = ListChange;
using K = ListChange::Kind;

std::string byBytes(std::string_view text) {
    return std::string(text);
}

TEST(ListBoxes, TellWhatChangedAndKeepSortedOrderAndSelection) {
    ListBox list(byBytes);
    std::vector<Change> changes;
    list.listChanged.connect([&](const Change& c) { changes.push_back(c); });
    list.add("m");
    list.select(0);
    list.add("c");
    list.add("x", "x");
    list.select(0);  // no change: "m" moved to 1, "c" is new
    list.removeAt(1);
    list.removeAt(0);
    list.clear();
    list.clear();
    EXPECT_EQ(changes, (std::vector<Change>{{K::Inserted, 0},
                                            {K::Selected, 0},
                                            {K::Inserted, 0},
                                            {K::Inserted, 2},
                                            {K::Selected, 0},
                                            {K::Removed, 1},
                                            {K::Removed, 0},
                                            {K::Selected, -1},
                                            {K::Cleared, 0}}));
    list.add("a");
    list.select(0);
    list.clear();
    EXPECT_EQ(list.selectedIndex(), std::nullopt);
    EXPECT_THROW(list.select(0), std::out_of_range);
    EXPECT_THROW(list.removeAt(0), std::out_of_range);
}

TEST(ListBoxes, HoldAtMostWhatSixteenBitsCount) {
    ListBox list(byBytes);
    for (int i = 0; i < ListBox::kMaxEntries; ++i) {
        ASSERT_TRUE(list.add(std::string(5 - std::to_string(i).size(), '0') + std::to_string(i)));
    }
    EXPECT_FALSE(list.add("99999"));
    EXPECT_EQ(list.count(), 32767);
    EXPECT_EQ(list.entries().back(), "32766");
}

// A window of a frame with a button, a label beside it and a list under the frame.
constexpr std::array kControls{
    ControlLayout{"fraTop", Kind::Frame, "", "Rahmen", {100, 100, 1000, 1000}, 0},
    ControlLayout{"cmdIn", Kind::Button, "fraTop", "Drin", {10, 10, 100, 100}, 1},
    ControlLayout{"lstUnder", Kind::ListBox, "", "", {500, 500, 1000, 1000}, 2},
    ControlLayout{"cmdBeside",
                  Kind::Button,
                  "",
                  "Daneben",
                  {2000, 100, 100, 100},
                  3,
                  kDialogFont,
                  Align::Left,
                  false,
                  false},
};
constexpr std::array kMenu{MenuLayout{1, "mnuTop", "Datei"}, MenuLayout{2, "mnuSep", "-"},
                           MenuLayout{2, "mnuItem", "Punkt", true, true}};
constexpr WindowLayout kLayout{
    "frmTest", "Test", Border::FixedSingle, true, true, true, false, 3000,
    2000,      true,   kControls,           kMenu};

class TestWindow final : public Window {
public:
    explicit TestWindow(InputGate& gate) : Window(kLayout, gate) {
        add("fraTop", fraTop);
        add("cmdIn", cmdIn);
        add("lstUnder", lstUnder);
        add("cmdBeside", cmdBeside);
        add("mnuTop", mnuTop);
        add("mnuItem", mnuItem);
    }
    Frame fraTop;
    Button cmdIn;
    ListBox lstUnder{byBytes};
    Button cmdBeside;
    MenuItem mnuTop;
    MenuItem mnuItem;
    int loads = 0;

protected:
    void Form_Load() override {
        ++loads;
        EXPECT_EQ(cmdIn.caption(), "Drin");  // the layout is in place before the load step
    }
};

class Loop final : public EventLoop {
public:
    void runUntil(const std::function<bool()>& done) override {
        for (auto& action : actions) {
            if (done()) break;
            action();
        }
        ASSERT_TRUE(done());
    }
    std::vector<std::function<void()>> actions;
};

class Windows : public ::testing::Test {
protected:
    Loop loop;
    InputGate gate{loop};
    TestWindow window{gate};
    TestWindow other{gate};
    int clicks = 0;
};

TEST_F(Windows, LoadingAgainStartsFromTheLayout) {
    int notices = 0;
    window.changed.connect([&] { ++notices; });
    window.hide();  // loads, shows nothing
    EXPECT_TRUE(window.loaded());
    EXPECT_FALSE(window.visible());
    EXPECT_EQ(window.caption(), "Test");
    EXPECT_FALSE(window.cmdBeside.enabled());
    EXPECT_TRUE(window.mnuItem.checked());
    EXPECT_EQ(window.control("mnuSep"), nullptr);
    window.cmdIn.setCaption("anders");
    window.lstUnder.add("eintrag");
    window.mnuItem.setChecked(false);
    window.setCaption("Neu");
    window.show();
    window.unload();
    EXPECT_FALSE(window.loaded());
    window.show();
    EXPECT_EQ(window.loads, 2);
    EXPECT_EQ(window.cmdIn.caption(), "Drin");
    EXPECT_EQ(window.lstUnder.count(), 0);
    EXPECT_TRUE(window.mnuItem.checked());
    EXPECT_EQ(window.caption(), "Test");
    EXPECT_EQ(notices, 6);  // loaded, caption, shown, unloaded, loaded, shown
}

TEST_F(Windows, InputReachesOnlyWhatTheUserCanReach) {
    window.show();
    window.cmdIn.clicked.connect([&] { ++clicks; });
    window.cmdBeside.clicked.connect([&] { ++clicks; });
    window.cmdBeside.click();  // disabled
    window.lstUnder.choose(std::nullopt);
    window.lstUnder.add("a");
    window.lstUnder.choose(0);  // under the shown frame
    EXPECT_EQ(window.lstUnder.selectedIndex(), std::nullopt);
    window.fraTop.setVisible(false);
    window.cmdIn.click();  // in the hidden frame
    window.lstUnder.choose(0);
    EXPECT_EQ(window.lstUnder.selectedIndex(), 0);
    window.fraTop.setVisible(true);
    window.cmdIn.click();
    window.mnuTop.setEnabled(false);
    window.mnuItem.click();  // in a disabled menu
    window.mnuItem.clicked.connect([&] { ++clicks; });
    window.mnuTop.setEnabled(true);
    window.mnuItem.click();
    EXPECT_EQ(clicks, 2);
}

TEST_F(Windows, InputWhileAHandlerRunsIsDroppedNotKept) {
    window.show();
    other.show();
    window.cmdIn.clicked.connect([&] {
        ++clicks;
        window.cmdIn.click();
        other.cmdIn.click();
        other.requestClose();
        EXPECT_FALSE(window.takesInput());
    });
    other.cmdIn.clicked.connect([&] { ++clicks; });
    window.cmdIn.click();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(other.loaded());
    other.cmdIn.click();
    EXPECT_EQ(clicks, 2);
}

TEST_F(Windows, AModalWindowAloneTakesInputUntilItCloses) {
    window.show();
    window.cmdIn.clicked.connect([&] { ++clicks; });
    other.cmdIn.clicked.connect([&] { other.unload(); });
    loop.actions = {[&] { window.cmdIn.click(); },
                    [&] {
                        EXPECT_TRUE(other.modal());
                        other.cmdIn.click();
                    }};
    window.cmdBeside.setEnabled(true);
    window.cmdBeside.clicked.connect([&] { other.showModal(); });
    window.cmdBeside.click();
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(other.loaded());
    EXPECT_FALSE(other.modal());
    window.cmdIn.click();
    EXPECT_EQ(clicks, 1);
}

TEST(DriveLists, ChangeOnlyWhenTheDriveReallyChanges) {
    DriveList drives;
    int changes = 0;
    drives.driveChanged.connect([&] { ++changes; });
    drives.fill({"/", "/media/usb"}, "/");
    drives.setDrive("/");
    drives.choose(1);
    drives.choose(7);
    drives.removeAt(0);
    EXPECT_EQ(drives.drive(), "/media/usb");
    EXPECT_EQ(drives.entries(), std::vector<std::string>{"/media/usb"});
    EXPECT_EQ(changes, 1);
}

TEST(DirLists, ShowThePathFromTheRootThenTheSubdirectories) {
    std::vector<std::string> asked;
    DirList dirs(
        {[&](const std::string& dir) -> std::optional<std::vector<std::string>> {
             asked.push_back(dir);
             if (dir == "/fehlt") return std::nullopt;
             if (dir == "/mnt/usb b/gesperrt") return std::vector<std::string>{};
             return std::vector<std::string>{"A", "b"};
         },
         [](const std::string& dir) { return dir.starts_with("/mnt/usb b") ? "/mnt/usb b" : "/"; },
         '/'});
    int changes = 0;
    dirs.pathChanged.connect([&] { ++changes; });
    dirs.start("/mnt/usb b/Karten");
    using E = DirList::Entry;
    EXPECT_EQ(dirs.entries(), (std::vector<E>{{"/mnt/usb b", "/mnt/usb b", 0},
                                              {"Karten", "/mnt/usb b/Karten", 1},
                                              {"A", "/mnt/usb b/Karten/A", 2},
                                              {"b", "/mnt/usb b/Karten/b", 2}}));
    EXPECT_EQ(dirs.currentIndex(), 1);
    EXPECT_FALSE(dirs.setPath("/fehlt"));
    EXPECT_EQ(dirs.path(), "/mnt/usb b/Karten");
    dirs.open(2);  // a path too long to be kept inside its string
    EXPECT_EQ(dirs.path(), "/mnt/usb b/Karten/A");
    dirs.open(0);
    EXPECT_EQ(dirs.path(), "/mnt/usb b");
    EXPECT_TRUE(dirs.setPath("/mnt/usb b/gesperrt"));
    EXPECT_EQ(dirs.entries().size(), 2u);
    dirs.open(1);  // the current directory: no change
    dirs.setPath("/");
    EXPECT_EQ(dirs.entries(), (std::vector<E>{{"/", "/", 0}, {"A", "/A", 1}, {"b", "/b", 1}}));
    EXPECT_EQ(changes, 4);
}

}  // namespace
}  // namespace kavinor::forms
