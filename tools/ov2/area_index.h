#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "byte_stream.h"

namespace kavinor::ov2 {

// A POI waiting to be written: its strings (name NUL, or name NUL id NUL extra NUL) lie at
// `stringsOffset` in a buffer shared by all POIs, in input order.
struct IndexedPoi {
    std::int32_t lon;
    std::int32_t lat;
    std::uint32_t stringsSize;
    bool extended;
    std::uint64_t stringsOffset;
};

// Areas are halved until they hold at most this many POIs.
inline constexpr std::size_t kMaxPoisPerArea = 32;

// Writes the POIs as an .ov2 file with an area index: one skipper over the whole file, each
// area split in two at the median of its wider side. Within an area the POIs keep their input
// order, and every tie is broken by that order, so the same input always gives the same bytes.
// Reorders `pois`. Writes nothing for no POIs. Throws FormatError when the file would pass the
// format's 2 GiB limit.
void writeIndexedOv2(std::span<IndexedPoi> pois, const char* strings, ByteSink& sink);

}  // namespace kavinor::ov2
