#include "posix_directory_fill.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "temp_dir.h"
#include "test_files.h"

namespace kavinor::platform {
namespace {

namespace fs = std::filesystem;
using kavinor::test::TempDir;
using kavinor::test::writeFile;
using Names = std::vector<std::string>;

Names sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
}

class PosixDirectoryFillTest : public ::testing::Test {
protected:
    PosixDirectoryFillTest() {
        const fs::path& d = dir_.path();
        writeFile(d / "Karte.OV2", "x");
        writeFile(d / "b.ov2", "x");
        writeFile(d / "a.asc", "x");
        writeFile(d / ".hidden.ov2", "x");
        fs::create_directory(d / "x.ov2");
        fs::create_symlink(d / "a.asc", d / "link.ov2");
        fs::create_symlink(d / "fehlt", d / "dangling.ov2");
        fs::create_symlink("/dev/null", d / "geraet.ov2");
        ::mkfifo((d / "rohr.ov2").c_str(), 0600);
    }

    std::string dir() const { return dir_.path().string(); }

    TempDir dir_;
    PosixDirectoryFill fill_;
};

TEST_F(PosixDirectoryFillTest, ListsTheOrdinaryFilesThatMatch) {
    EXPECT_EQ(sorted(fill_.listFiles(dir() + "/*.ov2")), (Names{"Karte.OV2", "b.ov2", "link.ov2"}));
    EXPECT_EQ(sorted(fill_.listFiles(dir() + "/*.ASC")), Names{"a.asc"});
}

TEST_F(PosixDirectoryFillTest, ReadsEitherSeparatorAndDoubledOnes) {
    const Names expected{"Karte.OV2", "b.ov2", "link.ov2"};

    EXPECT_EQ(sorted(fill_.listFiles(dir() + "\\*.ov2")), expected);
    EXPECT_EQ(sorted(fill_.listFiles(dir() + "//*.ov2")), expected);
    EXPECT_EQ(sorted(fill_.listFiles(dir() + "\\\\*.ov2")), expected);
}

TEST_F(PosixDirectoryFillTest, NothingFromADirectoryThatCannotBeRead) {
    EXPECT_TRUE(fill_.listFiles(dir() + "/fehlt/*.ov2").empty());
    EXPECT_TRUE(fill_.listFiles(dir() + "/a.asc/*.*").empty());
}

}  // namespace
}  // namespace kavinor::platform
