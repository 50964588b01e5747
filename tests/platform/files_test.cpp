#include <errno.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <utility>

#include "posix_directory_fill.h"
#include "posix_path_test.h"
#include "program_directory.h"
#include "temp_dir.h"
#include "test_files.h"

namespace kavinor::platform {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using test::writeFile;

Names sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
}

// The ordinary files that match, links to them included, not hidden ones, directories, dangling
// links, devices or pipes; either separator, doubled or not; nothing from a directory that
// cannot be read. The directories, links to them included, not hidden ones; none of a path
// that is no directory.
TEST(PosixDirectoryFillTest, ListsTheOrdinaryFilesThatMatchAndTheDirectories) {
    test::TempDir temp;
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

    fs::create_directory(d / ".versteckt");
    fs::create_directory_symlink(d / "x.ov2", d / "zum-ordner");
    for (const std::string& dir : {d.string(), d.string() + "/"}) {
        EXPECT_EQ(sorted(*fill.listDirectories(dir)), (Names{"x.ov2", "zum-ordner"})) << dir;
    }
    EXPECT_FALSE(fill.listDirectories(d.string() + "/fehlt"));
    EXPECT_FALSE(fill.listDirectories(d.string() + "/a.asc"));
}

void setModified(const fs::path& path, std::int64_t seconds, long nanoseconds) {
    const timespec times[2] = {{seconds, nanoseconds}, {seconds, nanoseconds}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

// A path exists, and has a stamp, where a file or directory is found behind it. A stamp tells
// every new state apart: another file renamed over it with the same size and time, as the
// tools write their output, a nanosecond later, and another size at the same time.
TEST(PosixPathTestTest, ExistsAndStampsBehindLinks) {
    test::TempDir temp;
    const fs::path file = temp.path() / "konvert.log";
    writeFile(file, "eins");
    fs::create_directory(temp.path() / "Ordner");
    fs::create_symlink(file, temp.path() / "zur-datei");
    fs::create_symlink(temp.path() / "fehlt", temp.path() / "ins-leere");
    PosixPathTest paths;
    for (const auto& [name, found] : {std::pair{"konvert.log", true},
                                      {"Ordner", true},
                                      {"zur-datei", true},
                                      {"ins-leere", false},
                                      {"fehlt", false},
                                      {"konvert.log/x", false}}) {
        EXPECT_EQ(paths.exists((temp.path() / name).string()), found) << name;
        EXPECT_EQ(paths.stamp((temp.path() / name).string()).has_value(), found) << name;
    }
    EXPECT_FALSE(paths.exists(""));

    setModified(file, 1'700'000'000, 123'456'789);
    const auto first = paths.stamp(file.string());
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->modifiedNanoseconds, 1'700'000'000'123'456'789);
    EXPECT_EQ(first->size, 4u);
    EXPECT_EQ(paths.stamp(file.string()), first);
    writeFile(temp.path() / "konvert.neu", "zwei");
    setModified(temp.path() / "konvert.neu", 1'700'000'000, 123'456'789);
    fs::rename(temp.path() / "konvert.neu", file);
    const auto renamed = paths.stamp(file.string());
    EXPECT_NE(renamed, first);
    setModified(file, 1'700'000'000, 123'456'790);
    const auto touched = paths.stamp(file.string());
    EXPECT_NE(touched, renamed);
    writeFile(file, "zweimal");
    setModified(file, 1'700'000'000, 123'456'790);
    EXPECT_NE(paths.stamp(file.string()), touched);
}

TEST(ProgramDirectoryTest, IsTheDirectoryOfTheRunningProgram) {
    // The name this test was started by, resolved from the unchanged working directory.
    const fs::path started = fs::canonical(program_invocation_name);
    EXPECT_EQ(programDirectory(), started.parent_path().string());
}

}  // namespace
}  // namespace kavinor::platform
