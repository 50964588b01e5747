#include <gtest/gtest.h>

#include "iconv_code_pages.h"
#include "script_safe_name.h"

namespace kavinor::mainwindow {
namespace {

TEST(ScriptSafeNames, RefuseWhatCannotStandInAQuotedLine) {
    const platform::IconvCodePages utf8("UTF-8", "UTF-8");
    const ScriptSafeNames names(utf8, '/');
    for (const char* good : {"Karte.ov2", "Über See 100%.ov2", "a&b;c$(d)`e'.asc", "-x.ov2"}) {
        EXPECT_TRUE(names.isSafeName(good)) << good;
    }
    for (const char* bad :
         {"", "a\"b.ov2", "a\\b.ov2", "a/b", "c:d.ov2", "x*.ov2", "x?.ov2", "a<b", "a>b", "a|b",
          "tab\there", "new\nline", "us\x1F", "del\x7F", "\xFF.ov2"}) {
        EXPECT_FALSE(names.isSafeName(bad)) << bad;
    }
    EXPECT_TRUE(names.isSafePath("/home/u/Grüne Karten/"));
    EXPECT_TRUE(names.isSafePath("/"));
    EXPECT_FALSE(names.isSafePath(""));
    EXPECT_FALSE(names.isSafePath("/home/u/a\\b"));
    EXPECT_FALSE(names.isSafePath("/home/u/c:d/"));
    EXPECT_FALSE(names.isSafePath("/home/\"u\"/"));
}

TEST(ScriptSafeNames, RefuseWhatTheConsolePageCannotHold) {
    const platform::IconvCodePages german("CP1252", "CP850");
    const ScriptSafeNames names(german, '\\');
    EXPECT_TRUE(names.isSafeName("Straße.ov2"));
    EXPECT_FALSE(names.isSafeName("5€.ov2"));
    EXPECT_FALSE(names.isSafeName("Ωmega.ov2"));
    EXPECT_TRUE(names.isSafePath("C:\\Karten\\Süd/Nord\\"));
    EXPECT_TRUE(names.isSafePath("C:\\"));
    EXPECT_FALSE(names.isSafePath("C:\\Karten:2\\"));
    EXPECT_FALSE(names.isSafePath("C:\\Preise in €\\"));
}

}  // namespace
}  // namespace kavinor::mainwindow
