#include "ov2_writer.h"

#include <cstddef>

namespace kavinor::ov2 {
namespace {

char* putInt32(char* out, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) *out++ = static_cast<char>(bits >> shift);
    return out;
}

}  // namespace

void writeSkipper(ByteSink& sink, std::int32_t blockLength, std::int32_t east, std::int32_t north,
                  std::int32_t west, std::int32_t south) {
    char record[kSkipperRecordSize];
    char* out = record;
    *out++ = 1;
    for (std::int32_t value : {blockLength, east, north, west, south}) out = putInt32(out, value);
    sink.write(record, sizeof record);
}

void writePoiRecord(ByteSink& sink, bool extended, std::int32_t lon, std::int32_t lat,
                    std::string_view strings) {
    char header[kPoiFixedRecordSize];
    char* out = header;
    *out++ = extended ? 3 : 2;
    out = putInt32(out, static_cast<std::int32_t>(kPoiFixedRecordSize + strings.size()));
    out = putInt32(out, lon);
    putInt32(out, lat);
    sink.write(header, sizeof header);
    sink.write(strings);
}

}  // namespace kavinor::ov2
