#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "byte_stream.h"

namespace kavinor::ov2 {

// A POI waiting to be written. Its record body lies at `bodyOffset` in a buffer shared by all
// POIs, in input order: the record type (2 or 3), then `stringsSize` bytes of strings, each
// ended by a NUL. The offset doubles as the POI's place in the input order. The bodies of a
// file that an .ov2 file can hold are less than its 2 GiB, so 32 bits hold the offset, and
// the 16 bytes of a POI keep the moves of the index's selections short.
struct IndexedPoi {
    std::int32_t lon;
    std::int32_t lat;
    std::uint32_t stringsSize;
    std::uint32_t bodyOffset;
};

// Areas are halved until they hold at most this many POIs.
inline constexpr std::size_t kMaxPoisPerArea = 32;

// Writes the POIs as an .ov2 file with an area index: one skipper over the whole file, each
// area split in two at the median of its wider side. Within an area the POIs keep their input
// order, and every tie is broken by that order, so the same input always gives the same bytes.
// Reorders `pois`. Writes nothing for no POIs. Throws FormatError when the file would pass the
// format's 2 GiB limit. The two halves of the whole are built side by side where the machine has
// two cores, unless `oneThread`; the bytes are the same either way.
void writeIndexedOv2(std::span<IndexedPoi> pois, const char* bodies, ByteSink& sink,
                     bool oneThread = false);

}  // namespace kavinor::ov2
