#include "area_index.h"

#include <algorithm>
#include <exception>
#include <limits>
#include <thread>
#include <vector>

#include "ov2_writer.h"

namespace kavinor::ov2 {
namespace {

struct Area {
    std::size_t begin;
    std::size_t end;
    std::int32_t east, north, west, south;
    std::uint64_t bytes = 0;
    std::size_t low = 0;  // indexes of the two sub-areas; 0 for a leaf, as the root is no one's
    std::size_t high = 0;
};

constexpr auto inputOrder = [](const IndexedPoi& a, const IndexedPoi& b) {
    return a.bodyOffset < b.bodyOffset;
};
// A coordinate and the input order as one number that orders as the pair does: one
// comparison without a branch on equal coordinates.
inline std::uint64_t orderKey(std::int32_t coordinate, std::uint32_t bodyOffset) {
    const std::uint32_t biased = static_cast<std::uint32_t>(coordinate) ^ 0x8000'0000u;
    return std::uint64_t{biased} << 32 | bodyOffset;
}

Area boundingArea(std::span<const IndexedPoi> pois, std::size_t begin, std::size_t end) {
    Area area{begin,
              end,
              std::numeric_limits<std::int32_t>::min(),
              std::numeric_limits<std::int32_t>::min(),
              std::numeric_limits<std::int32_t>::max(),
              std::numeric_limits<std::int32_t>::max()};
    for (std::size_t i = begin; i < end; ++i) {
        area.east = std::max(area.east, pois[i].lon);
        area.north = std::max(area.north, pois[i].lat);
        area.west = std::min(area.west, pois[i].lon);
        area.south = std::min(area.south, pois[i].lat);
    }
    return area;
}

// Puts the `count` POIs of [first, last) that come first by `key` in front, in no order. A
// large range is first cut by the top bits of the coordinate above the area's edge: one pass
// counts them, one moves the POIs of lower buckets in front, and only the bucket that holds the
// cut is selected exactly. The keys are unique, so the POIs in front are the same as
// nth_element's, whatever way they were found.
template <typename Key>
void selectFirst(IndexedPoi* first, IndexedPoi* last, std::size_t count, std::int32_t edge,
                 std::int64_t width, Key key) {
    constexpr std::size_t kBuckets = 1024;
    constexpr std::size_t kWorthBuckets = 8 * kBuckets;
    const auto n = static_cast<std::size_t>(last - first);
    if (n >= kWorthBuckets) {
        int shift = 0;
        while ((width >> shift) >= static_cast<std::int64_t>(kBuckets)) ++shift;
        const auto bucketOf = [&](const IndexedPoi& poi) {
            return static_cast<std::size_t>((std::int64_t{key.coordinate(poi)} - edge) >> shift);
        };
        std::size_t counts[kBuckets] = {};
        for (const IndexedPoi* poi = first; poi != last; ++poi) ++counts[bucketOf(*poi)];
        std::size_t below = 0;
        std::size_t cut = 0;
        while (below + counts[cut] <= count) below += counts[cut++];
        IndexedPoi* lower =
            std::partition(first, last, [&](const IndexedPoi& poi) { return bucketOf(poi) < cut; });
        IndexedPoi* inCut = std::partition(
            lower, last, [&](const IndexedPoi& poi) { return bucketOf(poi) == cut; });
        last = inCut;
        first = lower;
        count -= below;
    }
    if (count < static_cast<std::size_t>(last - first)) {
        std::nth_element(first, first + count, last, [&](const IndexedPoi& a, const IndexedPoi& b) {
            return key.order(a) < key.order(b);
        });
    }
}

struct LonKey {
    static std::int32_t coordinate(const IndexedPoi& poi) { return poi.lon; }
    static std::uint64_t order(const IndexedPoi& poi) { return orderKey(poi.lon, poi.bodyOffset); }
};
struct LatKey {
    static std::int32_t coordinate(const IndexedPoi& poi) { return poi.lat; }
    static std::uint64_t order(const IndexedPoi& poi) { return orderKey(poi.lat, poi.bodyOffset); }
};

// Moves the POIs of `area` into its two halves at the median of its wider side and returns
// where the second half begins.
std::size_t splitAtMedian(std::span<IndexedPoi> pois, const Area& area) {
    IndexedPoi* first = pois.data() + area.begin;
    IndexedPoi* last = pois.data() + area.end;
    const std::size_t half = (area.end - area.begin) / 2;
    const std::int64_t width = std::int64_t{area.east} - area.west;
    const std::int64_t height = std::int64_t{area.north} - area.south;
    if (width >= height) {
        selectFirst(first, last, half, area.west, width, LonKey{});
    } else {
        selectFirst(first, last, half, area.south, height, LatKey{});
    }
    return area.begin + half;
}

// The area tree over one range of POIs, built depth first and written in the same order.
class AreaTree {
    static constexpr std::size_t kFetchAhead = 16;

public:
    AreaTree(std::span<IndexedPoi> pois, const char* bodies) : pois_(pois), bodies_(bodies) {}

    std::size_t build(std::size_t begin, std::size_t end) {
        const std::size_t index = areas_.size();
        areas_.push_back(boundingArea(pois_, begin, end));
        if (end - begin <= kMaxPoisPerArea) {
            std::sort(pois_.begin() + begin, pois_.begin() + end, inputOrder);
            std::uint64_t bytes = kSkipperRecordSize;
            for (std::size_t i = begin; i < end; ++i) {
                bytes += kPoiFixedRecordSize + pois_[i].stringsSize;
            }
            areas_[index].bytes = bytes;
            return index;
        }
        const std::size_t middle = splitAtMedian(pois_, areas_[index]);
        const std::size_t low = build(begin, middle);
        const std::size_t high = build(middle, end);
        areas_[index].low = low;
        areas_[index].high = high;
        areas_[index].bytes = kSkipperRecordSize + areas_[low].bytes + areas_[high].bytes;
        return index;
    }

    void write(ChunkWriter& out) const { write(0, out); }

    std::uint64_t bytes() const { return areas_.front().bytes; }

private:
    void write(std::size_t index, ChunkWriter& out) const {
        const Area& area = areas_[index];
        writeSkipper(out, static_cast<std::int32_t>(area.bytes), area.east, area.north, area.west,
                     area.south);
        if (area.low == 0) {
            for (std::size_t i = area.begin; i < area.end; ++i) {
                // The leaves lie one after another in the list, while their bodies lie in
                // input order all over the text: the body a few POIs on is fetched early.
                if (i + kFetchAhead < pois_.size()) {
                    __builtin_prefetch(bodies_ + pois_[i + kFetchAhead].bodyOffset);
                }
                const IndexedPoi& poi = pois_[i];
                const char* body = bodies_ + poi.bodyOffset;
                writePoiRecord(out, body[0] == 3, poi.lon, poi.lat, {body + 1, poi.stringsSize});
            }
            return;
        }
        write(area.low, out);
        write(area.high, out);
    }

    std::span<IndexedPoi> pois_;
    const char* bodies_;
    std::vector<Area> areas_;
};

// Runs `here` on this thread and `there` on one of its own, both to their end, then rethrows the
// first failure, this thread's first: a thread is never left running while its caller unwinds.
template <typename Here, typename There>
void sideBySide(Here here, There there) {
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            there();
        } catch (...) {
            failure = std::current_exception();
        }
    });
    try {
        here();
    } catch (...) {
        worker.join();
        throw;
    }
    worker.join();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace

void writeIndexedOv2(std::span<IndexedPoi> pois, const char* bodies, ByteSink& sink,
                     bool oneThread) {
    if (pois.empty()) return;
    if (oneThread || pois.size() <= kMaxPoisPerArea || std::thread::hardware_concurrency() < 2) {
        AreaTree tree(pois, bodies);
        tree.build(0, pois.size());
        checkOv2Size(tree.bytes());
        ChunkWriter out(sink);
        tree.write(out);
        out.flush();
        return;
    }
    // The two halves of the whole area share nothing, so the second is built on a thread of
    // its own. The bytes are the same as from one tree over the whole.
    const Area root = boundingArea(pois, 0, pois.size());
    const std::size_t middle = splitAtMedian(pois, root);
    AreaTree low(pois, bodies);
    AreaTree high(pois, bodies);
    sideBySide([&] { low.build(0, middle); }, [&] { high.build(middle, pois.size()); });

    const std::uint64_t bytes = kSkipperRecordSize + low.bytes() + high.bytes();
    checkOv2Size(bytes);
    const auto writeRootAndLow = [&](ChunkWriter& out) {
        writeSkipper(out, static_cast<std::int32_t>(bytes), root.east, root.north, root.west,
                     root.south);
        low.write(out);
    };
    if (!sink.takesWritesAt()) {
        ChunkWriter out(sink);
        writeRootAndLow(out);
        high.write(out);
        out.flush();
        return;
    }
    // Each half's place in the file is known from its size, so a file takes the second half
    // from a thread of its own.
    sideBySide(
        [&] {
            SinkAt at(sink, 0);
            ChunkWriter out(at);
            writeRootAndLow(out);
            out.flush();
        },
        [&] {
            SinkAt at(sink, kSkipperRecordSize + low.bytes());
            ChunkWriter out(at);
            high.write(out);
            out.flush();
        });
}

}  // namespace kavinor::ov2
