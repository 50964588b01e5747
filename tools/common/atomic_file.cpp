#include "atomic_file.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <system_error>

#include "folded_names.h"
#include "io_error.h"
#include "system_text.h"

namespace kavinor {
namespace {

constexpr std::size_t kBufferSize = 256 * 1024;
// A piece this large, with nothing gathered before it, gains nothing from a copy into the buffer.
constexpr std::size_t kStraightFrom = 4 * 1024;
constexpr std::string_view kTempPrefix = ".kavinor-";
constexpr std::string_view kTempSuffix = ".tmp";

std::string randomSuffix() {
    const std::uint64_t bits = sys::randomBits();
    static const char kHex[] = "0123456789abcdef";
    std::string suffix;
    for (int i = 0; i < 12; ++i) suffix += kHex[(bits >> (4 * i)) & 15];
    return suffix;
}

}  // namespace

bool isTemporaryName(std::string_view name) {
    return name.starts_with(kTempPrefix) && name.ends_with(kTempSuffix);
}

AtomicFile::AtomicFile(std::filesystem::path target, std::string displayName)
    : target_(std::move(target)), displayName_(std::move(displayName)) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(target_, ec);
    if (std::filesystem::is_directory(status)) {
        throw IoError("cannot write " + displayName_ + ": it is a directory");
    }
    // A device or pipe would be replaced by a plain file rather than written to.
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        throw IoError("cannot write " + displayName_ + ": not a regular file");
    }
    // A link stays a link: the file it leads to is the one replaced.
    if (std::filesystem::exists(status) &&
        std::filesystem::is_symlink(std::filesystem::symlink_status(target_, ec))) {
        target_ = std::filesystem::canonical(target_, ec);
        if (ec) throw IoError("cannot write " + displayName_ + ": " + ec.message());
    }
    // The temporary name does not grow with the target's, so any name the file system takes
    // for the target can be written; "x" refuses an existing name, so it never replaces one.
    for (int attempt = 0; attempt < 16 && file_ == nullptr; ++attempt) {
        temp_ = target_.parent_path() /
                (std::string(kTempPrefix) + randomSuffix() + std::string(kTempSuffix));
        file_ = sys::openFile(temp_, "wbx");
        if (file_ == nullptr && errno != EEXIST) break;
    }
    if (file_ == nullptr) {
        throw IoError("cannot write " + displayName_ + ": " + std::strerror(errno));
    }
    // The file's own buffer would copy every piece once more.
    std::setvbuf(file_, nullptr, _IONBF, 0);
}

AtomicFile::~AtomicFile() {
    if (committed_) return;
    closeFile();
    std::error_code ignored;
    std::filesystem::remove(temp_, ignored);
}

void AtomicFile::write(const char* data, std::size_t size) {
    wrote_ = true;
    // A piece of half the buffer or more goes straight to the file: copying it into the buffer
    // would save few calls.
    if (size >= kBufferSize / 2 || (used_ == 0 && size >= kStraightFrom)) {
        flushBuffer();
        if (std::fwrite(data, 1, size, file_) != size) fail("cannot write");
        return;
    }
    if (size > kBufferSize - used_) flushBuffer();
    // Made at the first small piece and left uninitialised: an output that comes in large
    // pieces needs none, and a small one touches only the pages it fills.
    if (!buffer_) buffer_ = std::make_unique_for_overwrite<char[]>(kBufferSize);
    std::memcpy(buffer_.get() + used_, data, size);
    used_ += size;
}

void AtomicFile::writeAt(std::uint64_t offset, const char* data, std::size_t size) {
    if (!sys::writeFileAt(file_, offset, data, size)) fail("cannot write");
}

void AtomicFile::writeWithinSystem(const InputFile& source) {
    flushBuffer();
    wrote_ = true;
    sys::copyWithinSystem(source.handle(), file_);
}

void AtomicFile::commit() {
    flushBuffer();
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!closed) fail("cannot write");
    const std::error_code ec = sys::replaceFile(temp_, target_);
    if (ec) throw IoError("cannot write " + displayName_ + ": " + ec.message());
    committed_ = true;
    winpath::noteAdded(target_);
}

void AtomicFile::flushBuffer() {
    if (used_ != 0 && std::fwrite(buffer_.get(), 1, used_, file_) != used_) fail("cannot write");
    used_ = 0;
}

void AtomicFile::closeFile() {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
}

void AtomicFile::fail(const std::string& what) {
    const int error = errno;
    throw IoError(what + " " + displayName_ + ": " + std::strerror(error));
}

}  // namespace kavinor
