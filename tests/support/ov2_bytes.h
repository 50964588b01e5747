#pragma once

// Hand-made .ov2 records for tests, built without the library's own writer so that the
// writer and the readers are each checked against an independent encoding.

#include <cstdint>
#include <string>
#include <string_view>

namespace kavinor::test {

inline std::string int32le(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    return {static_cast<char>(bits & 0xFF), static_cast<char>((bits >> 8) & 0xFF),
            static_cast<char>((bits >> 16) & 0xFF), static_cast<char>((bits >> 24) & 0xFF)};
}

// A POI record: type, length, lon, lat, then its NUL-ended strings.
inline std::string poiRecord(char type, std::int32_t lon, std::int32_t lat,
                             const std::string& strings) {
    return std::string(1, type) + int32le(static_cast<std::int32_t>(13 + strings.size())) +
           int32le(lon) + int32le(lat) + strings;
}

inline std::string simplePoi(std::int32_t lon, std::int32_t lat, std::string_view name) {
    return poiRecord('\x02', lon, lat, std::string(name) + '\0');
}

inline std::string extendedPoi(std::int32_t lon, std::int32_t lat, std::string_view name,
                               std::string_view id, std::string_view extra) {
    return poiRecord('\x03', lon, lat,
                     std::string(name) + '\0' + std::string(id) + '\0' + std::string(extra) + '\0');
}

// Type 1: block length, east, north, west, south.
inline std::string skipper(std::int32_t blockLength, std::int32_t east, std::int32_t north,
                           std::int32_t west, std::int32_t south) {
    return std::string(1, '\x01') + int32le(blockLength) + int32le(east) + int32le(north) +
           int32le(west) + int32le(south);
}

// A skipper over `records`, with a rectangle that a reader does not check.
inline std::string area(const std::string& records) {
    return skipper(static_cast<std::int32_t>(21 + records.size()), 1, 1, 0, 0) + records;
}

// Type 0 of `length` bytes in all.
inline std::string deletedRecord(std::int32_t length) {
    return std::string(1, '\0') + int32le(length) +
           std::string(static_cast<std::size_t>(length) - 5, 'x');
}

}  // namespace kavinor::test
