#include "merged_output.h"

#include <string_view>

#include "byte_stream.h"
#include "input_file.h"
#include "ov2_reader.h"

namespace kavinor::bench {
namespace {

std::uint64_t fnv1a64(std::string_view bytes) {
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 0x100000001B3ULL;
    }
    return hash;
}

}  // namespace

MergedOutput readMergedOutput(const std::filesystem::path& file) {
    const FileContents contents = readWholeFile(file, file.string());
    const std::string_view bytes(contents.data.get(), contents.size);
    MemorySource source(bytes);
    ov2::Ov2Reader reader(source, bytes.size(), file.string());
    MergedOutput output;
    ov2::PoiView poi;
    while (reader.next(poi)) ++output.pois;
    output.checksum = fnv1a64(bytes);
    return output;
}

}  // namespace kavinor::bench
