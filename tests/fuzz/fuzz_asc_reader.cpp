// Text that reads cleanly makes an .ov2 file of exactly its records, which dumps back to them.
#include "convert.h"
#include "format_error.h"
#include "poi_list.h"

using namespace kavinor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<test::Poi> records;
    try {
        records = test::sorted(test::readAsc(text));
    } catch (const ov2::FormatError&) {
        return 0;
    }
    StringSink ov2;
    ov2::makeFromAsc({text.data(), text.size()}, "fuzz.asc", ov2);
    if (test::sorted(test::readOv2(ov2.bytes)) != records) __builtin_trap();
    MemorySource source(ov2.bytes);
    ov2::Ov2Reader reader(source, ov2.bytes.size(), "fuzz.ov2");
    StringSink dumped;
    ov2::dumpToAsc(reader, dumped);
    if (test::sorted(test::readAsc(dumped.bytes)) != records) __builtin_trap();
    return 0;
}
