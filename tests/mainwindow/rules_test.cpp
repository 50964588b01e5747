#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drive_check.h"
#include "iconv_code_pages.h"
#include "platform_doubles.h"
#include "script_safe_name.h"

namespace kavinor::mainwindow {
namespace {

// The filter as the input frame runs it: fixed, network and RAM drives stay.
TEST(DriveCheck, FiltersByTypeAndCarriesTheVerdictOverUnknownTypes) {
    struct Case {
        std::vector<test::FakeDrives::Drive> drives;
        std::vector<std::string> kept;
    };
    for (const Case& c : std::initializer_list<Case>{
             {{{"c:", 3}, {"d:", 5}, {"e:", 2}, {"f:", 4}, {"g:", 3}}, {"c:", "f:", "g:"}},
             {{{"a:", 2}, {"b:", 2}, {"c:", 3}}, {"c:"}},
             {{{"a:", 2}, {"u:", 0}, {"c:", 3}, {"v:", 0}}, {"c:", "v:"}},
             {{{"u:", 0}, {"h:", 1}, {"r:", 6}, {"x:", 7}, {"p:", 2}, {"y:", 9}},
              {"u:", "r:", "x:"}}}) {
        test::FakeDrives drives;
        drives.table = c.drives;
        forms::DriveList list;
        list.fill(drives.list(), "");
        const platform::IconvCodePages pages("UTF-8", "UTF-8");
        FilterDriveList(list, false, false, true, true, true, false, drives, pages);
        EXPECT_EQ(list.entries(), c.kept);
    }
}

TEST(ScriptSafeNames, RefuseWhatCannotStandInAQuotedLineOrTheConsolePage) {
    const platform::IconvCodePages utf8("UTF-8", "UTF-8");
    const ScriptSafeNames names(utf8, '/');
    for (const char* good : {"Karte.ov2", "Über See 100%.ov2", "a&b;c$(d)`e'.asc", "-x.ov2"}) {
        EXPECT_TRUE(names.isSafeName(good)) << good;
    }
    for (const char* bad : {"", "a\"b.ov2", "a\\b.ov2", "a/b", "c:d.ov2", "x*.ov2", "x?.ov2", "a<b",
                            "a>b", "a|b", "tab\there", "us\x1F", "del\x7F", "\xFF.ov2"}) {
        EXPECT_FALSE(names.isSafeName(bad)) << bad;
    }
    const platform::IconvCodePages german("CP1252", "CP850");
    const ScriptSafeNames windows(german, '\\');
    EXPECT_TRUE(windows.isSafeName("Straße.ov2"));
    EXPECT_FALSE(windows.isSafeName("5€.ov2"));
    EXPECT_FALSE(windows.isSafeName("Ωmega.ov2"));
    struct Path {
        const ScriptSafeNames& names;
        const char* path;
        bool safe;
    };
    for (const Path& p : std::initializer_list<Path>{{names, "/home/u/Grüne Karten/", true},
                                                     {names, "/", true},
                                                     {names, "", false},
                                                     {names, "/home/u/a\\b", false},
                                                     {names, "/home/u/c:d/", false},
                                                     {names, "/home/\"u\"/", false},
                                                     {windows, "C:\\Karten\\Süd/Nord\\", true},
                                                     {windows, "C:\\", true},
                                                     {windows, "C:\\Karten:2\\", false},
                                                     {windows, "C:\\Preise in €\\", false}}) {
        EXPECT_EQ(p.names.isSafePath(p.path), p.safe) << p.path;
    }
}

}  // namespace
}  // namespace kavinor::mainwindow
