#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "test_files.h"
#include "wildcard.h"
#include "winpath.h"

// Written paths as the Windows interpreter reads them: either separator, letter case folded,
// wildcards in the last component.

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

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
