#include "convert.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

#include "area_index.h"
#include "asc_reader.h"
#include "asc_writer.h"
#include "format_error.h"
#include "ov2_writer.h"

namespace kavinor::ov2 {

void dumpToAsc(Ov2Reader& reader, ByteSink& sink) {
    constexpr std::size_t kFlushAt = 64 * 1024;
    std::string out;
    out.reserve(kFlushAt + 1024);
    PoiView poi;
    while (reader.next(poi)) {
        if (!fitsAscString(poi.name) || !fitsAscString(poi.id) || !fitsAscString(poi.extra)) {
            throw FormatError(reader.displayName() + ": offset " +
                              std::to_string(reader.recordOffset()) +
                              ": a string holds a line break, which an .asc line cannot carry");
        }
        appendAscLine(out, poi);
        if (out.size() >= kFlushAt) {
            sink.write(out);
            out.clear();
        }
    }
    sink.write(out);
}

void makeFromAsc(std::span<char> text, const std::string& displayName, ByteSink& sink) {
    // Nearly every record has a line of its own, so the line count sizes the list well; no
    // record is shorter than 0,0,"" so a text of blank lines reserves no more than that allows.
    constexpr std::size_t kShortestRecord = 6;
    std::vector<IndexedPoi> pois;
    pois.reserve(std::min(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')),
                          text.size() / kShortestRecord) +
                 1);

    // The body of each record (its type, then its strings, each ended by a NUL) is packed at
    // the front of the text buffer itself. A body is never longer than the record's text, so
    // the packing cursor never passes the reader, and memory stays at the size of the text plus
    // the POI list.
    char* const base = text.data();
    std::uint64_t packed = 0;
    auto pack = [&](std::string_view s) {
        std::memmove(base + packed, s.data(), s.size());
        packed += s.size();
        base[packed++] = '\0';
    };

    AscReader reader(text, displayName);
    PoiView poi;
    while (reader.next(poi)) {
        const std::uint64_t start = packed;
        base[packed++] = poi.extended ? 3 : 2;
        pack(poi.name);
        if (poi.extended) {
            pack(poi.id);
            pack(poi.extra);
        }
        const std::uint64_t stringsSize = packed - start - 1;
        if (stringsSize > std::numeric_limits<std::int32_t>::max() - kPoiFixedRecordSize) {
            throw FormatError(displayName + ": a record's strings are too long for an .ov2 file");
        }
        pois.push_back({poi.lon, poi.lat, static_cast<std::uint32_t>(stringsSize), start});
    }
    writeIndexedOv2(pois, base, sink);
}

}  // namespace kavinor::ov2
