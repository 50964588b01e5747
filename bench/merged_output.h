#pragma once

#include <cstdint>
#include <filesystem>

namespace kavinor::bench {

struct MergedOutput {
    std::uint64_t pois = 0;
    // FNV-1a 64 of the file's bytes: equal outputs of two builds have equal checksums.
    std::uint64_t checksum = 0;
};

// Reads a run's output through the tools' .ov2 reader. Throws when it is missing or corrupt.
MergedOutput readMergedOutput(const std::filesystem::path& file);

}  // namespace kavinor::bench
