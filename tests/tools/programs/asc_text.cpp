#include "asc_text.h"

#include <algorithm>

#include "ov2_bytes.h"
#include "poi_list.h"

namespace kavinor::test {
namespace {

Poi samplePoi(std::size_t i) {
    const auto n = static_cast<std::int64_t>(i);
    Poi poi;
    poi.lon = static_cast<std::int32_t>((n * 7919 + 13) % 36'000'001 - 18'000'000);
    poi.lat = static_cast<std::int32_t>((n * 104'729 + 7) % 18'000'001 - 9'000'000);
    const std::string number = std::to_string(i);
    if (i % 5 == 0) {
        poi.name = "Gasthof \"Zur Post\" " + number;
    } else if (i % 11 == 0) {
        poi.name = "M\xFCnchen " + number;
    } else if (i % 13 == 0) {
        poi.name = "Bäckerei & Söhne; $1 " + number;
    } else {
        poi.name = "POI " + number;
    }
    poi.extended = i % 7 == 0;
    if (poi.extended) {
        poi.id = "ID-" + number;
        poi.extra = "+49 30 \"" + number + "\"";
    }
    return poi;
}

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        out += c;
        if (c == '"') out += '"';
    }
    return out + '"';
}

}  // namespace

std::string degrees(std::int32_t units) {
    const std::int64_t magnitude = units < 0 ? -std::int64_t{units} : units;
    std::string fraction = std::to_string(magnitude % 100'000);
    fraction.insert(0, 5 - fraction.size(), '0');
    std::string text = units < 0 ? "-" : "";
    return text + std::to_string(magnitude / 100'000) + "." + fraction;
}

std::string sampleAsc(std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        const Poi poi = samplePoi(i);
        text += degrees(poi.lon) + "," + degrees(poi.lat) + "," + quoted(poi.name);
        if (poi.extended)
            text.append(",").append(quoted(poi.id)).append(",").append(quoted(poi.extra));
        text += "\r\n";
    }
    return text;
}

std::string sampleOv2(std::size_t count) {
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i) {
        const Poi poi = samplePoi(i);
        bytes += poi.extended ? extendedPoi(poi.lon, poi.lat, poi.name, poi.id, poi.extra)
                              : simplePoi(poi.lon, poi.lat, poi.name);
    }
    return bytes;
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
