#include "poi_files.h"

#include <cstdint>

#include "asc_writer.h"

namespace kavinor::test {
namespace {

Poi samplePoi(std::size_t i) {
    const auto n = static_cast<std::int64_t>(i);
    Poi poi{static_cast<std::int32_t>((n * 7919 + 13) % 36'000'001 - 18'000'000),
            static_cast<std::int32_t>((n * 104'729 + 7) % 18'000'001 - 9'000'000),
            "POI " + std::to_string(i),
            "",
            "",
            i % 7 == 0};
    if (i % 5 == 0) {
        poi.name = "Gasthof \"Zur Post\" " + std::to_string(i);
    } else if (i % 11 == 0) {
        poi.name = "M\xFCnchen " + std::to_string(i);
    } else if (i % 13 == 0) {
        poi.name = "Bäckerei & Söhne; $1 " + std::to_string(i);
    }
    if (poi.extended) {
        poi.id = "ID-" + std::to_string(i);
        poi.extra = "+49 30 \"" + std::to_string(i) + "\"";
    }
    return poi;
}

std::string ov2Records(const std::vector<Poi>& pois) {
    std::string records;
    for (const Poi& p : pois) {
        records += p.extended ? extendedPoi(p.lon, p.lat, p.name, p.id, p.extra)
                              : simplePoi(p.lon, p.lat, p.name);
    }
    return records;
}

}  // namespace

std::vector<Poi> samplePois(std::size_t count) {
    std::vector<Poi> pois;
    for (std::size_t i = 0; i < count; ++i) pois.push_back(samplePoi(i));
    return pois;
}

std::string ov2File(const std::vector<Poi>& pois) {
    return area(ov2Records(pois));
}

std::string sampleOv2(std::size_t count) {
    return ov2Records(samplePois(count));
}

std::string sampleAsc(std::size_t count) {
    return ascFile(samplePois(count));
}

std::string ascFile(const std::vector<Poi>& pois) {
    std::string text;
    for (const Poi& p : pois) {
        ov2::appendAscLine(text, {p.lon, p.lat, p.name, p.id, p.extra, p.extended});
    }
    return text;
}

std::vector<Poi> joined(std::initializer_list<std::vector<Poi>> parts) {
    std::vector<Poi> all;
    for (const std::vector<Poi>& part : parts) all.insert(all.end(), part.begin(), part.end());
    return sorted(all);
}

}  // namespace kavinor::test
