#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "name_fold.h"
#include "wildcard.h"

// Names as the Windows interpreter compares them: letter case folded, wildcards. Nothing here
// touches the file system, so the suite runs on Windows as it is.

namespace kavinor::test {
namespace {

using winpath::equalFolded;
using winpath::matchesWildcard;
using Names = std::vector<std::string>;

std::string utf8(unsigned codePoint) {
    return {static_cast<char>(0xC0 | (codePoint >> 6)),
            static_cast<char>(0x80 | (codePoint & 0x3F))};
}

TEST(NameFold, EqualWithoutRegardToCase) {
    for (const auto& [a, b] : std::vector<std::pair<std::string, std::string>>{
             {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz"},
             {"ÄPFEL.asc", "äpfel.asc"},
             {"Übersicht Öl", "üBERSICHT öL"},
             {"STRAßE", "straße"},
             {"×", "×"},
             {"", ""},
             {"karte\xC3", "KARTE\xC3"},  // a lone lead byte compares as itself
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
    // Pairs that differ in bit 0x20 as letter cases do, signs and letters without case, a raw
    // Windows-1252 byte, and different lengths.
    for (const auto& [a, b] :
         std::vector<std::pair<std::string, std::string>>{{"@", "`"},
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

TEST(NameFold, SortsAsWindowsDoesWithoutRegardToCase) {
    Names names{"b.asc", "A_B.asc", "AB.asc", "a.asc", "Ähre.asc", "z.asc", "B.asc", "ab.asc"};
    std::sort(names.begin(), names.end(), winpath::lessFolded);
    // Upper-cased comparison puts "_" after the letters; case variants go by their bytes.
    EXPECT_EQ(names, (Names{"a.asc", "AB.asc", "ab.asc", "A_B.asc", "B.asc", "b.asc", "z.asc",
                            "Ähre.asc"}));
    EXPECT_FALSE(winpath::lessFolded("x", "x"));
}

TEST(Wildcard, StarAndQuestionMarkInTheLastComponentWithoutRegardToCase) {
    EXPECT_TRUE(winpath::hasWildcard("C:\\Karten\\a?.ov2"));
    EXPECT_FALSE(winpath::hasWildcard("C:\\Kar*ten\\a.ov2"));
    EXPECT_FALSE(winpath::hasWildcard("/tmp/a?/b.asc"));
    // `?` is one character, also one written with two bytes; a trailing `.*` also matches
    // names without a dot.
    for (const auto& [pattern, name] :
         std::vector<std::pair<std::string, std::string>>{{"*.asc", "Burgen.ASC"},
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
    for (const auto& [pattern, name] :
         std::vector<std::pair<std::string, std::string>>{{"*.asc", "burgen.ascii"},
                                                          {"*.asc", "burgen.asc.bak"},
                                                          {"b*n*x.asc", "Burgen und Seen.asc"},
                                                          {"s??n.asc", "sen.asc"},
                                                          {"karte.*", "Kartei"}}) {
        EXPECT_FALSE(matchesWildcard(pattern, name)) << pattern << " " << name;
    }
}

}  // namespace
}  // namespace kavinor::test
