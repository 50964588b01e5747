#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kavinor::test {

// A directory of its own under the system's temporary directory, removed with its contents.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Creates or replaces the file with exactly these bytes, creating missing parent directories.
void writeFile(const std::filesystem::path& path, std::string_view bytes);

std::string readFile(const std::filesystem::path& path);

// The names of the entries of `dir`, sorted.
std::vector<std::string> listNames(const std::filesystem::path& dir);

}  // namespace kavinor::test
