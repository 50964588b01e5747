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

// A mount table and a sysfs of the test's, with the mount points made under a temporary root.
class MountDrivesTest : public ::testing::Test {
protected:
    std::string at(const std::string& point) const { return (temp.path() / point).string(); }
    void mount(const std::string& point, const std::string& type, const std::string& device,
               bool make = true) {
        const std::string place = point == "/" ? "/" : at(point);
        if (make && point != "/") fs::create_directories(place);
        std::string escaped;
        for (const char c : place) escaped += c == ' ' ? std::string("\\040") : std::string(1, c);
        table +=
            "30 1 " + device + " / " + escaped + " rw,relatime shared:1 - " + type + " /dev/x rw\n";
    }
    void removable(const std::string& device) {
        test::writeFile(temp.path() / "sys/dev/block" / device / "removable", "1\n");
    }
    MountDrives drives() {
        test::writeFile(temp.path() / "mountinfo", table);
        return MountDrives((temp.path() / "mountinfo").string(), (temp.path() / "sys").string());
    }

    test::TempDir temp;
    std::string table;
};

TEST_F(MountDrivesTest, ListsWhatAUserBrowsesTypedByFileSystemAndDevice) {
    mount("/", "overlay", "0:40");
    mount("proc", "proc", "0:21");
    mount("layers/merged", "overlay", "0:41");
    mount("home", "ext4", "8:2");
    mount("media/USB Stick", "vfat", "8:17");
    // A partition has no flag of its own; its disk's lies one up from where its link leads.
    removable("8:16");
    fs::create_directories(temp.path() / "sys/dev/block/8:16/sda1");
    fs::create_directory_symlink("8:16/sda1", temp.path() / "sys/dev/block/8:17");
    mount("media/dvd", "iso9660", "11:0");
    removable("11:0");
    mount("netz", "nfs4", "0:50");
    mount("ram", "tmpfs", "0:51");
    mount("Überall", "ext4", "8:3");
    mount("weg", "ext4", "8:4", false);
    MountDrives d = drives();
    const std::vector<std::string> list = d.list();
    EXPECT_EQ(list,
              (std::vector<std::string>{"/", at("home"), at("media/USB Stick"), at("media/dvd"),
                                        at("netz"), at("ram"), at("weg"), at("Überall")}));
    struct Expect {
        std::string drive;
        int type;
    };
    for (const Expect& e : std::initializer_list<Expect>{{"/", kDriveFixed},
                                                         {at("home"), kDriveFixed},
                                                         {at("media/USB Stick"), kDriveRemovable},
                                                         {at("media/dvd"), kDriveCdRom},
                                                         {at("netz"), kDriveRemote},
                                                         {at("ram"), kDriveRamDisk},
                                                         {at("Überall"), kDriveFixed},
                                                         {at("weg"), kDriveNoRootDir},
                                                         {at("proc"), kDriveUnknown}}) {
        EXPECT_EQ(d.type(e.drive), e.type) << e.drive;
    }
    EXPECT_EQ(d.driveOf(at("home/u/Karten")), at("home"));
    EXPECT_EQ(d.driveOf(at("homes")), "/");
    EXPECT_EQ(d.driveOf(at("media/USB Stick")), at("media/USB Stick"));
}

TEST_F(MountDrivesTest, TheRootIsAlwaysADrive) {
    mount("home", "ext4", "8:2");
    table += "garbage line\n\n";
    EXPECT_EQ(drives().list(), (std::vector<std::string>{"/", at("home")}));
}

}  // namespace
}  // namespace kavinor::platform
