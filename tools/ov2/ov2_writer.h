#pragma once

#include <cstdint>
#include <string_view>

#include "chunk_writer.h"

namespace kavinor::ov2 {

// The encoders of the binary format; all integers little-endian.

inline constexpr std::int32_t kSkipperRecordSize = 21;
inline constexpr std::int32_t kPoiFixedRecordSize = 13;

// Throws FormatError when `bytes` pass the 2 GiB that an .ov2 file can hold.
void checkOv2Size(std::uint64_t bytes);

// An area skipper: `blockLength` counts from its own first byte to the end of its area.
void writeSkipper(ChunkWriter& out, std::int32_t blockLength, std::int32_t east, std::int32_t north,
                  std::int32_t west, std::int32_t south);

// A POI record: type 2 with `strings` = name NUL, type 3 with name NUL id NUL extra NUL.
void writePoiRecord(ChunkWriter& out, bool extended, std::int32_t lon, std::int32_t lat,
                    std::string_view strings);

}  // namespace kavinor::ov2
