#include "data_set.h"

#include <cstdint>
#include <string>

#include "asc_writer.h"
#include "atomic_file.h"
#include "convert.h"
#include "poi.h"
#include "poi_strings.h"

namespace kavinor::bench {
namespace {

struct Box {
    std::int32_t west, east, south, north;
};

// Most POIs of a collection for German drivers lie in Germany, the rest anywhere in Europe.
constexpr Box kGermany{587'000, 1'504'000, 4'727'000, 5'506'000};
constexpr Box kEurope{-1'000'000, 3'000'000, 3'600'000, 7'000'000};
constexpr int kPercentInGermany = 85;
constexpr int kPercentExtended = 2;

std::int32_t coordinate(Random& random, std::int32_t low, std::int32_t high) {
    return static_cast<std::int32_t>(random.between(low, high));
}

}  // namespace

void writeOv2File(const std::filesystem::path& file, int pois, Random& random) {
    std::string text;
    std::string name, id, extra;
    for (int i = 0; i < pois; ++i) {
        const Box& box = random.percent(kPercentInGermany) ? kGermany : kEurope;
        ov2::PoiView poi;
        poi.lon = coordinate(random, box.west, box.east);
        poi.lat = coordinate(random, box.south, box.north);
        name = makePoiName(random);
        poi.name = name;
        poi.extended = random.percent(kPercentExtended);
        if (poi.extended) {
            id = makePoiId(random);
            extra = makePoiExtra(random);
            poi.id = id;
            poi.extra = extra;
        }
        ov2::appendAscLine(text, poi);
    }
    AtomicFile target(file, file.string());
    ov2::makeFromAsc(text, file.string(), target);
    target.commit();
}

}  // namespace kavinor::bench
