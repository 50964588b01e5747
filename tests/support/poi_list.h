#pragma once

// Reads whole files into comparable POI lists for tests.

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <tuple>
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

inline Poi copyOf(const ov2::PoiView& view) {
    return {view.lon,
            view.lat,
            std::string(view.name),
            std::string(view.id),
            std::string(view.extra),
            view.extended};
}

inline std::vector<Poi> readOv2(std::string_view bytes) {
    MemorySource source(bytes);
    ov2::Ov2Reader reader(source, bytes.size(), "test.ov2");
    std::vector<Poi> pois;
    ov2::PoiView view;
    while (reader.next(view)) pois.push_back(copyOf(view));
    return pois;
}

inline std::vector<Poi> readAsc(std::string text) {
    ov2::AscReader reader(std::span<char>(text.data(), text.size()), "test.asc");
    std::vector<Poi> pois;
    ov2::PoiView view;
    while (reader.next(view)) pois.push_back(copyOf(view));
    return pois;
}

inline std::vector<Poi> sorted(std::vector<Poi> pois) {
    std::sort(pois.begin(), pois.end());
    return pois;
}

}  // namespace kavinor::test
