#include "list_collation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kavinor::platform {
namespace {

// Ascending as the list boxes must show it; every neighbour pair exercises a different rule.
const std::vector<std::string> kSorted{
    "",           " Leerzeichen.ov2", "-minus.ov2",  "_unter.ov2", "10 Orte.ov2",
    "2 Orte.ov2", "Aachen.ov2",       "apfel.ov2",   "Apfel.ov2",  "äpfel.ov2",
    "Äpfel.ov2",  "Apfelbaum.ov2",    "Birne.ov2",   "cafe.ov2",   "café.ov2",
    "Karte",      "Karte.ov2",        "Karte10.ov2", "Karte2.ov2", "Strasse.ov2",
    "Straße.ov2", "Überlingen.ov2",   "Zoo.ov2",     "Ωmega.ov2",  "\xFF.ov2",
};

TEST(ListLess, OrdersTheDocumentedExamples) {
    EXPECT_TRUE(listLess("apfel.ov2", "Birne.ov2"));
    EXPECT_TRUE(listLess("Birne.ov2", "cafe.ov2"));
    EXPECT_TRUE(listLess("Aachen.ov2", "Äpfel.ov2"));
    EXPECT_TRUE(listLess("Äpfel.ov2", "Apfelbaum.ov2"));
    EXPECT_FALSE(listLess("Zoo", "Überlingen"));
    EXPECT_TRUE(listLess("Überlingen", "Zoo"));
    EXPECT_TRUE(listLess("a_b", "ab"));
    EXPECT_FALSE(listLess("Karte2", "Karte10"));
    EXPECT_TRUE(listLess("karte.ov2", "Karte.ov2"));
    EXPECT_FALSE(listLess("Karte.ov2", "karte.ov2"));
}

TEST(ListLess, FoldsLatin1LettersToTheirBase) {
    const std::vector<std::pair<std::string, std::string>> folds{
        {"ä", "a"}, {"Ä", "a"}, {"ö", "o"}, {"Ö", "o"}, {"ü", "u"}, {"Ü", "u"}, {"é", "e"},
        {"È", "e"}, {"ê", "e"}, {"ç", "c"}, {"Ñ", "n"}, {"Ð", "d"}, {"ø", "o"}, {"Ý", "y"}};
    for (const auto& [letter, base] : folds) {
        EXPECT_TRUE(listLess(base, letter)) << letter;
        EXPECT_TRUE(listLess(letter, base + "a")) << letter;
    }
}

TEST(ListLess, WeighsTheLevelsInOrder) {
    // A diacritic outweighs a case difference elsewhere in the name.
    EXPECT_TRUE(listLess("Apfel", "äpfel"));
    // The first difference decides within a level.
    EXPECT_TRUE(listLess("aB", "Ab"));
    EXPECT_TRUE(listLess("etudé", "étude"));
    // ß and æ expand to two letters on the primary level only.
    EXPECT_TRUE(listLess("Straße", "Strassen"));
    EXPECT_TRUE(listLess("Straße", "Strasze"));
    EXPECT_TRUE(listLess("Strasse", "Straße"));
    EXPECT_TRUE(listLess("ae", "æ"));
    EXPECT_TRUE(listLess("æ", "af"));
}

TEST(ListLess, SortsCharacterClassesAsBlocks) {
    EXPECT_TRUE(listLess("~", "0"));
    EXPECT_TRUE(listLess("×", "0"));
    EXPECT_TRUE(listLess("9", "a"));
    EXPECT_TRUE(listLess("y", "ÿ"));
    EXPECT_TRUE(listLess("ÿ", "z"));
    EXPECT_TRUE(listLess("z", "þ"));             // a letter of its own after z
    EXPECT_TRUE(listLess("þ", "Ω"));             // other characters after all letters
    EXPECT_TRUE(listLess("Ω", "€"));             // and among themselves by code point
    EXPECT_TRUE(listLess("😀", "\xC0\xAF"));      // an overlong '/' is invalid, not a symbol
    EXPECT_TRUE(listLess("😀", "\xED\xA0\x80"));  // surrogate
    EXPECT_TRUE(listLess("😀", "\xC3("));         // missing continuation
    // A sequence cut off by the end of the name is invalid, whatever follows in memory.
    EXPECT_TRUE(listLess("😀", std::string_view("ä", 1)));
    // Bad sequences are read byte by byte, so each sorts after its own lead byte alone.
    EXPECT_TRUE(listLess("\xF4", "\xF4\x90\x80\x80"));  // beyond U+10FFFF
    EXPECT_TRUE(listLess("\xF9", "\xF9\x80\x80\x80"));  // no such lead byte
    EXPECT_TRUE(listLess("\xA4", "\xA4\x80"));          // continuation byte first
    EXPECT_TRUE(listLess("\xC0", "\xFF"));
}

TEST(ListLess, PutsPrefixesAndTheEmptyNameFirst) {
    EXPECT_TRUE(listLess("Karte", "Karte.ov2"));
    EXPECT_FALSE(listLess("Karte.ov2", "Karte"));
    for (const std::string& name : kSorted) {
        if (name.empty()) continue;
        EXPECT_TRUE(listLess("", name)) << name;
        EXPECT_FALSE(listLess(name, "")) << name;
    }
}

TEST(ListLess, IsTotalOnDistinctNames) {
    std::vector<std::string> names = kSorted;
    names.insert(names.end(), {"ss", "SS", "ß", "ae", "Ae", "æ", "Æ", "/", "\xC0\xAF", "\xC3", "ä",
                               "Ä", "a\xCC\x88"});
    for (const std::string& a : names) {
        EXPECT_FALSE(listLess(a, a)) << a;
        for (const std::string& b : names) {
            if (a == b) continue;
            EXPECT_NE(listLess(a, b), listLess(b, a)) << a << " / " << b;
        }
    }
}

TEST(ListLess, SortsIndependentlyOfInsertionOrder) {
    std::mt19937 random(20240601);
    for (int round = 0; round < 20; ++round) {
        std::vector<std::string> names = kSorted;
        std::shuffle(names.begin(), names.end(), random);
        std::sort(names.begin(), names.end(), listLess);
        EXPECT_EQ(names, kSorted) << "round " << round;
    }
}

}  // namespace
}  // namespace kavinor::platform
