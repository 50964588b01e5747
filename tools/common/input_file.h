#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "byte_stream.h"

namespace kavinor {

// An existing regular file opened for reading. `displayName` is how messages name it.
class InputFile final : public ByteSource {
public:
    InputFile(const std::filesystem::path& path, std::string displayName);
    ~InputFile() override;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    std::size_t read(char* buffer, std::size_t size) override;
    // Moves on to `offset` from the start; false when the file cannot.
    bool seek(std::uint64_t offset);
    std::uint64_t size() const { return size_; }
    // The open file, for a copy within the system; before the first read only.
    std::FILE* handle() const { return file_; }

private:
    std::FILE* file_ = nullptr;
    std::uint64_t size_ = 0;
    std::string displayName_;
};

struct FileContents {
    std::unique_ptr<char[]> data;
    std::size_t size = 0;
};

// The whole file in memory, left uninitialised beyond what was read.
FileContents readWholeFile(const std::filesystem::path& path, const std::string& displayName);

}  // namespace kavinor
