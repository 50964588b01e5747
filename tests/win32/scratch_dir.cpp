#include "scratch_dir.h"

#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace kavinor::test {

ScratchDir::ScratchDir() {
    std::random_device random;
    for (;;) {
        path_ = std::filesystem::temp_directory_path() / ("kavinor-" + std::to_string(random()));
        if (std::filesystem::create_directory(path_)) break;
    }
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace kavinor::test
