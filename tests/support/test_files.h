#pragma once

#include <filesystem>
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

}  // namespace kavinor::test
