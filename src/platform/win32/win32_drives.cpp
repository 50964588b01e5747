#include "win32_drives.h"

#include <windows.h>

#include "wide_text.h"

namespace kavinor::platform {
namespace {

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::vector<std::string> Win32Drives::list() {
    std::wstring roots(256, L'\0');
    DWORD length = GetLogicalDriveStringsW(static_cast<DWORD>(roots.size()), roots.data());
    if (length > roots.size()) {
        roots.resize(length);
        length = GetLogicalDriveStringsW(static_cast<DWORD>(roots.size()), roots.data());
    }
    std::vector<std::string> drives;
    // A list of roots such as "C:\", each ended by a 0, the whole by another.
    for (std::size_t pos = 0; pos < length && roots[pos] != L'\0';) {
        const std::size_t end = roots.find(L'\0', pos);
        const std::string root = sys::narrow(roots.substr(pos, end - pos), CP_ACP);
        if (root.size() >= 2 && isLetter(root[0]) && root[1] == ':') {
            drives.push_back({lower(root[0]), ':'});
        }
        pos = end + 1;
    }
    return drives;
}

int Win32Drives::type(const std::string& drive) {
    return static_cast<int>(GetDriveTypeW(sys::widen(drive + "\\", CP_ACP).c_str()));
}

std::string Win32Drives::driveOf(const std::string& path) {
    if (path.size() < 2 || !isLetter(path[0]) || path[1] != ':') return {};
    return {lower(path[0]), ':'};
}

std::string Win32Drives::directoryOf(const std::string& drive) {
    // "x:" alone names the drive's current directory, which the system keeps per drive.
    const std::wstring name = sys::widen(drive, CP_ACP);
    std::wstring full(MAX_PATH, L'\0');
    DWORD length =
        GetFullPathNameW(name.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length >= full.size()) {
        full.resize(length);
        length =
            GetFullPathNameW(name.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    }
    if (length == 0) return drive + "\\";
    full.resize(length);
    return sys::narrow(full, CP_ACP);
}

}  // namespace kavinor::platform
