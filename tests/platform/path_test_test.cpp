#include "posix_path_test.h"

#include <errno.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "program_directory.h"
#include "temp_dir.h"
#include "test_files.h"

namespace kavinor::platform {
namespace {

namespace fs = std::filesystem;
using kavinor::test::TempDir;
using kavinor::test::writeFile;

void setModified(const fs::path& path, std::int64_t seconds, long nanoseconds) {
    const timespec times[2] = {{seconds, nanoseconds}, {seconds, nanoseconds}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST(PosixPathTestTest, ExistsForFilesAndDirectoriesBehindLinks) {
    TempDir dir;
    writeFile(dir.path() / "Karte.ov2", "x");
    fs::create_directory(dir.path() / "Ordner");
    fs::create_symlink(dir.path() / "Karte.ov2", dir.path() / "zur-karte");
    fs::create_symlink(dir.path() / "fehlt", dir.path() / "ins-leere");
    PosixPathTest paths;

    EXPECT_TRUE(paths.exists((dir.path() / "Karte.ov2").string()));
    EXPECT_TRUE(paths.exists((dir.path() / "Ordner").string()));
    EXPECT_TRUE(paths.exists((dir.path() / "zur-karte").string()));
    EXPECT_FALSE(paths.exists((dir.path() / "ins-leere").string()));
    EXPECT_FALSE(paths.exists((dir.path() / "fehlt").string()));
    EXPECT_FALSE(paths.exists((dir.path() / "Karte.ov2" / "x").string()));
    EXPECT_FALSE(paths.exists(""));
}

TEST(PosixPathTestTest, StampTellsEveryNewStateApart) {
    TempDir dir;
    const fs::path file = dir.path() / "konvert.log";
    const fs::path replacement = dir.path() / "konvert.neu";
    writeFile(file, "eins");
    setModified(file, 1'700'000'000, 123'456'789);
    PosixPathTest paths;

    const auto first = paths.stamp(file.string());
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->modifiedNanoseconds, 1'700'000'000'123'456'789);
    EXPECT_EQ(first->size, 4u);
    EXPECT_EQ(paths.stamp(file.string()), first);

    // Same size and time, but another file renamed over it, as the tools write their output.
    writeFile(replacement, "zwei");
    setModified(replacement, 1'700'000'000, 123'456'789);
    fs::rename(replacement, file);
    const auto renamed = paths.stamp(file.string());
    EXPECT_NE(renamed, first);

    setModified(file, 1'700'000'000, 123'456'790);
    const auto touched = paths.stamp(file.string());
    EXPECT_NE(touched, renamed);

    writeFile(file, "zweimal");
    setModified(file, 1'700'000'000, 123'456'790);
    EXPECT_NE(paths.stamp(file.string()), touched);
}

TEST(PosixPathTestTest, NoStampWithoutAFile) {
    TempDir dir;
    writeFile(dir.path() / "datei", "x");
    PosixPathTest paths;

    EXPECT_FALSE(paths.stamp((dir.path() / "fehlt").string()).has_value());
    EXPECT_FALSE(paths.stamp((dir.path() / "datei" / "x").string()).has_value());
}

TEST(ProgramDirectoryTest, IsTheDirectoryOfTheRunningProgram) {
    // The name this test was started by, resolved from the unchanged working directory.
    const fs::path started = fs::canonical(program_invocation_name);

    const std::string directory = programDirectory();

    EXPECT_EQ(directory, started.parent_path().string());
    EXPECT_FALSE(directory.ends_with('/'));
}

}  // namespace
}  // namespace kavinor::platform
