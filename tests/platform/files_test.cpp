#include <errno.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "mount_drives.h"
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
// links, devices or pipes, and the directories, links to them included, not hidden ones; nothing
// of a path that is no directory. A path exists, and has a stamp, where a file or directory is
// found behind it. The stamp counts nanoseconds and tells apart another file renamed over it
// with the same size and time, as the tools write their output.
TEST(PosixFilesTest, ListsFindsAndStampsWhatLiesBehindLinks) {
    const test::TempDir temp;
    const fs::path& d = temp.path();
    for (const char* name : {"Karte.OV2", "b.ov2", "a.asc", ".hidden.ov2"})
        writeFile(d / name, "eins");
    for (const char* name : {"x.ov2", ".versteckt"}) fs::create_directory(d / name);
    fs::create_symlink(d / "a.asc", d / "link.ov2");
    fs::create_symlink(d / "fehlt", d / "dangling.ov2");
    fs::create_symlink("/dev/null", d / "geraet.ov2");
    fs::create_directory_symlink(d / "x.ov2", d / "zum-ordner");
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
    for (const std::string& dir : {d.string(), d.string() + "/"}) {
        EXPECT_EQ(sorted(*fill.listDirectories(dir)), (Names{"x.ov2", "zum-ordner"})) << dir;
    }
    EXPECT_FALSE(fill.listDirectories(d.string() + "/fehlt"));
    EXPECT_FALSE(fill.listDirectories(d.string() + "/a.asc"));

    PosixPathTest paths;
    for (const auto& [name, found] : {std::pair{"a.asc", true},
                                      {"x.ov2", true},
                                      {"link.ov2", true},
                                      {"dangling.ov2", false},
                                      {"a.asc/x", false}}) {
        EXPECT_EQ(paths.exists((d / name).string()), found) << name;
        EXPECT_EQ(paths.stamp((d / name).string()).has_value(), found) << name;
    }
    EXPECT_FALSE(paths.exists(""));
    const auto time = std::chrono::file_clock::from_sys(
        std::chrono::sys_seconds{} + std::chrono::nanoseconds(1'700'000'000'123'456'789));
    fs::last_write_time(d / "a.asc", time);
    const auto first = paths.stamp((d / "a.asc").string());
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->modifiedNanoseconds, 1'700'000'000'123'456'789);
    EXPECT_EQ(first->size, 4u);
    writeFile(d / "a.neu", "zwei");
    fs::last_write_time(d / "a.neu", time);
    fs::rename(d / "a.neu", d / "a.asc");
    EXPECT_NE(paths.stamp((d / "a.asc").string()), first);

    // The name this test was started by, resolved from the unchanged working directory.
    EXPECT_EQ(programDirectory(), fs::canonical(program_invocation_name).parent_path().string());
}

// A mount table and a sysfs of the test's, the mount points made under a temporary root.
TEST(MountDrives, ListWhatAUserBrowsesTypedByFileSystemAndDevice) {
    const test::TempDir temp;
    const auto at = [&](const std::string& point) { return (temp.path() / point).string(); };
    std::string table = "garbage line\n\n";
    const auto drives = [&] {
        writeFile(temp.path() / "mountinfo", table);
        return MountDrives((temp.path() / "mountinfo").string(), (temp.path() / "sys").string());
    };
    EXPECT_EQ(drives().list(), Names{"/"});

    const auto mount = [&](const std::string& point, const std::string& type,
                           const std::string& device, bool make = true) {
        const std::string place = point == "/" ? "/" : at(point);
        if (make) fs::create_directories(place);
        std::string escaped;
        for (const char c : place) escaped += c == ' ' ? std::string("\\040") : std::string(1, c);
        table += "30 1 " + device + " / " + escaped + " rw shared:1 - " + type + " /dev/x rw\n";
    };
    mount("/", "overlay", "0:40");
    mount("proc", "proc", "0:21");
    mount("layers/merged", "overlay", "0:41");
    mount("home", "ext4", "8:2");
    mount("media/USB Stick", "vfat", "8:17");
    // A partition has no flag of its own; its disk's lies one up from where its link leads.
    writeFile(temp.path() / "sys/dev/block/8:16/removable", "1\n");
    fs::create_directories(temp.path() / "sys/dev/block/8:16/sda1");
    fs::create_directory_symlink("8:16/sda1", temp.path() / "sys/dev/block/8:17");
    mount("media/dvd", "iso9660", "11:0");
    writeFile(temp.path() / "sys/dev/block/11:0/removable", "1\n");
    mount("netz", "nfs4", "0:50");
    // A later mount on a point hides the earlier one, which is gone from the list.
    mount("ram", "ext4", "8:5");
    mount("ram", "tmpfs", "0:51");
    mount("Überall", "ext4", "8:3");
    mount("weg", "ext4", "8:4", false);
    MountDrives d = drives();
    EXPECT_EQ(d.list(), (Names{"/", at("home"), at("media/USB Stick"), at("media/dvd"), at("netz"),
                               at("ram"), at("weg"), at("Überall")}));
    std::vector<int> types;
    for (const std::string& drive : d.list()) types.push_back(d.type(drive));
    EXPECT_EQ(types, (std::vector<int>{kDriveFixed, kDriveFixed, kDriveRemovable, kDriveCdRom,
                                       kDriveRemote, kDriveRamDisk, kDriveNoRootDir, kDriveFixed}));
    EXPECT_EQ(d.type(at("proc")), kDriveUnknown);
    EXPECT_EQ(d.driveOf(at("home/u/Karten")), at("home"));
    EXPECT_EQ(d.driveOf(at("homes")), "/");
    EXPECT_EQ(d.driveOf(at("media/USB Stick")), at("media/USB Stick"));
}

}  // namespace
}  // namespace kavinor::platform
