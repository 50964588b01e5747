#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace kavinor::icon {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

// A picture of at most 16 colours: each pixel is an index into the palette.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::array<Rgb, 16> palette{};
    // Row by row, top row first, one palette index per pixel.
    std::vector<std::uint8_t> pixels;
};

}  // namespace kavinor::icon
