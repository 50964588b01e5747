#include "area_index.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "format_error.h"
#include "ov2_writer.h"

namespace kavinor::ov2 {
namespace {

struct Area {
    std::size_t begin;
    std::size_t end;
    std::int32_t east, north, west, south;
    std::uint64_t bytes;
    std::size_t low = 0;  // indexes of the two sub-areas; 0 for a leaf, as the root is no one's
    std::size_t high = 0;
};

class IndexBuilder {
public:
    explicit IndexBuilder(std::span<IndexedPoi> pois) : pois_(pois) {}

    std::size_t build(std::size_t begin, std::size_t end) {
        const std::size_t index = areas_.size();
        areas_.push_back(boundingArea(begin, end));
        if (end - begin <= kMaxPoisPerArea) {
            std::sort(pois_.begin() + begin, pois_.begin() + end, inputOrder);
            std::uint64_t bytes = kSkipperRecordSize;
            for (std::size_t i = begin; i < end; ++i) {
                bytes += kPoiFixedRecordSize + pois_[i].stringsSize;
            }
            areas_[index].bytes = bytes;
            return index;
        }
        const Area& area = areas_[index];
        const bool byLon =
            std::int64_t{area.east} - area.west >= std::int64_t{area.north} - area.south;
        const std::size_t middle = begin + (end - begin) / 2;
        // Two calls rather than one with a chosen function pointer: each comparison inlines.
        if (byLon) {
            std::nth_element(pois_.begin() + begin, pois_.begin() + middle, pois_.begin() + end,
                             lonOrder);
        } else {
            std::nth_element(pois_.begin() + begin, pois_.begin() + middle, pois_.begin() + end,
                             latOrder);
        }
        const std::size_t low = build(begin, middle);
        const std::size_t high = build(middle, end);
        areas_[index].low = low;
        areas_[index].high = high;
        areas_[index].bytes = kSkipperRecordSize + areas_[low].bytes + areas_[high].bytes;
        return index;
    }

    void write(std::size_t index, const char* strings, ByteSink& sink) const {
        const Area& area = areas_[index];
        writeSkipper(sink, static_cast<std::int32_t>(area.bytes), area.east, area.north, area.west,
                     area.south);
        if (area.low == 0) {
            for (std::size_t i = area.begin; i < area.end; ++i) {
                const IndexedPoi& poi = pois_[i];
                writePoiRecord(sink, poi.extended, poi.lon, poi.lat,
                               {strings + poi.stringsOffset, poi.stringsSize});
            }
            return;
        }
        write(area.low, strings, sink);
        write(area.high, strings, sink);
    }

    std::uint64_t totalBytes() const { return areas_.front().bytes; }

private:
    Area boundingArea(std::size_t begin, std::size_t end) const {
        Area area{begin,
                  end,
                  std::numeric_limits<std::int32_t>::min(),
                  std::numeric_limits<std::int32_t>::min(),
                  std::numeric_limits<std::int32_t>::max(),
                  std::numeric_limits<std::int32_t>::max(),
                  0};
        for (std::size_t i = begin; i < end; ++i) {
            area.east = std::max(area.east, pois_[i].lon);
            area.north = std::max(area.north, pois_[i].lat);
            area.west = std::min(area.west, pois_[i].lon);
            area.south = std::min(area.south, pois_[i].lat);
        }
        return area;
    }

    static constexpr auto inputOrder = [](const IndexedPoi& a, const IndexedPoi& b) {
        return a.stringsOffset < b.stringsOffset;
    };
    static constexpr auto lonOrder = [](const IndexedPoi& a, const IndexedPoi& b) {
        return a.lon != b.lon ? a.lon < b.lon : a.stringsOffset < b.stringsOffset;
    };
    static constexpr auto latOrder = [](const IndexedPoi& a, const IndexedPoi& b) {
        return a.lat != b.lat ? a.lat < b.lat : a.stringsOffset < b.stringsOffset;
    };

    std::span<IndexedPoi> pois_;
    std::vector<Area> areas_;
};

}  // namespace

void writeIndexedOv2(std::span<IndexedPoi> pois, const char* strings, ByteSink& sink) {
    if (pois.empty()) return;
    IndexBuilder builder(pois);
    builder.build(0, pois.size());
    if (builder.totalBytes() >
        static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
        throw FormatError("the POIs need more than the 2 GiB an .ov2 file can hold");
    }
    builder.write(0, strings, sink);
}

}  // namespace kavinor::ov2
