#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "test_files.h"
#include "wildcard.h"

namespace {

namespace fs = std::filesystem;
using kavinor::test::TempDir;
using kavinor::test::writeFile;
using kavinor::winpath::expandWildcard;
using kavinor::winpath::hasWildcard;
using kavinor::winpath::matchesWildcard;

TEST(Wildcard, OnlyTheLastComponentCounts) {
    EXPECT_TRUE(hasWildcard("*.asc"));
    EXPECT_TRUE(hasWildcard("C:\\Karten\\a?.ov2"));
    EXPECT_FALSE(hasWildcard("C:\\Kar*ten\\a.ov2"));
    EXPECT_FALSE(hasWildcard("/tmp/a?/b.asc"));
    EXPECT_FALSE(hasWildcard("komplett.txt"));
}

TEST(Wildcard, StarAndQuestionMarkWithoutRegardToCase) {
    EXPECT_TRUE(matchesWildcard("*.asc", "Burgen.ASC"));
    EXPECT_TRUE(matchesWildcard("*.asc", ".asc"));
    EXPECT_FALSE(matchesWildcard("*.asc", "burgen.ascii"));
    EXPECT_FALSE(matchesWildcard("*.asc", "burgen.asc.bak"));
    EXPECT_TRUE(matchesWildcard("*.asc", "a.b.asc"));
    EXPECT_TRUE(matchesWildcard("b*n*.asc", "Burgen und Seen.asc"));
    EXPECT_FALSE(matchesWildcard("b*n*x.asc", "Burgen und Seen.asc"));
    EXPECT_TRUE(matchesWildcard("s??n.asc", "SEEN.asc"));
    EXPECT_FALSE(matchesWildcard("s??n.asc", "sen.asc"));
    // `?` is one character, also one written with two bytes.
    EXPECT_TRUE(matchesWildcard("gr??e.asc", "Größe.asc"));
    EXPECT_TRUE(matchesWildcard("ÜBER*", "über.asc"));
    EXPECT_TRUE(matchesWildcard("**a", "a"));
}

TEST(Wildcard, TrailingDotStarAlsoMatchesNamesWithoutDot) {
    EXPECT_TRUE(matchesWildcard("*.*", "README"));
    EXPECT_TRUE(matchesWildcard("*.*", "a.b"));
    EXPECT_TRUE(matchesWildcard("karte.*", "Karte"));
    EXPECT_FALSE(matchesWildcard("karte.*", "Kartei"));
}

TEST(Wildcard, ExpandListsMatchesInCaseBlindNameOrder) {
    TempDir tmp;
    for (const char* name :
         {"seen.asc", "Burgen.ASC", "a_b.asc", "AB.asc", "gipfel.ov2", "x.asc~"}) {
        writeFile(tmp.path() / "Quelle" / name, "x");
    }
    fs::create_directories(tmp.path() / "Quelle" / "ordner.asc");
    std::vector<std::string> names;
    // The directory part is found as any written path is: either separator, doubled, any case.
    for (const fs::path& p : expandWildcard(tmp.path().string() + "\\\\quelle\\*.asc")) {
        EXPECT_EQ(p.parent_path(), tmp.path() / "Quelle");
        names.push_back(p.filename().string());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"AB.asc", "a_b.asc", "Burgen.ASC", "ordner.asc",
                                               "seen.asc"}));
    EXPECT_TRUE(expandWildcard(tmp.path().string() + "/fehlt/*.asc").empty());
}

TEST(Wildcard, ABareWildcardNamesTheWorkingDirectory) {
    TempDir tmp;
    writeFile(tmp.path() / "eins.asc", "1");
    const fs::path previous = fs::current_path();
    fs::current_path(tmp.path());
    const std::vector<fs::path> found = expandWildcard("*.ASC");
    fs::current_path(previous);
    EXPECT_EQ(found, (std::vector<fs::path>{"eins.asc"}));
}

}  // namespace
