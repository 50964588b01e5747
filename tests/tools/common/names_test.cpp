#include <gtest/gtest.h>

#include <algorithm>

#include "name_fold.h"
#include "wildcard.h"

// Names as the Windows interpreter compares them. Nothing here touches the file system, so the
// suite runs on Windows as it is.

namespace kavinor::winpath {
namespace {

using Names = std::vector<std::string>;
using Pairs = std::vector<std::pair<std::string, std::string>>;

std::string utf8(unsigned codePoint) {
    return {static_cast<char>(0xC0 | (codePoint >> 6)),
            static_cast<char>(0x80 | (codePoint & 0x3F))};
}

// Letter cases fold, also those of two-byte letters, whose lead byte alone compares as itself.
// Signs and letters without case, pairs that differ in bit 0x20 as cases do, raw Windows-1252
// bytes and different lengths stay apart.
TEST(NameFold, EqualWithoutRegardToLetterCaseOnly) {
    for (const auto& [a, b] : Pairs{{"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz"},
                                    {"ÜBERSICHT STRAßE.asc", "übersicht straße.ASC"},
                                    {"×", "×"},
                                    {"", ""},
                                    {"karte\xC3", "KARTE\xC3"},
                                    {"\xC3"
                                     "A",
                                     "\xC3"
                                     "a"}}) {
        EXPECT_TRUE(equalFolded(a, b)) << a << " " << b;
    }
    for (unsigned upper = 0xC0; upper <= 0xDE; ++upper) {
        if (upper == 0xD7) continue;
        EXPECT_TRUE(equalFolded(utf8(upper), utf8(upper + 0x20))) << upper;
        EXPECT_FALSE(equalFolded(utf8(upper), utf8(upper + 0x21))) << upper;
    }
    for (const auto& [a, b] : Pairs{{"@", "`"},
                                    {"[\\]^_", "{|}~\x7F"},
                                    {"1", "\x11"},
                                    {"×", "÷"},
                                    {"ß", "ÿ"},
                                    {"\xE4", "ä"},
                                    {"", "a"},
                                    {"karte", "KARTE.ov2"},
                                    {"Ä", "ä "},
                                    {"\xC3", "\xC3\x84"},
                                    {"\xC3", "\xE3"},
                                    {"\xC3"
                                     "A",
                                     "\xC3\xA4"}}) {
        EXPECT_FALSE(equalFolded(a, b)) << a << " " << b;
        EXPECT_FALSE(equalFolded(b, a)) << b << " " << a;
    }
}

// Upper-cased comparison puts "_" after the letters; case variants go by their bytes.
TEST(NameFold, SortsAsWindowsDoesWithoutRegardToCase) {
    Names names{"b.asc", "A_B.asc", "AB.asc", "a.asc", "Ähre.asc", "z.asc", "B.asc", "ab.asc"};
    std::sort(names.begin(), names.end(), lessFolded);
    EXPECT_EQ(names, (Names{"a.asc", "AB.asc", "ab.asc", "A_B.asc", "B.asc", "b.asc", "z.asc",
                            "Ähre.asc"}));
    EXPECT_FALSE(lessFolded("x", "x"));
}

// `?` is one character, also one written with two bytes; a trailing `.*` also matches names
// without a dot.
TEST(Wildcard, StarAndQuestionMarkInTheLastComponentWithoutRegardToCase) {
    EXPECT_TRUE(hasWildcard("C:\\Karten\\a?.ov2"));
    EXPECT_FALSE(hasWildcard("C:\\Kar*ten\\a.ov2"));
    EXPECT_FALSE(hasWildcard("/tmp/a?/b.asc"));
    for (const auto& [pattern, name] : Pairs{{"*.asc", "Burgen.ASC"},
                                             {"*.asc", ".asc"},
                                             {"*.asc", "a.b.asc"},
                                             {"b*n*.asc", "Burgen und Seen.asc"},
                                             {"s??n.asc", "SEEN.asc"},
                                             {"gr??e.asc", "Größe.asc"},
                                             {"ÜBER*", "über.asc"},
                                             {"**a", "a"},
                                             {"*.*", "README"},
                                             {"karte.*", "Karte"}}) {
        EXPECT_TRUE(matchesWildcard(pattern, name)) << pattern << " " << name;
    }
    for (const auto& [pattern, name] : Pairs{{"*.asc", "burgen.ascii"},
                                             {"*.asc", "burgen.asc.bak"},
                                             {"b*n*x.asc", "Burgen und Seen.asc"},
                                             {"s??n.asc", "sen.asc"},
                                             {"karte.*", "Kartei"}}) {
        EXPECT_FALSE(matchesWildcard(pattern, name)) << pattern << " " << name;
    }
}

}  // namespace
}  // namespace kavinor::winpath
