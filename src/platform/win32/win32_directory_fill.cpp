#include "win32_directory_fill.h"

#include <windows.h>

#include <functional>
#include <memory>

#include "ansi_names.h"
#include "wide_text.h"
#include "wildcard.h"

namespace kavinor::platform {
namespace {

constexpr DWORD kNotOrdinary = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN |
                               FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DEVICE;

// Calls `take` with each entry of `directory` (ANSI, ending in a separator or a drive's colon);
// false when the directory cannot be read.
bool forEachEntry(const std::string& directory,
                  const std::function<void(const WIN32_FIND_DATAW&)>& take) {
    WIN32_FIND_DATAW entry{};
    const HANDLE find =
        FindFirstFileExW(sys::widen(directory + "*", CP_ACP).c_str(), FindExInfoBasic, &entry,
                         FindExSearchNameMatch, nullptr, 0);
    if (find == INVALID_HANDLE_VALUE) return false;
    do {
        const std::wstring_view name = entry.cFileName;
        if (name != L"." && name != L"..") take(entry);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return true;
}

std::string withSeparator(const std::string& directory) {
    if (directory.empty() || directory.ends_with('\\') || directory.ends_with('/') ||
        (directory.size() == 2 && directory[1] == ':')) {
        return directory;
    }
    return directory + '\\';
}

}  // namespace

std::vector<std::string> Win32DirectoryFill::listFiles(const std::string& pattern) {
    const std::size_t cut = pattern.find_last_of("\\/");
    const std::string directory = cut == std::string::npos ? "" : pattern.substr(0, cut + 1);
    // The wildcard is matched here, on the long names only: the system's own matching also
    // tries the short 8.3 names, where "*.ov2" would find "Karte.ov2x".
    const std::string wildcard =
        sys::narrow(sys::widen(pattern.substr(directory.size()), CP_ACP), CP_UTF8);
    std::vector<std::string> names;
    forEachEntry(directory, [&](const WIN32_FIND_DATAW& entry) {
        if ((entry.dwFileAttributes & kNotOrdinary) != 0) return;
        if (!winpath::matchesWildcard(wildcard, sys::narrow(entry.cFileName, CP_UTF8))) return;
        if (std::optional<std::string> name = ExactAnsiName(entry.cFileName)) {
            names.push_back(std::move(*name));
        }
    });
    return names;
}

std::optional<std::vector<std::string>> Win32DirectoryFill::listDirectories(
    const std::string& directory) {
    const DWORD attributes = GetFileAttributesW(sys::widen(directory, CP_ACP).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    forEachEntry(withSeparator(directory), [&](const WIN32_FIND_DATAW& entry) {
        const DWORD kind = entry.dwFileAttributes;
        if ((kind & FILE_ATTRIBUTE_DIRECTORY) == 0 || (kind & FILE_ATTRIBUTE_HIDDEN) != 0) return;
        if (std::optional<std::string> name = ExactAnsiName(entry.cFileName)) {
            names.push_back(std::move(*name));
        }
    });
    return names;
}

}  // namespace kavinor::platform
