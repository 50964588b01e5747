#pragma once

// Reads whole files into comparable POI lists for tests.

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "asc_reader.h"
#include "byte_stream.h"
#include "ov2_reader.h"

namespace kavinor::test {

struct Poi {
    std::int32_t lon;
    std::int32_t lat;
    std::string name;
    std::string id;
    std::string extra;
    bool extended;
    bool operator==(const Poi&) const = default;
    auto operator<=>(const Poi&) const = default;
};

// Every POI `reader` hands out, in its order.
template <typename Reader>
std::vector<Poi> readAll(Reader&& reader) {
    std::vector<Poi> pois;
    for (ov2::PoiView v; reader.next(v);) {
        pois.push_back({v.lon, v.lat, std::string(v.name), std::string(v.id), std::string(v.extra),
                        v.extended});
    }
    return pois;
}

inline std::vector<Poi> readOv2(std::string_view bytes) {
    MemorySource source(bytes);
    return readAll(ov2::Ov2Reader(source, bytes.size(), "test.ov2"));
}

inline std::vector<Poi> readAsc(std::string text) {
    return readAll(ov2::AscReader(std::span<char>(text.data(), text.size()), "test.asc"));
}

inline std::vector<Poi> sorted(std::vector<Poi> pois) {
    std::sort(pois.begin(), pois.end());
    return pois;
}

}  // namespace kavinor::test
