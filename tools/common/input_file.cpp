#include "input_file.h"

#include <cerrno>
#include <cstring>
#include <system_error>
#include <thread>

#include "io_error.h"
#include "system_text.h"

namespace kavinor {

InputFile::InputFile(const std::filesystem::path& path, std::string displayName)
    : displayName_(std::move(displayName)) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status)) {
        throw IoError("cannot open " + displayName_ + ": no such file");
    }
    if (!std::filesystem::is_regular_file(status)) {
        throw IoError("cannot open " + displayName_ + ": not a regular file");
    }
    file_ = sys::openFile(path, "rb");
    if (file_ == nullptr) {
        throw IoError("cannot open " + displayName_ + ": " + std::strerror(errno));
    }
    size_ = std::filesystem::file_size(path, ec);
    if (ec) {
        std::fclose(file_);
        throw IoError("cannot read " + displayName_ + ": " + ec.message());
    }
}

InputFile::~InputFile() {
    std::fclose(file_);
}

std::size_t InputFile::read(char* buffer, std::size_t size) {
    const std::size_t n = std::fread(buffer, 1, size, file_);
    if (n < size && std::ferror(file_)) {
        throw IoError("cannot read " + displayName_ + ": " + std::strerror(errno));
    }
    return n;
}

bool InputFile::seek(std::uint64_t offset) {
    return sys::seekFile(file_, offset);
}

namespace {

// Reads until `size` bytes are in or the file ends; how many came.
std::size_t readInto(InputFile& file, char* buffer, std::size_t size) {
    std::size_t got = 0;
    while (got < size) {
        const std::size_t n = file.read(buffer + got, size - got);
        if (n == 0) break;
        got += n;
    }
    return got;
}

// Below this a second reader costs more than it saves.
constexpr std::size_t kTwoReadersSize = 4 * 1024 * 1024;

// The second half of a large file, read beside the first through a file of its own; nothing
// when that cannot be had, and the caller reads on alone.
class SecondHalf {
public:
    SecondHalf(const std::filesystem::path& path, const InputFile& first, char* buffer,
               std::size_t offset, std::size_t size) {
        // Any failure leaves `whole_` false, and the first reader reads on.
        try {
            thread_ = std::thread([=, this, &path, &first] {
                try {
                    InputFile file(path, std::string());
                    if (file.size() != first.size() || !file.seek(offset)) return;
                    whole_ = readInto(file, buffer + offset, size) == size;
                } catch (...) {
                }
            });
        } catch (const std::system_error&) {
        }
    }
    ~SecondHalf() { wait(); }
    SecondHalf(const SecondHalf&) = delete;
    SecondHalf& operator=(const SecondHalf&) = delete;

    // Whether it read its whole half.
    bool wait() {
        if (thread_.joinable()) thread_.join();
        return whole_;
    }

private:
    std::thread thread_;
    bool whole_ = false;
};

}  // namespace

FileContents readWholeFile(const std::filesystem::path& path, const std::string& displayName) {
    InputFile file(path, displayName);
    if (file.size() > SIZE_MAX) throw IoError("cannot read " + displayName + ": file too large");
    FileContents contents;
    contents.size = static_cast<std::size_t>(file.size());
    contents.data = std::make_unique_for_overwrite<char[]>(contents.size);
    char* const data = contents.data.get();
    std::size_t got = 0;
    // Copying a large text into fresh memory is much of what its conversion waits for: two
    // readers halve that where there are two cores.
    if (contents.size >= kTwoReadersSize && std::thread::hardware_concurrency() >= 2) {
        const std::size_t half = contents.size / 2;
        SecondHalf second(path, file, data, half, contents.size - half);
        got = readInto(file, data, half);
        if (got == half && second.wait()) got = contents.size;
    }
    // The rest alone: all of a smaller file, or the half the second reader could not read.
    if (got < contents.size) got += readInto(file, data + got, contents.size - got);
    // A file that shrank while being read is taken as it was read.
    contents.size = got;
    return contents;
}

}  // namespace kavinor
