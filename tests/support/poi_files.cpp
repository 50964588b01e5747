#include "poi_files.h"

#include <algorithm>
#include <cstdint>

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

std::string degrees(std::int32_t units) {
    const std::int64_t magnitude = units < 0 ? -std::int64_t{units} : units;
    std::string fraction = std::to_string(magnitude % 100'000);
    fraction.insert(0, 5 - fraction.size(), '0');
    return (units < 0 ? "-" : "") + std::to_string(magnitude / 100'000) + "." + fraction;
}

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        out += c;
        if (c == '"') out += '"';
    }
    return out + '"';
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
        text += degrees(p.lon) + "," + degrees(p.lat) + "," + quoted(p.name);
        if (p.extended) text += "," + quoted(p.id) + "," + quoted(p.extra);
        text += "\r\n";
    }
    return text;
}

std::vector<Poi> joined(std::initializer_list<std::vector<Poi>> parts) {
    std::vector<Poi> all;
    for (const std::vector<Poi>& part : parts) all.insert(all.end(), part.begin(), part.end());
    return sorted(all);
}

std::vector<std::string> sortedLines(std::string_view text) {
    std::vector<std::string> lines;
    for (std::size_t end; (end = text.find("\r\n")) != std::string_view::npos;) {
        lines.emplace_back(text.substr(0, end));
        text.remove_prefix(end + 2);
    }
    if (!text.empty()) lines.emplace_back(text);
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace kavinor::test
