#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// Where the tools meet the system's names, arguments and console. Inside, every text is UTF-8;
// on POSIX a name is the bytes themselves, on Windows it is UTF-16, converted here and only here.

namespace kavinor::sys {

// The path a UTF-8 text names, and back.
std::filesystem::path pathFromText(std::string_view text);
std::string textOf(const std::filesystem::path& path);

// The path a name in the system's narrow encoding names: the bytes on POSIX, the ANSI code page
// on Windows.
std::filesystem::path pathFromSystemText(std::string_view text);

// The root that `written` starts with, as a path, and how many of its characters it takes
// (separators after it included): `/` on POSIX; on Windows also `X:\`, the drive-relative `X:`
// and `\\server\share\`. An empty path and 0 for a relative one.
struct Root {
    std::filesystem::path path;
    std::size_t length = 0;
};
Root rootOf(std::string_view written);

// The program's arguments, argv[0] included, as UTF-8 texts.
std::vector<std::string> programArguments(int argc, char** argv);

// fopen for a path of any name the file system holds.
std::FILE* openFile(const std::filesystem::path& path, const char* mode);

// Moves an open file's position to `offset` from its start; false when it cannot.
bool seekFile(std::FILE* file, std::uint64_t offset);

// 64 bits from the system's random source, for names nobody can guess.
std::uint64_t randomBits();

// Copies what is left of `from` to `to`, both unbuffered so far, within the system as far as it
// can: the bytes never pass through this process. Both positions move on by what it returns;
// the rest, if any, is the caller's to copy.
std::uint64_t copyWithinSystem(std::FILE* from, std::FILE* to);

// Writes all `size` bytes at `offset` from an unbuffered file's start; several threads may
// write pieces that do not overlap at once. False, with errno set, when it cannot.
bool writeFileAt(std::FILE* file, std::uint64_t offset, const char* data, std::size_t size);

// Puts `from` in the place of `to` in one step, replacing a file there; a protected file (one
// the user may not write, or a read-only one) is refused with permission_denied.
std::error_code replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);

// A line for standard error, in the code page the console and the interpreter's logs show.
std::string consoleText(std::string_view text);

}  // namespace kavinor::sys
