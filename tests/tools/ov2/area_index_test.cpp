#include "area_index.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "format_error.h"
#include "ov2_bytes.h"
#include "poi_list.h"

namespace kavinor::ov2 {
namespace {

using test::int32At;
using test::Poi;

struct Input {
    std::string bodies;
    std::vector<IndexedPoi> pois;
    std::vector<Poi> expected;

    void add(std::int32_t lon, std::int32_t lat, const std::string& name) {
        pois.push_back({lon, lat, static_cast<std::uint32_t>(name.size() + 1), bodies.size()});
        bodies += '\x02' + name + '\0';
        expected.push_back({lon, lat, name, "", "", false});
    }
    void addExtended(std::int32_t lon, std::int32_t lat, const std::string& name,
                     const std::string& id, const std::string& extra) {
        const std::string strings = name + '\0' + id + '\0' + extra + '\0';
        pois.push_back({lon, lat, static_cast<std::uint32_t>(strings.size()), bodies.size()});
        bodies += '\x03' + strings;
        expected.push_back({lon, lat, name, id, extra, true});
    }
};

std::string written(Input input) {
    StringSink sink;
    writeIndexedOv2(input.pois, input.bodies.data(), sink);
    return sink.bytes;
}

// Walks one area block and checks what a device relies on: the block length covers exactly
// the records of the area, and every POI inside lies in the skipper's rectangle.
struct AreaCheck {
    const std::string& bytes;
    std::size_t largestLeaf = 0;
    int depth = 0;

    std::size_t walk(std::size_t at, int level) {
        EXPECT_EQ(bytes.at(at), '\x01') << "area expected at " << at;
        const std::size_t end = at + int32At(bytes, at + 1);
        const std::int32_t east = int32At(bytes, at + 5), north = int32At(bytes, at + 9);
        const std::int32_t west = int32At(bytes, at + 13), south = int32At(bytes, at + 17);
        EXPECT_LE(west, east);
        EXPECT_LE(south, north);
        depth = std::max(depth, level);
        std::size_t pos = at + 21, pois = 0;
        while (pos < end) {
            if (bytes[pos] == '\x01') {
                pos = walk(pos, level + 1);
                continue;
            }
            const std::int32_t lon = int32At(bytes, pos + 5), lat = int32At(bytes, pos + 9);
            EXPECT_TRUE(lon >= west && lon <= east && lat >= south && lat <= north);
            pos += int32At(bytes, pos + 1);
            ++pois;
        }
        EXPECT_EQ(pos, end);
        largestLeaf = std::max(largestLeaf, pois);
        return end;
    }
};

Input scattered(int count, unsigned seed) {
    Input input;
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::int32_t> lon(-18000000, 18000000), lat(-9000000, 9000000);
    for (int i = 0; i < count; ++i) {
        const std::string name = std::string("p").append(std::to_string(i));
        if (i % 9 == 0) {
            input.addExtended(lon(random), lat(random), name, "id" + name, i % 2 ? "" : "x");
        } else {
            input.add(lon(random), lat(random), name);
        }
    }
    return input;
}

TEST(AreaIndex, OneSkipperCoversTheFileAndEveryAreaBoundsItsPois) {
    const Input input = scattered(1000, 7);
    const std::string bytes = written(input);
    AreaCheck check{bytes};
    EXPECT_EQ(check.walk(0, 0), bytes.size());
    EXPECT_LE(check.largestLeaf, kMaxPoisPerArea);
    EXPECT_GE(check.depth, 4);  // 1000 POIs need at least five levels of halving
    EXPECT_EQ(test::sorted(test::readOv2(bytes)), test::sorted(input.expected));
}

TEST(AreaIndex, SmallInputsGetOneAreaInInputOrderAndNoInputWritesNothing) {
    Input input;
    input.add(5, 5, "b");
    input.add(1, 1, "a");
    input.add(5, 5, "c");
    const std::string bytes = written(input);
    EXPECT_EQ(int32At(bytes, 1), static_cast<std::int32_t>(bytes.size()));
    EXPECT_EQ(int32At(bytes, 5), 5);   // east
    EXPECT_EQ(int32At(bytes, 9), 5);   // north
    EXPECT_EQ(int32At(bytes, 13), 1);  // west
    EXPECT_EQ(int32At(bytes, 17), 1);  // south
    EXPECT_EQ(test::readOv2(bytes), input.expected);
    EXPECT_EQ(written(Input{}), "");
}

TEST(AreaIndex, SplitsAtTheMedianOfTheWiderSide) {
    Input input;
    // 64 POIs on a line running east: the split must fall between lon 31 and 32.
    for (int i = 63; i >= 0; --i) input.add(i * 1000, 100, "x");
    const std::string bytes = written(input);
    const std::size_t firstArea = 21;
    EXPECT_EQ(int32At(bytes, firstArea + 5), 31 * 1000);  // east of the western half
    EXPECT_EQ(int32At(bytes, firstArea + 13), 0);         // west of the western half
}

TEST(AreaIndex, PoisAtOnePlaceStillSplitAndKeepTheirInputOrder) {
    Input input;
    for (int i = 0; i < 100; ++i)
        input.add(700000, 5000000, std::string("n").append(std::to_string(i)));
    const std::string bytes = written(input);
    AreaCheck check{bytes};
    check.walk(0, 0);
    EXPECT_LE(check.largestLeaf, kMaxPoisPerArea);
    EXPECT_EQ(test::readOv2(bytes), input.expected);
}

TEST(AreaIndex, TiesOnTheSplitAxisAreBrokenByInputOrder) {
    // Forty POIs at four longitudes, ten at each: the western half takes longitudes 0 and 1,
    // whatever order a partition leaves equal keys in, and each half keeps input order.
    Input input;
    for (int i = 0; i < 40; ++i) input.add(i % 4, 0, std::to_string(i));
    std::string west, east;
    for (int i = 0; i < 40; ++i) {
        (i % 4 < 2 ? west : east) += test::simplePoi(i % 4, 0, std::to_string(i));
    }
    const std::string westArea = test::skipper(21 + west.size(), 1, 0, 0, 0) + west;
    const std::string eastArea = test::skipper(21 + east.size(), 3, 0, 2, 0) + east;
    const std::string expected =
        test::skipper(21 + westArea.size() + eastArea.size(), 3, 0, 0, 0) + westArea + eastArea;
    EXPECT_EQ(written(input), expected);
}

}  // namespace
}  // namespace kavinor::ov2
