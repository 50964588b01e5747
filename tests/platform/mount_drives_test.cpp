#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "mount_drives.h"
#include "temp_dir.h"
#include "test_files.h"

namespace kavinor::platform {
namespace {

namespace fs = std::filesystem;

// A mount table and a sysfs of the test's, the mount points made under a temporary root.
TEST(MountDrives, ListWhatAUserBrowsesTypedByFileSystemAndDevice) {
    const test::TempDir temp;
    const auto at = [&](const std::string& point) { return (temp.path() / point).string(); };
    std::string table;
    const auto mount = [&](const std::string& point, const std::string& type,
                           const std::string& device, bool make = true) {
        const std::string place = point == "/" ? "/" : at(point);
        if (make) fs::create_directories(place);
        std::string escaped;
        for (const char c : place) escaped += c == ' ' ? std::string("\\040") : std::string(1, c);
        table += "30 1 " + device + " / " + escaped + " rw shared:1 - " + type + " /dev/x rw\n";
    };
    const auto drives = [&] {
        test::writeFile(temp.path() / "mountinfo", table);
        return MountDrives((temp.path() / "mountinfo").string(), (temp.path() / "sys").string());
    };
    mount("home", "ext4", "8:2");
    table += "garbage line\n\n";
    EXPECT_EQ(drives().list(), (std::vector<std::string>{"/", at("home")}));

    table.clear();
    mount("/", "overlay", "0:40");
    mount("proc", "proc", "0:21");
    mount("layers/merged", "overlay", "0:41");
    mount("home", "ext4", "8:2");
    mount("media/USB Stick", "vfat", "8:17");
    // A partition has no flag of its own; its disk's lies one up from where its link leads.
    test::writeFile(temp.path() / "sys/dev/block/8:16/removable", "1\n");
    fs::create_directories(temp.path() / "sys/dev/block/8:16/sda1");
    fs::create_directory_symlink("8:16/sda1", temp.path() / "sys/dev/block/8:17");
    mount("media/dvd", "iso9660", "11:0");
    test::writeFile(temp.path() / "sys/dev/block/11:0/removable", "1\n");
    mount("netz", "nfs4", "0:50");
    mount("ram", "tmpfs", "0:51");
    mount("Überall", "ext4", "8:3");
    mount("weg", "ext4", "8:4", false);
    MountDrives d = drives();
    EXPECT_EQ(d.list(),
              (std::vector<std::string>{"/", at("home"), at("media/USB Stick"), at("media/dvd"),
                                        at("netz"), at("ram"), at("weg"), at("Überall")}));
    for (const auto& [drive, type] :
         std::vector<std::pair<std::string, int>>{{"/", kDriveFixed},
                                                  {at("home"), kDriveFixed},
                                                  {at("media/USB Stick"), kDriveRemovable},
                                                  {at("media/dvd"), kDriveCdRom},
                                                  {at("netz"), kDriveRemote},
                                                  {at("ram"), kDriveRamDisk},
                                                  {at("Überall"), kDriveFixed},
                                                  {at("weg"), kDriveNoRootDir},
                                                  {at("proc"), kDriveUnknown}}) {
        EXPECT_EQ(d.type(drive), type) << drive;
    }
    EXPECT_EQ(d.driveOf(at("home/u/Karten")), at("home"));
    EXPECT_EQ(d.driveOf(at("homes")), "/");
    EXPECT_EQ(d.driveOf(at("media/USB Stick")), at("media/USB Stick"));
}

}  // namespace
}  // namespace kavinor::platform
