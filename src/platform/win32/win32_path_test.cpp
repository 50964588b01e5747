#include "win32_path_test.h"

#include <windows.h>

#include "wide_text.h"

namespace kavinor::platform {

bool Win32PathTest::exists(const std::string& path) {
    return !path.empty() &&
           GetFileAttributesW(sys::widen(path, CP_ACP).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<FileStamp> Win32PathTest::stamp(const std::string& path) {
    if (path.empty()) return std::nullopt;
    const HANDLE file = CreateFileW(sys::widen(path, CP_ACP).c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(file, &info) != 0;
    CloseHandle(file);
    if (!known) return std::nullopt;
    const auto join = [](DWORD high, DWORD low) {
        return (static_cast<std::uint64_t>(high) << 32) | low;
    };
    const std::uint64_t written =
        join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime);
    return FileStamp{info.dwVolumeSerialNumber, join(info.nFileIndexHigh, info.nFileIndexLow),
                     static_cast<std::int64_t>(written) * 100,
                     join(info.nFileSizeHigh, info.nFileSizeLow)};
}

}  // namespace kavinor::platform
