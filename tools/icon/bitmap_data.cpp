#include "bitmap_data.h"

#include <stdexcept>

namespace kavinor::icon {

void put16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void checkImage(const IndexedImage& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) {
        throw std::invalid_argument("image of " + std::to_string(image.width) + " x " +
                                    std::to_string(image.height) + " pixels holds " +
                                    std::to_string(image.pixels.size()));
    }
    for (std::uint8_t index : image.pixels) {
        if (index > 15) throw std::invalid_argument("palette index above 15");
    }
}

std::string paletteBytes(const IndexedImage& image) {
    std::string bytes;
    for (const Rgb& colour : image.palette) {
        bytes += static_cast<char>(colour.blue);
        bytes += static_cast<char>(colour.green);
        bytes += static_cast<char>(colour.red);
        bytes += '\0';
    }
    return bytes;
}

std::string pixelRows(const IndexedImage& image) {
    const auto width = static_cast<std::size_t>(image.width);
    const std::size_t rowSize = (width + 7) / 8 * 4;
    std::string bytes;
    bytes.reserve(rowSize * image.height);
    for (std::size_t y = image.height; y-- > 0;) {
        const std::uint8_t* row = image.pixels.data() + y * width;
        std::string packed(rowSize, '\0');
        for (std::size_t x = 0; x < width; ++x) {
            const int shift = x % 2 == 0 ? 4 : 0;
            packed[x / 2] = static_cast<char>(packed[x / 2] | (row[x] << shift));
        }
        bytes += packed;
    }
    return bytes;
}

}  // namespace kavinor::icon
