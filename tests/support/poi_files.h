#pragma once

// Whole .ov2 files (encoded by hand) and .asc files made of POI lists for tests, and the POIs a
// merge of several must hold.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "asc_writer.h"
#include "ov2_bytes.h"
#include "poi_list.h"

namespace kavinor::test {

inline std::string ov2Records(const std::vector<Poi>& pois) {
    std::string records;
    for (const Poi& p : pois) {
        records += p.extended ? extendedPoi(p.lon, p.lat, p.name, p.id, p.extra)
                              : simplePoi(p.lon, p.lat, p.name);
    }
    return records;
}

// The .ov2 records of `pois` within one area.
inline std::string ov2File(const std::vector<Poi>& pois) {
    return area(ov2Records(pois));
}

// The .asc lines of `pois`, as the tools write them.
inline std::string ascFile(const std::vector<Poi>& pois) {
    std::string text;
    for (const Poi& p : pois) {
        ov2::appendAscLine(text, {p.lon, p.lat, p.name, p.id, p.extra, p.extended});
    }
    return text;
}

// `count` POIs spread over the world with distinct names, some extended, some with quotes,
// umlauts, Windows-1252 bytes and shell characters; their records and their lines.
inline std::vector<Poi> samplePois(std::size_t count) {
    std::vector<Poi> pois;
    for (std::size_t i = 0; i < count; ++i) {
        const auto n = static_cast<std::int64_t>(i);
        const std::string number = std::to_string(i);
        Poi& poi =
            pois.emplace_back(static_cast<std::int32_t>((n * 7919 + 13) % 36'000'001 - 18'000'000),
                              static_cast<std::int32_t>((n * 104'729 + 7) % 18'000'001 - 9'000'000),
                              "POI " + number, "", "", i % 7 == 0);
        if (i % 5 == 0) {
            poi.name = "Gasthof \"Zur Post\" " + number;
        } else if (i % 11 == 0) {
            poi.name = "M\xFCnchen " + number;
        } else if (i % 13 == 0) {
            poi.name = "Bäckerei & Söhne; $1 " + number;
        }
        if (poi.extended) {
            poi.id = "ID-" + number;
            poi.extra = "+49 30 \"" + number + "\"";
        }
    }
    return pois;
}

inline std::string sampleOv2(std::size_t count) {
    return ov2Records(samplePois(count));
}

inline std::string sampleAsc(std::size_t count) {
    return ascFile(samplePois(count));
}

// All POIs of `parts`, sorted, for comparing with what a merge made.
inline std::vector<Poi> joined(std::initializer_list<std::vector<Poi>> parts) {
    std::vector<Poi> all;
    for (const std::vector<Poi>& part : parts) all.insert(all.end(), part.begin(), part.end());
    return sorted(all);
}

}  // namespace kavinor::test
