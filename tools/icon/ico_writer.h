#pragma once

#include <vector>

#include "byte_stream.h"
#include "indexed_image.h"

namespace kavinor::icon {

// Writes `images` as a Windows icon file, one directory entry each in the given order: 4 bits per
// pixel with the image's palette, then an AND mask that is all clear, so every pixel is drawn.
// Throws std::invalid_argument for an image that writeBmp refuses or one with a side above 256.
void writeIco(const std::vector<IndexedImage>& images, ByteSink& out);

}  // namespace kavinor::icon
