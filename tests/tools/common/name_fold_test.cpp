#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "name_fold.h"

namespace {

using kavinor::winpath::equalFolded;
using kavinor::winpath::lessFolded;

std::string utf8(unsigned codePoint) {
    return {static_cast<char>(0xC0 | (codePoint >> 6)),
            static_cast<char>(0x80 | (codePoint & 0x3F))};
}

TEST(EqualFolded, AsciiLettersFoldOtherCharactersDoNot) {
    EXPECT_TRUE(equalFolded("Karte.OV2", "karte.ov2"));
    EXPECT_TRUE(equalFolded("ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz"));
    EXPECT_TRUE(equalFolded("time.txt", "Time.txt"));
    EXPECT_FALSE(equalFolded("karte.ov2", "karte.ov3"));
    // These pairs differ only in bit 0x20, as letter cases do.
    EXPECT_FALSE(equalFolded("@", "`"));
    EXPECT_FALSE(equalFolded("[\\]^_", "{|}~\x7F"));
    EXPECT_FALSE(equalFolded("1", "\x11"));
}

TEST(EqualFolded, Latin1LettersFoldInUtf8) {
    for (unsigned upper = 0xC0; upper <= 0xDE; ++upper) {
        if (upper == 0xD7) continue;
        SCOPED_TRACE(upper);
        EXPECT_TRUE(equalFolded(utf8(upper), utf8(upper + 0x20)));
        EXPECT_TRUE(equalFolded(utf8(upper + 0x20), utf8(upper)));
        EXPECT_FALSE(equalFolded(utf8(upper), utf8(upper + 0x21)));
    }
    EXPECT_TRUE(equalFolded("ÄPFEL.asc", "äpfel.asc"));
    EXPECT_TRUE(equalFolded("Übersicht Öl", "üBERSICHT öL"));
}

TEST(EqualFolded, SignsAndLettersWithoutCaseStayApart) {
    EXPECT_FALSE(equalFolded("×", "÷"));
    EXPECT_FALSE(equalFolded("÷", "×"));
    EXPECT_TRUE(equalFolded("×", "×"));
    EXPECT_FALSE(equalFolded("ß", "ÿ"));
    EXPECT_TRUE(equalFolded("STRAßE", "straße"));
    // A raw Windows-1252 byte is not the UTF-8 letter it would show as.
    EXPECT_FALSE(equalFolded("\xE4", "ä"));
}

TEST(EqualFolded, DifferentLengthsAreNeverEqual) {
    EXPECT_TRUE(equalFolded("", ""));
    EXPECT_FALSE(equalFolded("", "a"));
    EXPECT_FALSE(equalFolded("a", ""));
    EXPECT_FALSE(equalFolded("karte", "KARTE.ov2"));
    EXPECT_FALSE(equalFolded("KARTE.ov2", "karte"));
    EXPECT_FALSE(equalFolded("Ä", "ä "));
    EXPECT_FALSE(equalFolded("äpfel", "äpfe"));
}

TEST(EqualFolded, LoneLeadByteComparesAsItself) {
    EXPECT_TRUE(equalFolded("\xC3", "\xC3"));
    EXPECT_TRUE(equalFolded("karte\xC3", "KARTE\xC3"));
    EXPECT_TRUE(
        equalFolded("\xC3"
                    "A",
                    "\xC3"
                    "a"));
    EXPECT_FALSE(equalFolded("\xC3", "\xC3\x84"));
    EXPECT_FALSE(equalFolded("\xC3\x84", "\xC3"));
    EXPECT_FALSE(equalFolded("\xC3", "\xE3"));
    EXPECT_FALSE(
        equalFolded("\xC3"
                    "A",
                    "\xC3\xA4"));
}

TEST(LessFolded, SortsAsWindowsDoesWithoutRegardToCase) {
    std::vector<std::string> names{"b.asc",    "A_B.asc", "AB.asc", "a.asc",
                                   "Ähre.asc", "z.asc",   "B.asc",  "ab.asc"};
    std::sort(names.begin(), names.end(), lessFolded);
    // Upper-cased comparison puts "_" after the letters; case variants go by their bytes.
    EXPECT_EQ(names, (std::vector<std::string>{"a.asc", "AB.asc", "ab.asc", "A_B.asc", "B.asc",
                                               "b.asc", "z.asc", "Ähre.asc"}));
    EXPECT_FALSE(lessFolded("x", "x"));
}

}  // namespace
