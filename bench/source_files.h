#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "random.h"

namespace kavinor::bench {

struct SourceFiles {
    std::vector<std::string> names;  // as written, in the order they were made
    std::uint64_t pois = 0;          // of all files together
    std::uint64_t bytes = 0;
};

// Writes `count` .ov2 files into `dir`, named as a user's collection names them ("Blitzer Bayern
// 0042.ov2", "Biergärten_Allgäu 0007.ov2"), each with `minPois` to `maxPois` made-up POIs.
SourceFiles makeSourceFiles(const std::filesystem::path& dir, int count, int minPois, int maxPois,
                            Random& random);

}  // namespace kavinor::bench
