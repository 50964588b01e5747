#pragma once

#include "byte_stream.h"
#include "indexed_image.h"

namespace kavinor::icon {

// Writes `image` as an uncompressed Windows bitmap of 4 bits per pixel with its 16-colour
// palette: file header, 40-byte info header, palette, then the rows bottom-up, each padded
// to a multiple of 4 bytes. Throws std::invalid_argument for an image whose pixel count does
// not match its size or that uses an index above 15.
void writeBmp(const IndexedImage& image, ByteSink& out);

}  // namespace kavinor::icon
