#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "byte_stream.h"
#include "poi.h"

namespace kavinor::ov2 {

// Reads the POIs of an .ov2 file in file order, passing over deleted records and area
// skippers. It holds one record at a time, so memory stays small for any file size, and it
// checks every length against the file's size and its enclosing area before reading, so a
// corrupt length is an error, never an allocation. Throws FormatError naming the offset.
class Ov2Reader {
public:
    // `size` is the byte count the source delivers; `displayName` names it in messages.
    Ov2Reader(ByteSource& source, std::uint64_t size, std::string displayName);

    // Fills `poi` with the next POI; false at the end of the file.
    bool next(PoiView& poi);

    // File offset of the record last returned by next().
    std::uint64_t recordOffset() const { return recordOffset_; }
    const std::string& displayName() const { return displayName_; }

private:
    [[noreturn]] void fail(std::uint64_t offset, const std::string& what) const;
    void ensure(std::size_t count);
    void skip(std::uint64_t count);
    std::int32_t int32At(std::size_t index) const;
    std::uint64_t checkedLength(std::uint64_t limit, std::int32_t length, std::int32_t minimum,
                                const char* kind) const;
    void readPoi(std::uint8_t type, std::uint64_t length, PoiView& poi);

    ByteSource& source_;
    std::uint64_t size_;
    std::string displayName_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;  // first unread byte in buffer_
    std::size_t end_ = 0;    // one past the last byte read into buffer_
    std::uint64_t offset_ = 0;
    std::uint64_t recordOffset_ = 0;
    std::vector<std::uint64_t> blockEnds_;  // ends of the enclosing skipper blocks
};

}  // namespace kavinor::ov2
