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

}  // namespace kavinor::test
