#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "control.h"
#include "list_box.h"

namespace kavinor::forms {
namespace {

bool byBytes(std::string_view a, std::string_view b) {
    return a < b;
}

TEST(Controls, SignalOnlyRealChanges) {
    Button button("Komplette LUV Datei erstellen");
    int notices = 0;
    button.changed.connect([&] { ++notices; });
    button.setCaption("Komplette LUV Datei erstellen");
    button.setEnabled(true);
    EXPECT_EQ(notices, 0);
    button.setCaption("LUV Datei erstellen");
    button.setEnabled(false);
    button.setVisible(false);
    EXPECT_EQ(notices, 3);

    MenuItem item("Error-Log erstellen");
    item.changed.connect([&] { ++notices; });
    item.setChecked(true);
    item.setChecked(true);
    EXPECT_EQ(notices, 4);
}

TEST(ListBoxes, KeepTheirOrderAndSelection) {
    ListBox list(byBytes);
    int notices = 0;
    list.changed.connect([&] { ++notices; });
    list.add("m");
    list.select(0);
    list.add("c");
    list.add("x");
    EXPECT_EQ(list.entries(), (std::vector<std::string>{"c", "m", "x"}));
    // The selection follows its entry as others are added and removed before it.
    EXPECT_EQ(list.selectedIndex(), 1);
    list.removeAt(0);
    EXPECT_EQ(list.selectedIndex(), 0);
    list.removeAt(1);
    EXPECT_EQ(list.selectedIndex(), 0);
    list.removeAt(0);
    EXPECT_EQ(list.selectedIndex(), std::nullopt);
    EXPECT_EQ(notices, 7);
    EXPECT_THROW(list.removeAt(0), std::out_of_range);
    EXPECT_THROW(list.select(0), std::out_of_range);
}

TEST(ListBoxes, HoldAtMostWhatSixteenBitsCount) {
    ListBox list(byBytes);
    // In ascending order, so each entry goes to the end.
    for (int i = 0; i < ListBox::kMaxEntries; ++i) {
        ASSERT_TRUE(list.add(std::string(5 - std::to_string(i).size(), '0') + std::to_string(i)));
    }
    EXPECT_FALSE(list.add("one more"));
    EXPECT_EQ(list.count(), 32767);
}

}  // namespace
}  // namespace kavinor::forms
