#include "system_text.h"

#include <windows.h>
// After windows.h, whose types it uses.
#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <random>

#include "wide_text.h"

namespace kavinor::sys {
namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

std::size_t skipSeparators(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isSeparator(text[pos])) ++pos;
    return pos;
}

std::size_t skipComponent(std::string_view text, std::size_t pos) {
    while (pos < text.size() && !isSeparator(text[pos])) ++pos;
    return pos;
}

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

std::filesystem::path pathFromText(std::string_view text) {
    return std::filesystem::path(widen(text, CP_UTF8));
}

std::string textOf(const std::filesystem::path& path) {
    return narrow(path.native(), CP_UTF8);
}

std::filesystem::path pathFromSystemText(std::string_view text) {
    return std::filesystem::path(widen(text, CP_ACP));
}

Root rootOf(std::string_view written) {
    if (written.size() >= 2 && isLetter(written[0]) && written[1] == ':') {
        const std::string drive(written.substr(0, 2));
        const std::size_t end = skipSeparators(written, 2);
        return {pathFromText(end == 2 ? drive : drive + "\\"), end};
    }
    const std::size_t leading = skipSeparators(written, 0);
    if (leading == 2 && leading < written.size()) {
        // \\server\share\: the share is the root; what lies above it cannot be named.
        const std::size_t serverEnd = skipComponent(written, leading);
        const std::size_t shareStart = skipSeparators(written, serverEnd);
        const std::size_t shareEnd = skipComponent(written, shareStart);
        if (serverEnd > leading && shareEnd > shareStart) {
            const std::string root =
                "\\\\" + std::string(written.substr(2, serverEnd - 2)) + "\\" +
                std::string(written.substr(shareStart, shareEnd - shareStart)) + "\\";
            return {pathFromText(root), skipSeparators(written, shareEnd)};
        }
    }
    return leading == 0 ? Root{} : Root{L"\\", leading};
}

// The C runtime's own split of the wide command line, by the rules it gives every program;
// asking the shell's library instead would load it and the many it needs, which takes longer
// than a tool takes for a small file.
extern "C" int __wgetmainargs(int* count, wchar_t*** words, wchar_t*** environment,
                              int expandWildcards, int* startInfo);

std::vector<std::string> programArguments(int, char**) {
    int count = 0;
    wchar_t** words = nullptr;
    wchar_t** environment = nullptr;
    int startInfo = 0;
    std::vector<std::string> arguments;
    if (__wgetmainargs(&count, &words, &environment, 0, &startInfo) < 0) return arguments;
    for (int i = 0; words && i < count; ++i) arguments.push_back(narrow(words[i], CP_UTF8));
    return arguments;
}

// Through CreateFileW rather than _wfopen, which knows no "x": a name that exists already is
// refused in the same step that creates the file.
std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
    const std::string_view modes(mode);
    const bool reading = modes.starts_with('r');
    const DWORD creation = reading                                     ? OPEN_EXISTING
                           : modes.find('x') != std::string_view::npos ? CREATE_NEW
                                                                       : CREATE_ALWAYS;
    const HANDLE handle =
        CreateFileW(path.c_str(), reading ? GENERIC_READ : GENERIC_WRITE,
                    reading ? FILE_SHARE_READ | FILE_SHARE_WRITE : FILE_SHARE_READ, nullptr,
                    creation, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        errno = errnoOf(GetLastError());
        return nullptr;
    }
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle),
                                           _O_BINARY | (reading ? _O_RDONLY : _O_WRONLY));
    if (descriptor < 0) {
        CloseHandle(handle);
        return nullptr;
    }
    std::FILE* file = _fdopen(descriptor, reading ? "rb" : "wb");
    if (file == nullptr) _close(descriptor);
    return file;
}

bool seekFile(std::FILE* file, std::uint64_t offset) {
    return offset <= static_cast<std::uint64_t>(INT64_MAX) &&
           ::_fseeki64(file, static_cast<__int64>(offset), SEEK_SET) == 0;
}

std::uint64_t randomBits() {
    std::random_device device;
    return std::uint64_t{device()} << 32 | device();
}

// Windows has no call that copies the rest of one open file onto the end of another.
std::uint64_t copyWithinSystem(std::FILE*, std::FILE*) {
    return 0;
}

// A synchronous handle takes one write at a time, whatever the threads: the pieces stay whole.
bool writeFileAt(std::FILE* file, std::uint64_t offset, const char* data, std::size_t size) {
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file)));
    if (handle == INVALID_HANDLE_VALUE) return false;
    while (size > 0) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(handle, data, piece, &written, &at) || written == 0) {
            errno = EIO;
            return false;
        }
        data += written;
        size -= written;
        offset += written;
    }
    return true;
}

std::error_code replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    // A read-only file is one the user protected: it is never replaced, whatever the rights of
    // the one running the tool.
    const DWORD attributes = GetFileAttributesW(to.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return std::make_error_code(std::errc::permission_denied);
    }
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return {};
    }
    return std::error_code(errnoOf(GetLastError()), std::generic_category());
}

std::string consoleText(std::string_view text) {
    const UINT console = GetConsoleOutputCP();
    return narrow(widen(text, CP_UTF8), console != 0 ? console : GetOEMCP());
}

}  // namespace kavinor::sys
