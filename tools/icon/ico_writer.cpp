#include "ico_writer.h"

#include <cstdint>
#include <stdexcept>
#include <string>

#include "bitmap_data.h"

namespace kavinor::icon {
namespace {

constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;

// Info header, palette, pixel rows and the mask. The height in the header counts the mask's rows
// too; an icon leaves the resolution and colour counts 0.
std::string iconImage(const IndexedImage& image) {
    checkImage(image);
    if (image.width > 256 || image.height > 256) {
        throw std::invalid_argument("an icon image has sides of at most 256 pixels");
    }
    const auto width = static_cast<std::uint32_t>(image.width);
    const auto height = static_cast<std::uint32_t>(image.height);
    const std::string rows = pixelRows(image);
    // One bit per pixel, each row padded to a multiple of 4 bytes.
    const std::string mask((width + 31) / 32 * 4 * height, '\0');

    std::string bytes;
    put32(bytes, kInfoHeaderSize);
    put32(bytes, width);
    put32(bytes, 2 * height);
    put16(bytes, 1);  // planes
    put16(bytes, 4);  // bits per pixel
    put32(bytes, 0);  // no compression
    put32(bytes, static_cast<std::uint32_t>(rows.size() + mask.size()));
    bytes.append(16, '\0');
    return bytes + paletteBytes(image) + rows + mask;
}

}  // namespace

void writeIco(const std::vector<IndexedImage>& images, ByteSink& out) {
    const auto count = static_cast<std::uint32_t>(images.size());
    std::string directory;
    put16(directory, 0);
    put16(directory, 1);  // an icon, not a cursor
    put16(directory, count);
    std::string data;
    for (const IndexedImage& image : images) {
        const std::string bytes = iconImage(image);
        // A side of 256 is written as 0.
        directory += static_cast<char>(image.width & 0xFF);
        directory += static_cast<char>(image.height & 0xFF);
        directory += static_cast<char>(16);  // colours
        directory += '\0';
        put16(directory, 1);  // planes
        put16(directory, 4);  // bits per pixel
        put32(directory, static_cast<std::uint32_t>(bytes.size()));
        put32(directory,
              kDirectorySize + kEntrySize * count + static_cast<std::uint32_t>(data.size()));
        data += bytes;
    }
    out.write(directory + data);
}

}  // namespace kavinor::icon
