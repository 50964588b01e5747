#include "area_index.h"

#include <gtest/gtest.h>

#include <random>

#include "ov2_bytes.h"
#include "poi_list.h"

namespace kavinor::ov2 {
namespace {

using test::int32At;
using test::Poi;
using test::skipper;

// The bodies and index entries that writeIndexedOv2 takes, and the POIs they stand for.
struct Input {
    std::string bodies;
    std::vector<IndexedPoi> pois;
    std::vector<Poi> expected;

    void add(std::int32_t lon, std::int32_t lat, const std::string& name, bool extended = false) {
        const std::string strings =
            extended ? name + '\0' + "id" + name + '\0' + '\0' : name + '\0';
        pois.push_back({lon, lat, static_cast<std::uint32_t>(strings.size()), bodies.size()});
        bodies += (extended ? '\x03' : '\x02') + strings;
        expected.push_back({lon, lat, name, extended ? "id" + name : "", "", extended});
    }
    std::string written() {
        StringSink sink;
        writeIndexedOv2(pois, bodies.data(), sink);
        return sink.bytes;
    }
};

// Walks the area block at `at`: its length covers exactly its records, and its rectangle holds
// every POI inside. Returns where the block ends.
std::size_t walk(const std::string& bytes, std::size_t at, std::size_t& largestLeaf) {
    EXPECT_EQ(bytes.at(at), '\x01') << "area expected at " << at;
    const std::size_t end = at + int32At(bytes, at + 1);
    const std::int32_t east = int32At(bytes, at + 5), north = int32At(bytes, at + 9);
    const std::int32_t west = int32At(bytes, at + 13), south = int32At(bytes, at + 17);
    std::size_t pos = at + 21, pois = 0;
    while (pos < end && bytes[pos] == '\x01') pos = walk(bytes, pos, largestLeaf);
    for (; pos < end; ++pois, pos += int32At(bytes, pos + 1)) {
        const std::int32_t lon = int32At(bytes, pos + 5), lat = int32At(bytes, pos + 9);
        EXPECT_TRUE(lon >= west && lon <= east && lat >= south && lat <= north) << pos;
    }
    EXPECT_EQ(pos, end);
    largestLeaf = std::max(largestLeaf, pois);
    return end;
}

// Scattered POIs, and a hundred at one place, which must still be split.
TEST(AreaIndex, AreasNestAndBoundTheirPois) {
    Input input;
    std::mt19937 random(7);
    std::uniform_int_distribution<std::int32_t> lon(-18000000, 18000000), lat(-9000000, 9000000);
    for (int i = 0; i < 1000; ++i)
        input.add(lon(random), lat(random), "p" + std::to_string(i), i % 9 == 0);
    for (int i = 0; i < 100; ++i) input.add(700000, 5000000, "n" + std::to_string(i));
    const std::string bytes = input.written();
    std::size_t largestLeaf = 0;
    EXPECT_EQ(walk(bytes, 0, largestLeaf), bytes.size());
    EXPECT_LE(largestLeaf, kMaxPoisPerArea);
    EXPECT_EQ(test::sorted(test::readOv2(bytes)), test::sorted(input.expected));
    EXPECT_EQ(Input{}.written(), "");
}

// Forty POIs at four latitudes, ten at each: the southern half takes latitudes 0 and 1 whatever
// order a partition leaves equal keys in, and each half keeps input order. Sixty-four on a line
// running east split between longitudes 31 and 32.
TEST(AreaIndex, SplitsAtTheMedianOfTheWiderSideBreakingTiesByInputOrder) {
    Input input;
    std::string south, north;
    for (int i = 0; i < 40; ++i) {
        input.add(0, i % 4, std::to_string(i));
        (i % 4 < 2 ? south : north) += test::simplePoi(0, i % 4, std::to_string(i));
    }
    const std::string southArea = skipper(21 + south.size(), 0, 1, 0, 0) + south;
    const std::string northArea = skipper(21 + north.size(), 0, 3, 0, 2) + north;
    EXPECT_EQ(input.written(), skipper(21 + southArea.size() + northArea.size(), 0, 3, 0, 0) +
                                   southArea + northArea);

    Input line;
    for (int i = 63; i >= 0; --i) line.add(i * 1000, 100, "x");
    EXPECT_EQ(line.written().substr(21, 21), skipper(21 + 32 * 15, 31000, 100, 0, 100));
}

}  // namespace
}  // namespace kavinor::ov2
