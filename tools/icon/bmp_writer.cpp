#include "bmp_writer.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kavinor::icon {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPaletteSize = 16 * 4;
// 96 dots per inch, the resolution the icon is drawn for.
constexpr std::uint32_t kPixelsPerMetre = 3780;

// Byte by byte, so the file is the same on every host whatever its byte order.
void put16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void check(const IndexedImage& image) {
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

}  // namespace

void writeBmp(const IndexedImage& image, ByteSink& out) {
    check(image);
    const auto width = static_cast<std::uint32_t>(image.width);
    const auto height = static_cast<std::uint32_t>(image.height);
    const std::uint32_t rowSize = (width + 7) / 8 * 4;
    const std::uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + kPaletteSize;
    const std::uint32_t imageSize = rowSize * height;

    std::string bytes;
    bytes.reserve(pixelOffset + imageSize);
    bytes += "BM";
    put32(bytes, pixelOffset + imageSize);
    put32(bytes, 0);  // two reserved 16-bit fields
    put32(bytes, pixelOffset);

    put32(bytes, kInfoHeaderSize);
    put32(bytes, width);
    put32(bytes, height);  // positive: the rows are stored bottom-up
    put16(bytes, 1);       // planes
    put16(bytes, 4);       // bits per pixel
    put32(bytes, 0);       // no compression
    put32(bytes, imageSize);
    put32(bytes, kPixelsPerMetre);
    put32(bytes, kPixelsPerMetre);
    put32(bytes, 16);  // colours used
    put32(bytes, 0);   // all colours important

    for (const Rgb& colour : image.palette) {
        bytes += static_cast<char>(colour.blue);
        bytes += static_cast<char>(colour.green);
        bytes += static_cast<char>(colour.red);
        bytes += '\0';
    }

    for (std::uint32_t y = height; y-- > 0;) {
        const std::uint8_t* row = image.pixels.data() + std::size_t{y} * width;
        std::string packed(rowSize, '\0');
        for (std::uint32_t x = 0; x < width; ++x) {
            // The left pixel of each pair sits in the high nibble.
            const int shift = x % 2 == 0 ? 4 : 0;
            packed[x / 2] = static_cast<char>(packed[x / 2] | (row[x] << shift));
        }
        bytes += packed;
    }
    out.write(bytes);
}

}  // namespace kavinor::icon
