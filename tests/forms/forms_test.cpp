#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "dir_list.h"
#include "list_box.h"

// The lists on their own; windows, frames and the input gate are tested through the program's
// windows.

namespace kavinor::forms {
namespace {

using K = ListChange::Kind;

TEST(ListBoxes, TellWhatChangedAndKeepSortedOrderAndSelection) {
    ListBox list([](std::string_view text) { return std::string(text); });
    std::vector<ListChange> changes;
    list.listChanged.connect([&](const ListChange& c) { changes.push_back(c); });
    list.add("m");
    list.select(0);
    list.add("c");
    list.add("x", "x");
    list.select(1);  // no change: "m" moved to 1
    list.removeAt(0);
    list.removeAt(0);
    list.clear();
    list.clear();
    EXPECT_EQ(changes, (std::vector<ListChange>{{K::Inserted, 0},
                                                {K::Selected, 0},
                                                {K::Inserted, 0},
                                                {K::Inserted, 2},
                                                {K::Removed, 0},
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

// A directory that cannot be read shows no subdirectories and keeps the path.
TEST(DirLists, ShowThePathFromTheRootThenTheSubdirectories) {
    DirList dirs(
        {[&](const std::string& dir) -> std::optional<std::vector<std::string>> {
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
