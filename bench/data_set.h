#pragma once

#include <filesystem>

#include "random.h"

namespace kavinor::bench {

// Writes an .ov2 file of `pois` made-up POIs through the tools' own text reader and .ov2
// writer, so the file carries the area index that real files of ours have.
void writeOv2File(const std::filesystem::path& file, int pois, Random& random);

}  // namespace kavinor::bench
