#pragma once

#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace kavinor::test {

// A directory of its own under the system's temporary directory, removed with its contents.
// Its path is canonical, so it compares equal with resolved names built from it.
class TempDir {
public:
    explicit TempDir(const std::string& prefix = "kavinor-test")
        : path_(std::filesystem::canonical(made(prefix))) {}
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    static std::filesystem::path made(const std::string& prefix) {
        const std::filesystem::path base = std::filesystem::temp_directory_path();
#ifdef _WIN32
        // No mkdtemp there: a random name, made only where nothing has it yet.
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::filesystem::path candidate =
                base / (prefix + "-" + std::to_string(random()));
            if (std::filesystem::create_directory(candidate)) return candidate;
        }
        throw std::runtime_error("no new directory under " + base.string());
#else
        std::string pattern = (base / (prefix + "-XXXXXX")).string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::system_error(errno, std::generic_category(), "mkdtemp " + pattern);
        }
        return pattern;
#endif
    }

    std::filesystem::path path_;
};

}  // namespace kavinor::test
