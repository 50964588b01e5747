#include "system_text.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

namespace kavinor::sys {

std::filesystem::path pathFromText(std::string_view text) {
    return std::filesystem::path(std::string(text));
}

std::string textOf(const std::filesystem::path& path) {
    return path.string();
}

std::filesystem::path pathFromSystemText(std::string_view text) {
    return pathFromText(text);
}

Root rootOf(std::string_view written) {
    std::size_t length = 0;
    while (length < written.size() && (written[length] == '/' || written[length] == '\\')) {
        ++length;
    }
    return length == 0 ? Root{} : Root{"/", length};
}

std::vector<std::string> programArguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

bool seekFile(std::FILE* file, std::uint64_t offset) {
    return offset <= static_cast<std::uint64_t>(INT64_MAX) &&
           ::fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
}

// Straight from the kernel: the C++ library's device first asks the processor which
// instructions it has, a question a virtual machine answers slowly, in every tool's start.
std::uint64_t randomBits() {
    std::uint64_t bits = 0;
    if (::getrandom(&bits, sizeof bits, 0) == static_cast<ssize_t>(sizeof bits)) return bits;
    std::random_device device;
    return std::uint64_t{device()} << 32 | device();
}

std::uint64_t copyWithinSystem(std::FILE* from, std::FILE* to) {
    const int in = ::fileno(from);
    const int out = ::fileno(to);
    std::uint64_t copied = 0;
    for (;;) {
        const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, std::size_t{1} << 30, 0);
        if (n < 0 && errno == EINTR) continue;
        // At the end, or where the system cannot: the caller reads on and reports what fails.
        if (n <= 0) return copied;
        copied += static_cast<std::uint64_t>(n);
    }
}

bool writeFileAt(std::FILE* file, std::uint64_t offset, const char* data, std::size_t size) {
    const int fd = ::fileno(file);
    while (size > 0) {
        if (offset > static_cast<std::uint64_t>(INT64_MAX)) {
            errno = EFBIG;
            return false;
        }
        const ssize_t n = ::pwrite(fd, data, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = EIO;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
        offset += static_cast<std::uint64_t>(n);
    }
    return true;
}

// A file the user may not write is one protected from the user, and one with no write bit for
// anyone is one its owner protected, as Windows' read-only attribute does: root may write
// anything, yet its read-only files stay too. Rename needs only the directory's permission, so
// without this either would be replaced.
std::error_code replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    struct stat target {};
    if (::stat(to.c_str(), &target) == 0) {
        if ((target.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            return std::make_error_code(std::errc::permission_denied);
        }
        if (::faccessat(AT_FDCWD, to.c_str(), W_OK, AT_EACCESS) != 0) {
            return std::error_code(errno, std::generic_category());
        }
    }
    if (std::rename(from.c_str(), to.c_str()) == 0) return {};
    return std::error_code(errno, std::generic_category());
}

std::string consoleText(std::string_view text) {
    return std::string(text);
}

}  // namespace kavinor::sys
