#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "temp_dir.h"

namespace kavinor::test {

// Creates or replaces the file with exactly these bytes, creating missing parent directories.
void writeFile(const std::filesystem::path& path, std::string_view bytes);

std::string readFile(const std::filesystem::path& path);

// The names of the entries of `dir`, sorted.
std::vector<std::string> listNames(const std::filesystem::path& dir);

// Every entry of `dir` with its bytes ("<dir>" for a directory), to tell what a run left and
// what it changed.
std::map<std::string, std::string> contents(const std::filesystem::path& dir);

// Whether `text` has the shape: as long as it, each `#` of the shape a digit in the text, every
// other character the same. For dates, times and listings, whose digits depend on the clock.
bool hasShape(std::string_view text, std::string_view shape);

// Joins lines with the CR LF line end of the scripts and of everything kvcmd prints, one after
// each line.
std::string crlf(const std::vector<std::string>& lines);

}  // namespace kavinor::test
