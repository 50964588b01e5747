// Bytes that read cleanly survive the trip through text and back with every POI exact.
#include "convert.h"
#include "format_error.h"
#include "poi_list.h"

using namespace kavinor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<test::Poi> pois;
    StringSink text;
    try {
        pois = test::sorted(test::readOv2(bytes));
        MemorySource source(bytes);
        ov2::Ov2Reader reader(source, bytes.size(), "fuzz.ov2");
        ov2::dumpToAsc(reader, text);
    } catch (const ov2::FormatError&) {
        return 0;  // corrupt, or a name with a line break, which the text form cannot carry
    }
    StringSink remade;
    ov2::makeFromAsc({text.bytes.data(), text.bytes.size()}, "fuzz.asc", remade);
    if (test::sorted(test::readOv2(remade.bytes)) != pois) __builtin_trap();
    return 0;
}
