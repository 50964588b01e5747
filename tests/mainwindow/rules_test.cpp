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

// Each text of `good` passes `rule`, each of `bad` does not.
void expectRule(const ScriptSafeNames& names, bool (ScriptSafeNames::*rule)(std::string_view) const,
                std::initializer_list<const char*> good, std::initializer_list<const char*> bad) {
    for (const char* text : good) EXPECT_TRUE((names.*rule)(text)) << text;
    for (const char* text : bad) EXPECT_FALSE((names.*rule)(text)) << text;
}

TEST(ScriptSafeNames, RefuseWhatCannotStandInAQuotedLineOrTheConsolePage) {
    const platform::IconvCodePages utf8("UTF-8", "UTF-8");
    const ScriptSafeNames posix(utf8, '/');
    expectRule(posix, &ScriptSafeNames::isSafeName,
               {"Karte.ov2", "Über See 100%.ov2", "a&b;c$(d)`e'.asc", "-x.ov2"},
               {"", "a\"b.ov2", "a\\b.ov2", "a/b", "c:d.ov2", "x*.ov2", "x?.ov2", "a<b", "a>b",
                "a|b", "tab\there", "new\nline", "us\x1F", "del\x7F", "\xFF.ov2"});
    expectRule(posix, &ScriptSafeNames::isSafePath, {"/home/u/Grüne Karten/", "/"},
               {"", "/home/u/a\\b", "/home/u/c:d/", "/home/\"u\"/"});
    const platform::IconvCodePages german("CP1252", "CP850");
    const ScriptSafeNames windows(german, '\\');
    expectRule(windows, &ScriptSafeNames::isSafeName, {"Straße.ov2"}, {"5€.ov2", "Ωmega.ov2"});
    expectRule(windows, &ScriptSafeNames::isSafePath, {"C:\\Karten\\Süd/Nord\\", "C:\\"},
               {"C:\\Karten:2\\", "C:\\Preise in €\\"});
}

}  // namespace
}  // namespace kavinor::mainwindow
