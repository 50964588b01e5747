#include "input_file.h"

#include <cerrno>
#include <cstring>
#include <system_error>

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

FileContents readWholeFile(const std::filesystem::path& path, const std::string& displayName) {
    InputFile file(path, displayName);
    if (file.size() > SIZE_MAX) throw IoError("cannot read " + displayName + ": file too large");
    FileContents contents;
    contents.size = static_cast<std::size_t>(file.size());
    contents.data = std::make_unique_for_overwrite<char[]>(contents.size);
    std::size_t got = 0;
    while (got < contents.size) {
        const std::size_t n = file.read(contents.data.get() + got, contents.size - got);
        if (n == 0) break;
        got += n;
    }
    // A file that shrank while being read is taken as it was read.
    contents.size = got;
    return contents;
}

}  // namespace kavinor
