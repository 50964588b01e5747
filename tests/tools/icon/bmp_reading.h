#pragma once

#include <cstdint>
#include <string>

namespace kavinor::icon {

// Little-endian fields of a bitmap, read independently of the writer under test.
inline std::uint32_t le16(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint8_t>(bytes.at(at)) |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes.at(at + 1))) << 8;
}

inline std::uint32_t le32(const std::string& bytes, std::size_t at) {
    return le16(bytes, at) | le16(bytes, at + 2) << 16;
}

}  // namespace kavinor::icon
