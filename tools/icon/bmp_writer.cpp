#include "bmp_writer.h"

#include <cstdint>
#include <string>

#include "bitmap_data.h"

namespace kavinor::icon {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPaletteSize = 16 * 4;
// 96 dots per inch, the resolution the icon is drawn for.
constexpr std::uint32_t kPixelsPerMetre = 3780;

}  // namespace

void writeBmp(const IndexedImage& image, ByteSink& out) {
    checkImage(image);
    const auto width = static_cast<std::uint32_t>(image.width);
    const auto height = static_cast<std::uint32_t>(image.height);
    const std::string rows = pixelRows(image);
    const auto imageSize = static_cast<std::uint32_t>(rows.size());
    const std::uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + kPaletteSize;

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

    out.write(bytes + paletteBytes(image) + rows);
}

}  // namespace kavinor::icon
