#include "bmp_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>

#include "bmp_reading.h"

namespace kavinor::icon {
namespace {

// 3 x 2 pixels: odd width, so each row ends in a lone high nibble and is padded to 4 bytes.
IndexedImage smallImage() {
    IndexedImage image;
    image.width = 3;
    image.height = 2;
    for (int i = 0; i < 16; ++i) {
        image.palette[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(0x10 + i),
                            static_cast<std::uint8_t>(0x20 + i)};
    }
    image.pixels = {0x1, 0x2, 0x3,   // top row
                    0xA, 0xB, 0xC};  // bottom row
    return image;
}

std::string encode(const IndexedImage& image) {
    StringSink sink;
    writeBmp(image, sink);
    return sink.bytes;
}

TEST(BmpWriter, HeadersDescribeAFourBitBottomUpBitmap) {
    const std::string bmp = encode(smallImage());
    const std::uint32_t pixelOffset = 14 + 40 + 16 * 4;
    ASSERT_EQ(bmp.size(), pixelOffset + 2 * 4);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(le32(bmp, 2), bmp.size());
    EXPECT_EQ(le32(bmp, 6), 0u);
    EXPECT_EQ(le32(bmp, 10), pixelOffset);
    EXPECT_EQ(le32(bmp, 14), 40u);
    EXPECT_EQ(le32(bmp, 18), 3u);
    EXPECT_EQ(le32(bmp, 22), 2u);
    EXPECT_EQ(le16(bmp, 26), 1u);
    EXPECT_EQ(le16(bmp, 28), 4u);
    EXPECT_EQ(le32(bmp, 30), 0u);
    EXPECT_EQ(le32(bmp, 34), 2u * 4);
    EXPECT_EQ(le32(bmp, 46), 16u);
}

TEST(BmpWriter, PaletteIsStoredBlueGreenRedZero) {
    const std::string bmp = encode(smallImage());
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(bmp.substr(54 + 4 * i, 4),
                  std::string({static_cast<char>(0x20 + i), static_cast<char>(0x10 + i),
                               static_cast<char>(i), '\0'}))
            << "entry " << i;
    }
}

TEST(BmpWriter, RowsGoBottomUpLeftPixelInHighNibblePaddedToFourBytes) {
    const std::string bmp = encode(smallImage());
    EXPECT_EQ(bmp.substr(118), std::string("\xAB\xC0\0\0\x12\x30\0\0", 8));
}

TEST(BmpWriter, RowSizeRoundsUpToWholeFourByteWords) {
    for (const auto& [width, rowSize] : {std::pair{1, 4}, {8, 4}, {9, 8}, {32, 16}}) {
        IndexedImage image;
        image.width = width;
        image.height = 3;
        image.pixels.assign(static_cast<std::size_t>(width) * 3, 0xF);
        const std::string bmp = encode(image);
        EXPECT_EQ(le32(bmp, 34), static_cast<std::uint32_t>(rowSize * 3)) << "width " << width;
        EXPECT_EQ(bmp.size(), 118u + rowSize * 3) << "width " << width;
    }
}

TEST(BmpWriter, RefusesImagesItCannotEncode) {
    IndexedImage image = smallImage();
    image.pixels.pop_back();
    EXPECT_THROW(encode(image), std::invalid_argument);
    image = smallImage();
    image.pixels[4] = 16;
    EXPECT_THROW(encode(image), std::invalid_argument);
}

}  // namespace
}  // namespace kavinor::icon
