#include "ov2_reader.h"

#include <algorithm>
#include <cstring>

#include "format_error.h"

namespace kavinor::ov2 {
namespace {

constexpr std::size_t kChunk = 64 * 1024;
constexpr std::int32_t kHeaderSize = 5;     // type byte and length
constexpr std::int32_t kSkipperSize = 21;   // type byte and five int32
constexpr std::int32_t kPoiFixedSize = 13;  // type byte, length, lon, lat

}  // namespace

Ov2Reader::Ov2Reader(ByteSource& source, std::uint64_t size, std::string displayName)
    : source_(source),
      size_(size),
      displayName_(std::move(displayName)),
      // A small file needs no more than its own size: every byte of the buffer is a page touched.
      buffer_(std::clamp<std::uint64_t>(size, 1, kChunk)) {}

void Ov2Reader::fail(std::uint64_t offset, const std::string& what) const {
    throw FormatError(displayName_ + ": offset " + std::to_string(offset) + ": " + what);
}

void Ov2Reader::ensure(std::size_t count) {
    if (end_ - begin_ >= count) return;
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
    if (buffer_.size() < count) buffer_.resize(count);
    while (end_ < count) {
        const std::size_t n = source_.read(buffer_.data() + end_, buffer_.size() - end_);
        if (n == 0) fail(offset_ + end_, "the file ends inside a record");
        end_ += n;
    }
}

void Ov2Reader::skip(std::uint64_t count) {
    const std::size_t buffered = std::min<std::uint64_t>(count, end_ - begin_);
    begin_ += buffered;
    offset_ += buffered;
    count -= buffered;
    if (count == 0) return;
    begin_ = end_ = 0;
    while (count > 0) {
        const std::size_t n =
            source_.read(buffer_.data(), std::min<std::uint64_t>(count, buffer_.size()));
        if (n == 0) fail(offset_, "the file ends inside a record");
        offset_ += n;
        count -= n;
    }
}

std::int32_t Ov2Reader::int32At(std::size_t index) const {
    const auto* p = reinterpret_cast<const unsigned char*>(buffer_.data() + begin_ + index);
    const std::uint32_t value = std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 |
                                std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
    return static_cast<std::int32_t>(value);
}

std::uint64_t Ov2Reader::checkedLength(std::uint64_t limit, std::int32_t length,
                                       std::int32_t minimum, const char* kind) const {
    if (length < minimum) {
        fail(offset_, std::string(kind) + " length " + std::to_string(length) +
                          " is less than its minimum of " + std::to_string(minimum));
    }
    const auto checked = static_cast<std::uint64_t>(length);
    if (checked > limit - offset_) {
        fail(offset_, std::string(kind) + " length " + std::to_string(length) +
                          " runs past the end of its " +
                          (blockEnds_.empty() ? "file" : "area block"));
    }
    return checked;
}

bool Ov2Reader::next(PoiView& poi) {
    for (;;) {
        while (!blockEnds_.empty() && blockEnds_.back() == offset_) blockEnds_.pop_back();
        if (offset_ == size_) return false;
        const std::uint64_t limit = blockEnds_.empty() ? size_ : blockEnds_.back();
        if (limit - offset_ < kHeaderSize) {
            fail(offset_, blockEnds_.empty() ? "the file ends inside a record"
                                             : "a record runs past the end of its area block");
        }
        ensure(kHeaderSize);
        const auto type = static_cast<std::uint8_t>(buffer_[begin_]);
        const std::int32_t length = int32At(1);
        switch (type) {
            case 0:
                skip(checkedLength(limit, length, kHeaderSize, "deleted record"));
                break;
            case 1: {
                checkedLength(limit, length, kSkipperSize, "area block");
                blockEnds_.push_back(offset_ + static_cast<std::uint64_t>(length));
                skip(kSkipperSize);
                break;
            }
            case 2:
                readPoi(type, checkedLength(limit, length, kPoiFixedSize + 1, "record"), poi);
                return true;
            case 3:
                readPoi(type, checkedLength(limit, length, kPoiFixedSize + 3, "record"), poi);
                return true;
            default:
                fail(offset_, "unknown record type " + std::to_string(type));
        }
    }
}

void Ov2Reader::readPoi(std::uint8_t type, std::uint64_t length, PoiView& poi) {
    ensure(static_cast<std::size_t>(length));
    recordOffset_ = offset_;
    poi.lon = int32At(5);
    poi.lat = int32At(9);
    if (!inRange(poi.lon, poi.lat)) {
        fail(offset_, "coordinates " + std::to_string(poi.lon) + ", " + std::to_string(poi.lat) +
                          " lie outside the world");
    }
    std::string_view body(buffer_.data() + begin_ + kPoiFixedSize, length - kPoiFixedSize);
    // Every string ends in a NUL: one string for a simple POI, three for an extended one.
    const int strings = type == 2 ? 1 : 3;
    std::string_view parts[3];
    for (int i = 0; i < strings; ++i) {
        const std::size_t nul = body.find('\0');
        if (nul == std::string_view::npos) {
            fail(offset_, i == 0 ? "the name has no terminating NUL"
                                 : "an extended record holds fewer than three strings");
        }
        parts[i] = body.substr(0, nul);
        body.remove_prefix(nul + 1);
    }
    if (!body.empty()) {
        fail(offset_, std::to_string(body.size()) + " bytes follow the last string of the record");
    }
    poi.name = parts[0];
    poi.id = parts[1];
    poi.extra = parts[2];
    poi.extended = type == 3;
    begin_ += length;
    offset_ += length;
}

}  // namespace kavinor::ov2
