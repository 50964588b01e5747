#include "asc_packer.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "asc_reader.h"
#include "format_error.h"
#include "ov2_writer.h"

namespace kavinor::ov2 {

PackedBodies packAscPois(std::span<char> text, const std::string& displayName,
                         std::vector<IndexedPoi>& pois) {
    constexpr std::uint64_t kMaxFileBytes = std::numeric_limits<std::int32_t>::max();
    char* const base = text.data();
    PackedBodies packed;
    std::uint64_t& at = packed.bytes;
    auto pack = [&](std::string_view s) {
        std::memmove(base + at, s.data(), s.size());
        at += s.size();
        base[at++] = '\0';
    };

    AscReader reader(text, displayName);
    PoiView poi;
    while (reader.next(poi)) {
        const std::uint64_t stringsSize =
            poi.name.size() + 1 + (poi.extended ? poi.id.size() + poi.extra.size() + 2 : 0);
        if (stringsSize > std::numeric_limits<std::int32_t>::max() - kPoiFixedRecordSize) {
            throw FormatError(displayName + ": a record's strings are too long for an .ov2 file");
        }
        packed.recordBytes += kPoiFixedRecordSize + stringsSize;
        if (packed.recordBytes > kMaxFileBytes) continue;
        const std::uint64_t start = at;
        base[at++] = poi.extended ? 3 : 2;
        pack(poi.name);
        if (poi.extended) {
            pack(poi.id);
            pack(poi.extra);
        }
        pois.push_back({poi.lon, poi.lat, static_cast<std::uint32_t>(stringsSize),
                        static_cast<std::uint32_t>(start)});
    }
    packed.lineEnds = reader.lineEnds();
    return packed;
}

std::size_t likelyPoiCount(std::span<const char> text) {
    // Counted in blocks of at most 255 bytes into one byte: the compiler then compares and adds
    // 16 or 32 bytes at a time, where a count into a wide integer widens every byte first.
    std::size_t lineFeeds = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t end = std::min(text.size(), i + 255);
        unsigned char block = 0;
        for (; i < end; ++i) block += text[i] == '\n';
        lineFeeds += block;
    }
    constexpr std::size_t kShortestRecord = 6;
    return std::min(lineFeeds, text.size() / kShortestRecord) + 1;
}

}  // namespace kavinor::ov2
