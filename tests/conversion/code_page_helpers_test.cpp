#include <gtest/gtest.h>

#include "code_page_helpers.h"
#include "iconv_code_pages.h"

namespace kavinor::conversion {
namespace {

TEST(CodePageHelpers, GermanWindowsPairConvertsLetterForLetter) {
    const platform::IconvCodePages german("CP1252", "CP850");
    EXPECT_EQ(ANSI_To_DOS(german, "Karte.ov2"), "Karte.ov2");
    EXPECT_EQ(ANSI_To_DOS(german, ""), "");
    // ä ö ü Ä Ö Ü ß: one byte each in the console page.
    EXPECT_EQ(ANSI_To_DOS(german, "äöüÄÖÜß"), "\x84\x94\x81\x8E\x99\x9A\xE1");
    EXPECT_EQ(DOS_To_ANSI(german, "\x84\x94\x81\x8E\x99\x9A\xE1"), "äöüÄÖÜß");
    EXPECT_EQ(DOS_To_ANSI(german, ANSI_To_DOS(german, "Straße nach Überlingen.ov2")),
              "Straße nach Überlingen.ov2");
    // The console page has no euro sign.
    EXPECT_EQ(ANSI_To_DOS(german, "5€.ov2"), "5?.ov2");
}

}  // namespace
}  // namespace kavinor::conversion
