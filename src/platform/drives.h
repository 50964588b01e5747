#pragma once

#include <string>
#include <vector>

namespace kavinor::platform {

// The drive-type codes that the drive filter reads.
enum DriveType : int {
    kDriveUnknown = 0,    // the type cannot be told
    kDriveNoRootDir = 1,  // the drive's root is gone
    kDriveRemovable = 2,
    kDriveFixed = 3,
    kDriveRemote = 4,  // a network drive
    kDriveCdRom = 5,
    kDriveRamDisk = 6,
};

// The drives a user can browse: drive letters on Windows ("c:"), mount points elsewhere. Texts
// are in the system's ANSI code page, as the system names files.
class Drives {
public:
    virtual ~Drives() = default;
    // The drives in the order the drive list shows them.
    virtual std::vector<std::string> list() = 0;
    // The type code of `drive`, asked anew on each call.
    virtual int type(const std::string& drive) = 0;
    // The drive that `path` lies on; empty when it lies on none (a network path on Windows).
    virtual std::string driveOf(const std::string& path) = 0;
    // The root directory of `drive`: `c:\` on Windows, the mount point itself elsewhere.
    virtual std::string root(const std::string& drive) = 0;
    // The directory the directory list moves to when `drive` is chosen: the drive's current
    // directory on Windows, the mount point elsewhere.
    virtual std::string directoryOf(const std::string& drive) = 0;
};

}  // namespace kavinor::platform
