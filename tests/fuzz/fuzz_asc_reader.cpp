// Feeds arbitrary text to the .asc reader. Bad text must end in a FormatError; text that
// reads cleanly must give an .ov2 file holding exactly its records, which dumps back to
// text holding them too.
#include <cstddef>
#include <cstdint>

#include "convert.h"
#include "format_error.h"
#include "poi_list.h"

using namespace kavinor;
using namespace kavinor::ov2;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<test::Poi> records;
    try {
        records = test::sorted(test::readAsc(text));
    } catch (const FormatError&) {
        return 0;
    }

    std::string scratch = text;
    StringSink ov2;
    makeFromAsc(std::span<char>(scratch.data(), scratch.size()), "fuzz.asc", ov2);
    if (test::sorted(test::readOv2(ov2.bytes)) != records) __builtin_trap();

    MemorySource source(ov2.bytes);
    Ov2Reader reader(source, ov2.bytes.size(), "fuzz.ov2");
    StringSink dumped;
    dumpToAsc(reader, dumped);
    if (test::sorted(test::readAsc(dumped.bytes)) != records) __builtin_trap();
    return 0;
}
