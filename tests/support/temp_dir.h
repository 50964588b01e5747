#pragma once

#include <filesystem>
#include <string>

namespace kavinor::test {

// A directory of its own under the system's temporary directory, removed with its contents.
// Its path is canonical, so it compares equal with resolved names built from it.
class TempDir {
public:
    explicit TempDir(const std::string& prefix = "kavinor-test");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace kavinor::test
