#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "byte_stream.h"
#include "input_file.h"

namespace kavinor {

// Whether `name` is that of an AtomicFile's temporary file: what a tool ended from outside
// leaves beside its target.
bool isTemporaryName(std::string_view name);

// An output file that appears under its name only when complete: bytes go to a temporary
// file beside the target, and commit() renames it over the target. Destroyed without
// commit(), it removes the temporary file, so a failed run leaves the target as it was.
class AtomicFile final : public ByteSink {
public:
    AtomicFile(std::filesystem::path target, std::string displayName);
    ~AtomicFile() override;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    using ByteSink::write;
    void write(const char* data, std::size_t size) override;
    bool takesWritesAt() const override { return !wrote_; }
    void writeAt(std::uint64_t offset, const char* data, std::size_t size) override;
    // Writes what the system can copy of `source`, not yet read from, within itself; the rest is
    // the caller's to read and write.
    void writeWithinSystem(const InputFile& source);
    void commit();

private:
    void flushBuffer();
    void closeFile();
    [[noreturn]] void fail(const std::string& what);

    std::filesystem::path target_;
    std::filesystem::path temp_;
    std::string displayName_;
    std::FILE* file_ = nullptr;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
    bool wrote_ = false;
    bool committed_ = false;
};

}  // namespace kavinor
