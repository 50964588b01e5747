#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "drives.h"

namespace kavinor::platform {

// One line of the kernel's mount table.
struct Mount {
    std::string point;
    std::string fileSystem;
    std::string device;  // "major:minor"
};

// The mounts of a mountinfo text, in its order; lines it cannot read are left out.
std::vector<Mount> parseMountInfo(std::string_view text);

// Drives are the mount points a user would browse: no pseudo file systems, nothing of the
// system's own under /proc, /sys, /dev and /run, and no layers of containers; the root always.
// Types come from the file system and the block device's removable flag, read anew on each
// question.
class MountDrives final : public Drives {
public:
    explicit MountDrives(std::string mountInfo = "/proc/self/mountinfo",
                         std::string sysRoot = "/sys");

    std::vector<std::string> list() override;
    int type(const std::string& drive) override;
    std::string driveOf(const std::string& path) override;
    std::string root(const std::string& drive) override { return drive; }
    std::string directoryOf(const std::string& drive) override { return drive; }

private:
    std::vector<Mount> browsable() const;
    bool removable(const std::string& device) const;

    std::string mountInfo_;
    std::string sysRoot_;
};

}  // namespace kavinor::platform
