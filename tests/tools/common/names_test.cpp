#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "name_fold.h"
#include "test_files.h"
#include "wildcard.h"
#include "winpath.h"

// Names as the Windows interpreter reads them: letter case folded, either separator, wildcards.

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;
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

class Resolve : public ::testing::Test {
protected:
    // The temporary directory as a written absolute path, followed by `tail`.
    std::string written(const std::string& tail) const { return tmp.path().string() + tail; }
    std::string at(const std::string& relative) const { return (tmp.path() / relative).string(); }
    TempDir tmp;
};

// Either separator, doubled or not, counts once; each component is found without regard to case
// unless it exists as written; what matches nothing is kept as written.
TEST_F(Resolve, WrittenNamesFindTheirFiles) {
    for (const char* file : {"a/b.ov2", "Unter/Karte.OV2", "karte.ov2", "Karte.ov2", "KARTE.OV2",
                             "daten/x.asc", "DATEN/x.asc", "äpfel.asc", "Übersicht/straße.ov2"}) {
        writeFile(tmp.path() / file, "x");
    }
    std::string backslashed = tmp.path().string();
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    EXPECT_EQ(winpath::resolve(backslashed + "\\unter\\karte.ov2").string(), at("Unter/Karte.OV2"));
    for (const auto& [tail, found] : std::vector<std::pair<std::string, std::string>>{
             {"/a/b.ov2", "a/b.ov2"},
             {"\\a\\b.ov2", "a/b.ov2"},
             {"//a//b.ov2", "a/b.ov2"},
             {"\\\\a\\\\b.ov2", "a/b.ov2"},
             {"\\/a/\\\\b.ov2", "a/b.ov2"},
             {"/A\\\\B.OV2", "a/b.ov2"},
             {"\\unter\\KARTE.ov2", "Unter/Karte.OV2"},
             {"\\karte.ov2", "karte.ov2"},
             {"\\Karte.ov2", "Karte.ov2"},
             {"\\KARTE.OV2", "KARTE.OV2"},
             {"\\DATEN\\x.asc", "DATEN/x.asc"},
             {"\\daten\\x.asc", "daten/x.asc"},
             {"\\ÄPFEL.asc", "äpfel.asc"},
             {"\\ÜBERSICHT\\STRAßE.OV2", "Übersicht/straße.ov2"},
             {"\\übersicht\\Neu.ov2", "Übersicht/Neu.ov2"},
             {"\\UNTER\\Neu.OV2", "Unter/Neu.OV2"},
             {"\\Fehlt\\unter\\Karte.ov2", "Fehlt/unter/Karte.ov2"},
             {"\\unter\\Karte.ov2x", "Unter/Karte.ov2x"}}) {
        EXPECT_EQ(winpath::resolve(written(tail)).string(), at(found)) << tail;
    }
    for (const char* tail : {"\\.\\unter\\karte.ov2", "\\unter\\..\\.\\UNTER\\.\\karte.ov2"}) {
        const fs::path result = winpath::resolve(written(tail));
        EXPECT_EQ(result.filename(), "Karte.OV2") << tail;
        EXPECT_TRUE(fs::equivalent(result, tmp.path() / "Unter/Karte.OV2")) << tail;
    }
}

TEST_F(Resolve, ChoiceAmongCaseVariantsDoesNotDependOnCreationOrder) {
    const Names variants = {"karte.OV2", "KARTE.ov2", "Karte.Ov2", "kArTe.ov2"};
    for (const std::string& variant : variants) writeFile(tmp.path() / "eins" / variant, "x");
    for (auto it = variants.rbegin(); it != variants.rend(); ++it) {
        writeFile(tmp.path() / "zwei" / *it, "x");
    }
    EXPECT_EQ(winpath::resolve(written("/eins/KarTE.oV2")).filename(), "KARTE.ov2");
    EXPECT_EQ(winpath::resolve(written("/zwei/KarTE.oV2")).filename(), "KARTE.ov2");
}

// Relative names and a bare wildcard start at the working directory; a wildcard's directory
// is found as any written path; matches come in case-blind name order.
TEST_F(Resolve, RelativeNamesAndWildcardExpansion) {
    for (const char* name :
         {"seen.asc", "Burgen.ASC", "a_b.asc", "AB.asc", "gipfel.ov2", "x.asc~"}) {
        writeFile(tmp.path() / "Quelle" / name, "x");
    }
    fs::create_directories(tmp.path() / "Quelle" / "ordner.asc");
    Names names;
    for (const fs::path& p : winpath::expandWildcard(written("\\\\quelle\\*.asc"))) {
        EXPECT_EQ(p.parent_path(), tmp.path() / "Quelle");
        names.push_back(p.filename().string());
    }
    EXPECT_EQ(names, (Names{"AB.asc", "a_b.asc", "Burgen.ASC", "ordner.asc", "seen.asc"}));
    EXPECT_TRUE(winpath::expandWildcard(written("/fehlt/*.asc")).empty());

    const fs::path previous = fs::current_path();
    fs::current_path(tmp.path() / "Quelle");
    const std::vector<fs::path> bare = winpath::expandWildcard("*.OV2");
    const fs::path relative = winpath::resolve("..\\QUELLE//Seen.ASC");
    const fs::path missing = winpath::resolve("ORDNER.asc\\neu.asc");
    fs::current_path(previous);
    EXPECT_EQ(bare, std::vector<fs::path>{"gipfel.ov2"});
    EXPECT_EQ(relative.string(), "../Quelle/seen.asc");
    EXPECT_EQ(missing.string(), "ordner.asc/neu.asc");
}

}  // namespace
}  // namespace kavinor::test
