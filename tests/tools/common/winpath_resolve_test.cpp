#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "test_files.h"
#include "winpath.h"

namespace {

namespace fs = std::filesystem;
using kavinor::test::TempDir;
using kavinor::test::writeFile;
using kavinor::winpath::resolve;

class Resolve : public ::testing::Test {
protected:
    // The temporary directory as a written absolute path, followed by `tail`.
    std::string written(const std::string& tail) const { return tmp.path().string() + tail; }
    std::string expected(const fs::path& relative) const {
        return (tmp.path() / relative).string();
    }
    void touch(const fs::path& relative) const { writeFile(tmp.path() / relative, "x"); }

    TempDir tmp;
};

// Makes `dir` the working directory for the lifetime of the object.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const fs::path& dir) : previous_(fs::current_path()) {
        fs::current_path(dir);
    }
    ~WorkingDirectory() { fs::current_path(previous_); }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    fs::path previous_;
};

TEST_F(Resolve, EitherSeparatorAndDoubledSeparatorsCountAsOne) {
    touch("a/b.ov2");
    for (const char* tail : {"/a/b.ov2", "\\a\\b.ov2", "/a\\b.ov2", "\\a/b.ov2", "//a//b.ov2",
                             "\\\\a\\\\b.ov2", "/a\\/b.ov2", "\\/a/\\\\b.ov2", "/A\\\\B.OV2"}) {
        SCOPED_TRACE(tail);
        EXPECT_EQ(resolve(written(tail)).string(), expected("a/b.ov2"));
    }
}

TEST_F(Resolve, AbsolutePathWrittenWithBackslashes) {
    touch("Unter/Karte.OV2");
    std::string backslashed = tmp.path().string();
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    const fs::path result = resolve(backslashed + "\\unter\\karte.ov2");
    EXPECT_TRUE(result.is_absolute());
    EXPECT_EQ(result.string(), expected("Unter/Karte.OV2"));
}

TEST_F(Resolve, RelativePathStartsAtWorkingDirectory) {
    touch("Unter/Karte.OV2");
    WorkingDirectory inside(tmp.path());
    EXPECT_EQ(resolve("unter\\karte.ov2").string(), "Unter/Karte.OV2");
    EXPECT_EQ(resolve("UNTER//Neu.ov2").string(), "Unter/Neu.ov2");
    EXPECT_EQ(resolve("neu.asc").string(), "neu.asc");
}

TEST_F(Resolve, ComponentFoundWithoutRegardToCase) {
    touch("Karte.OV2");
    touch("UNTER/karte.ov2");
    EXPECT_EQ(resolve(written("/Karte.ov2")).string(), expected("Karte.OV2"));
    EXPECT_EQ(resolve(written("\\karte.ov2")).string(), expected("Karte.OV2"));
    EXPECT_EQ(resolve(written("\\unter\\karte.ov2")).string(), expected("UNTER/karte.ov2"));
    EXPECT_EQ(resolve(written("\\Unter\\KARTE.OV2")).string(), expected("UNTER/karte.ov2"));
}

TEST_F(Resolve, ExactNameWinsOverCaseVariants) {
    touch("karte.ov2");
    touch("Karte.ov2");
    touch("KARTE.OV2");
    touch("daten/x.asc");
    touch("DATEN/x.asc");
    for (const char* name : {"karte.ov2", "Karte.ov2", "KARTE.OV2"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(resolve(written("\\") + name).string(), expected(name));
    }
    EXPECT_EQ(resolve(written("\\DATEN\\x.asc")).string(), expected("DATEN/x.asc"));
    EXPECT_EQ(resolve(written("\\daten\\x.asc")).string(), expected("daten/x.asc"));
}

TEST_F(Resolve, ChoiceAmongCaseVariantsDoesNotDependOnCreationOrder) {
    const std::vector<std::string> variants = {"karte.OV2", "KARTE.ov2", "Karte.Ov2", "kArTe.ov2"};
    for (const std::string& variant : variants) touch("eins/" + variant);
    for (auto it = variants.rbegin(); it != variants.rend(); ++it) touch("zwei/" + *it);

    const fs::path first = resolve(written("/eins/KarTE.oV2"));
    const fs::path second = resolve(written("/zwei/KarTE.oV2"));
    const std::string chosen = first.filename().string();
    EXPECT_NE(std::find(variants.begin(), variants.end(), chosen), variants.end()) << chosen;
    EXPECT_EQ(second.filename().string(), chosen);
    EXPECT_EQ(resolve(written("/eins/KarTE.oV2")), first);
}

TEST_F(Resolve, ComponentsThatMatchNothingAreKeptAsWritten) {
    touch("Unter/Karte.ov2");
    EXPECT_EQ(resolve(written("\\UNTER\\Neu.OV2")).string(), expected("Unter/Neu.OV2"));
    EXPECT_EQ(resolve(written("\\Fehlt\\Neu.ov2")).string(), expected("Fehlt/Neu.ov2"));
    EXPECT_EQ(resolve(written("\\Fehlt\\unter\\Karte.ov2")).string(),
              expected("Fehlt/unter/Karte.ov2"));
    EXPECT_EQ(resolve(written("\\unter\\Karte.ov2x")).string(), expected("Unter/Karte.ov2x"));
}

TEST_F(Resolve, UmlautsFoldInUtf8) {
    touch("äpfel.asc");
    touch("Übersicht/straße.ov2");
    EXPECT_EQ(resolve(written("\\ÄPFEL.asc")).string(), expected("äpfel.asc"));
    EXPECT_EQ(resolve(written("\\ÜBERSICHT\\STRAßE.OV2")).string(),
              expected("Übersicht/straße.ov2"));
    EXPECT_EQ(resolve(written("\\übersicht\\Neu.ov2")).string(), expected("Übersicht/Neu.ov2"));
}

TEST_F(Resolve, DotAndDotDotNameTheSameFile) {
    touch("Unter/Karte.OV2");
    for (const char* tail :
         {"\\.\\unter\\karte.ov2", "\\unter\\.\\KARTE.ov2", "\\unter\\..\\UNTER\\karte.ov2",
          "\\unter\\..\\.\\unter\\.\\karte.ov2"}) {
        SCOPED_TRACE(tail);
        const fs::path result = resolve(written(tail));
        EXPECT_EQ(result.filename(), "Karte.OV2");
        EXPECT_TRUE(fs::equivalent(result, tmp.path() / "Unter/Karte.OV2"));
    }
}

}  // namespace
