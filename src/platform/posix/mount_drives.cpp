#include "mount_drives.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <sstream>

namespace kavinor::platform {
namespace {

constexpr std::array<std::string_view, 22> kPseudo{
    "proc",   "sysfs",    "devtmpfs",  "devpts",     "cgroup",      "cgroup2",
    "mqueue", "debugfs",  "tracefs",   "securityfs", "pstore",      "bpf",
    "autofs", "configfs", "fusectl",   "hugetlbfs",  "binfmt_misc", "rpc_pipefs",
    "nsfs",   "efivarfs", "selinuxfs", "squashfs"};
constexpr std::array<std::string_view, 12> kNetwork{
    "nfs", "nfs4", "cifs",      "smb3", "smbfs",      "ncpfs",
    "afs", "ceph", "glusterfs", "9p",   "fuse.sshfs", "fuse.rclone"};
constexpr std::array<std::string_view, 2> kOptical{"iso9660", "udf"};
constexpr std::array<std::string_view, 2> kMemory{"tmpfs", "ramfs"};

template <std::size_t N>
bool among(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool below(std::string_view path, std::string_view dir) {
    return path == dir || (path.starts_with(dir) && (dir == "/" || path[dir.size()] == '/'));
}

// The table writes blanks, tabs, line ends and backslashes as three octal digits.
std::string unescape(std::string_view field) {
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() &&
            std::all_of(field.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                        field.begin() + static_cast<std::ptrdiff_t>(i) + 4,
                        [](char c) { return c >= '0' && c <= '7'; })) {
            text.push_back(static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                             (field[i + 3] - '0')));
            i += 3;
        } else {
            text.push_back(field[i]);
        }
    }
    return text;
}

bool isBrowsable(const Mount& mount) {
    const std::string_view point = mount.point;
    if (point == "/") return true;
    if (among(kPseudo, mount.fileSystem) || mount.fileSystem == "overlay") return false;
    for (const std::string_view system : {"/proc", "/sys", "/dev"}) {
        if (below(point, system)) return false;
    }
    return !(below(point, "/run") && among(kMemory, mount.fileSystem));
}

}  // namespace

std::vector<Mount> parseMountInfo(std::string_view text) {
    std::vector<Mount> mounts;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        // id parent major:minor root point options [optional fields] - type source options
        std::istringstream fields(line);
        const std::vector<std::string> words{std::istream_iterator<std::string>(fields),
                                             std::istream_iterator<std::string>()};
        const auto dash = std::find(words.begin(), words.end(), "-");
        if (words.size() < 5 || dash == words.end() || dash - words.begin() < 6 ||
            std::next(dash) == words.end()) {
            continue;
        }
        mounts.push_back({unescape(words[4]), *std::next(dash), words[2]});
    }
    return mounts;
}

MountDrives::MountDrives(std::string mountInfo, std::string sysRoot)
    : mountInfo_(std::move(mountInfo)), sysRoot_(std::move(sysRoot)) {}

std::vector<Mount> MountDrives::browsable() const {
    std::ifstream in(mountInfo_, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<Mount> drives;
    // A later mount on the same point lies over the earlier one.
    for (Mount& mount : parseMountInfo(text)) {
        std::erase_if(drives, [&](const Mount& d) { return d.point == mount.point; });
        if (isBrowsable(mount)) drives.push_back(std::move(mount));
    }
    if (std::none_of(drives.begin(), drives.end(), [](const Mount& d) { return d.point == "/"; })) {
        drives.push_back({"/", "", ""});
    }
    std::sort(drives.begin(), drives.end(),
              [](const Mount& a, const Mount& b) { return a.point < b.point; });
    return drives;
}

std::vector<std::string> MountDrives::list() {
    std::vector<std::string> points;
    for (Mount& mount : browsable()) points.push_back(std::move(mount.point));
    return points;
}

bool MountDrives::removable(const std::string& device) const {
    // A partition's flag is its disk's, one directory up.
    const std::string block = sysRoot_ + "/dev/block/" + device;
    for (const std::string& flag : {block + "/removable", block + "/../removable"}) {
        std::ifstream in(flag);
        char value = '0';
        if (in >> value) return value == '1';
    }
    return false;
}

int MountDrives::type(const std::string& drive) {
    struct stat info {};
    if (::stat(drive.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return kDriveNoRootDir;
    const std::vector<Mount> drives = browsable();
    const auto found = std::find_if(drives.begin(), drives.end(),
                                    [&](const Mount& d) { return d.point == drive; });
    if (found == drives.end()) return kDriveUnknown;
    if (among(kOptical, found->fileSystem)) return kDriveCdRom;
    if (!found->device.empty() && removable(found->device)) return kDriveRemovable;
    if (among(kNetwork, found->fileSystem)) return kDriveRemote;
    if (among(kMemory, found->fileSystem)) return kDriveRamDisk;
    return kDriveFixed;
}

std::string MountDrives::driveOf(const std::string& path) {
    std::string best;
    for (const std::string& point : list()) {
        if (below(path, point) && point.size() > best.size()) best = point;
    }
    return best;
}

}  // namespace kavinor::platform
