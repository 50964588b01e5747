#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "area_index.h"

namespace kavinor::ov2 {

// What packAscPois() leaves at the front of its text.
struct PackedBodies {
    std::uint64_t bytes = 0;        // the bodies' bytes
    std::uint64_t recordBytes = 0;  // the POI records' bytes in an .ov2 file, skippers aside
    std::size_t lineEnds = 0;       // the text's line ends
};

// Reads the records of an .asc text, or of a piece of one that begins at the start of a line,
// and appends them to `pois` for the area index. The body of each record (its
// type, then its strings, each ended by a NUL) is packed at the front of the text buffer
// itself: a body is never longer than the record's text, so the packing never passes the
// reader, and memory stays at the size of the text plus the POI list. Body offsets count from
// the text's first byte. Throws AscError as AscReader does, and FormatError for a record whose
// strings an .ov2 file cannot hold. Past the 2 GiB an .ov2 file can hold it keeps
// reading, so an error further on is still found, but keeps no more POIs.
PackedBodies packAscPois(std::span<char> text, const std::string& displayName,
                         std::vector<IndexedPoi>& pois);

// How many POIs a text likely holds, to reserve their list: nearly every record has a line
// of its own, and no record is shorter than 0,0,"", so a text of blank lines reserves no more
// than that allows.
std::size_t likelyPoiCount(std::span<const char> text);

}  // namespace kavinor::ov2
