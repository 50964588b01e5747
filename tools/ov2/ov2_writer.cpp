#include "ov2_writer.h"

#include <cstddef>
#include <cstring>
#include <limits>

#include "format_error.h"

namespace kavinor::ov2 {
namespace {

char* putInt32(char* out, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) *out++ = static_cast<char>(bits >> shift);
    return out;
}

}  // namespace

void checkOv2Size(std::uint64_t bytes) {
    if (bytes > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
        throw FormatError("the POIs need more than the 2 GiB an .ov2 file can hold");
    }
}

void writeSkipper(ChunkWriter& out, std::int32_t blockLength, std::int32_t east, std::int32_t north,
                  std::int32_t west, std::int32_t south) {
    char* p = out.room(kSkipperRecordSize);
    *p++ = 1;
    for (std::int32_t value : {blockLength, east, north, west, south}) p = putInt32(p, value);
    out.advance(p);
}

void writePoiRecord(ChunkWriter& out, bool extended, std::int32_t lon, std::int32_t lat,
                    std::string_view strings) {
    const std::size_t size = kPoiFixedRecordSize + strings.size();
    // A record larger than a chunk has its strings written on their own.
    const bool whole = size <= ChunkWriter::kChunkSize;
    char* p = out.room(whole ? size : kPoiFixedRecordSize);
    *p++ = extended ? 3 : 2;
    p = putInt32(p, static_cast<std::int32_t>(size));
    p = putInt32(p, lon);
    p = putInt32(p, lat);
    if (!whole) {
        out.advance(p);
        out.write(strings);
        return;
    }
    if (!strings.empty()) std::memcpy(p, strings.data(), strings.size());
    out.advance(p + strings.size());
}

}  // namespace kavinor::ov2
