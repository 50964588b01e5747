#pragma once

#include <cstdint>
#include <string>

#include "indexed_image.h"

// What a bitmap file and an icon file store alike: little-endian numbers, the palette and the
// pixel rows of an image of 4 bits per pixel.
namespace kavinor::icon {

// Byte by byte, so the files are the same on every host whatever its byte order.
void put16(std::string& out, std::uint32_t value);
void put32(std::string& out, std::uint32_t value);

// Throws std::invalid_argument for an image whose pixel count does not match its size or that
// uses an index above 15.
void checkImage(const IndexedImage& image);

// The 16 palette entries, each as blue, green, red and a zero byte.
std::string paletteBytes(const IndexedImage& image);

// The rows bottom-up, two pixels a byte with the left one in the high nibble, each row padded to
// a multiple of 4 bytes.
std::string pixelRows(const IndexedImage& image);

}  // namespace kavinor::icon
