#pragma once

#include <filesystem>
#include <string>

namespace kavinor::bench {

// A new directory under the system's temporary directory, removed with all it holds when the
// object goes.
class TempDir {
public:
    explicit TempDir(const std::string& prefix);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace kavinor::bench
