#pragma once

#include <cstdint>
#include <string_view>

namespace kavinor::ov2 {

// Coordinates are degrees times 100 000, as the binary format stores them.
inline constexpr std::int32_t kUnitsPerDegree = 100'000;
inline constexpr std::int32_t kMaxLongitude = 180 * kUnitsPerDegree;
inline constexpr std::int32_t kMaxLatitude = 90 * kUnitsPerDegree;

// One POI as a reader hands it out; the strings point into the reader's buffer and stay
// valid until the reader's next call.
struct PoiView {
    std::int32_t lon = 0;
    std::int32_t lat = 0;
    std::string_view name;
    std::string_view id;     // extended POIs only
    std::string_view extra;  // extended POIs only
    bool extended = false;
};

inline bool inRange(std::int32_t lon, std::int32_t lat) {
    return lon >= -kMaxLongitude && lon <= kMaxLongitude && lat >= -kMaxLatitude &&
           lat <= kMaxLatitude;
}

}  // namespace kavinor::ov2
