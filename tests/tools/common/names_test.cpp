#include <gtest/gtest.h>

#include <algorithm>

#include "name_fold.h"
#include "wildcard.h"

// Names as the Windows interpreter compares them, without the file system, so that the suite
// runs on Windows as it is.

namespace kavinor::winpath {
namespace {

using Names = std::vector<std::string>;

struct Case {
    std::string a, b;
    bool equal;
};

std::string utf8(unsigned codePoint) {
    return {static_cast<char>(0xC0 | (codePoint >> 6)),
            static_cast<char>(0x80 | (codePoint & 0x3F))};
}

// Cases of two-byte letters fold, whose lead byte alone compares as itself; pairs that differ
// in bit 0x20 as cases do, raw Windows-1252 bytes and different lengths stay apart.
TEST(NameFold, EqualWithoutRegardToLetterCaseOnly) {
    std::vector<Case> cases = {{"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz", true},
                               {"ÜBERSICHT STRAßE.asc", "übersicht straße.ASC", true},
                               {"×", "×", true},
                               {"", "", true},
                               {"karte\xC3", "KARTE\xC3", true},
                               {"\xC3\x41", "\xC3\x61", true},
                               {"@", "`", false},
                               {"[\\]^_", "{|}~\x7F", false},
                               {"1", "\x11", false},
                               {"×", "÷", false},
                               {"ß", "ÿ", false},
                               {"\xE4", "ä", false},
                               {"", "a", false},
                               {"karte", "KARTE.ov2", false},
                               {"Ä", "ä ", false},
                               {"\xC3", "\xC3\x84", false},
                               {"\xC3", "\xE3", false},
                               {"\xC3\x41", "\xC3\xA4", false}};
    for (unsigned upper = 0xC0; upper <= 0xDE; ++upper) {
        if (upper == 0xD7) continue;
        cases.push_back({utf8(upper), utf8(upper + 0x20), true});
        cases.push_back({utf8(upper), utf8(upper + 0x21), false});
    }
    for (const auto& [a, b, equal] : cases) {
        EXPECT_EQ(equalFolded(a, b), equal) << a << " " << b;
        EXPECT_EQ(equalFolded(b, a), equal) << b << " " << a;
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
    for (const auto& [pattern, name, matches] :
         std::vector<Case>{{"*.asc", "Burgen.ASC", true},
                           {"*.asc", ".asc", true},
                           {"*.asc", "a.b.asc", true},
                           {"b*n*.asc", "Burgen und Seen.asc", true},
                           {"s??n.asc", "SEEN.asc", true},
                           {"gr??e.asc", "Größe.asc", true},
                           {"ÜBER*", "über.asc", true},
                           {"**a", "a", true},
                           {"*.*", "README", true},
                           {"karte.*", "Karte", true},
                           {"*.asc", "burgen.ascii", false},
                           {"*.asc", "burgen.asc.bak", false},
                           {"b*n*x.asc", "Burgen und Seen.asc", false},
                           {"s??n.asc", "sen.asc", false},
                           {"karte.*", "Kartei", false}}) {
        EXPECT_EQ(matchesWildcard(pattern, name), matches) << pattern << " " << name;
    }
}

}  // namespace
}  // namespace kavinor::winpath
