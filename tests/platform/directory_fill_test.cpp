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

// The ordinary files that match, links to them included, not hidden ones, directories, dangling
// links, devices or pipes; either separator, doubled or not; nothing from a directory that
// cannot be read.
TEST(PosixDirectoryFillTest, ListsTheOrdinaryFilesThatMatch) {
    TempDir temp;
    const fs::path& d = temp.path();
    writeFile(d / "Karte.OV2", "x");
    writeFile(d / "b.ov2", "x");
    writeFile(d / "a.asc", "x");
    writeFile(d / ".hidden.ov2", "x");
    fs::create_directory(d / "x.ov2");
    fs::create_symlink(d / "a.asc", d / "link.ov2");
    fs::create_symlink(d / "fehlt", d / "dangling.ov2");
    fs::create_symlink("/dev/null", d / "geraet.ov2");
    ::mkfifo((d / "rohr.ov2").c_str(), 0600);
    PosixDirectoryFill fill;
    for (const char* pattern : {"/*.ov2", "\\*.ov2", "//*.ov2", "\\\\*.ov2"}) {
        EXPECT_EQ(sorted(fill.listFiles(d.string() + pattern)),
                  (Names{"Karte.OV2", "b.ov2", "link.ov2"}))
            << pattern;
    }
    EXPECT_EQ(fill.listFiles(d.string() + "/*.ASC"), Names{"a.asc"});
    EXPECT_TRUE(fill.listFiles(d.string() + "/fehlt/*.ov2").empty());
    EXPECT_TRUE(fill.listFiles(d.string() + "/a.asc/*.*").empty());
}

}  // namespace
}  // namespace kavinor::platform
