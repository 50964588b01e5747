// Feeds arbitrary bytes to the .ov2 reader. Corrupt input must end in a FormatError; input
// that reads cleanly must survive the trip through text and back with every POI exact.
#include <cstddef>
#include <cstdint>

#include "convert.h"
#include "format_error.h"
#include "poi_list.h"

using namespace kavinor;
using namespace kavinor::ov2;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<test::Poi> pois;
    try {
        pois = test::readOv2(bytes);
    } catch (const FormatError&) {
        return 0;
    }
    for (const test::Poi& poi : pois) {
        if (!inRange(poi.lon, poi.lat)) __builtin_trap();
    }

    MemorySource source(bytes);
    Ov2Reader reader(source, bytes.size(), "fuzz.ov2");
    StringSink text;
    try {
        dumpToAsc(reader, text);
    } catch (const FormatError&) {
        return 0;  // a name with a line break, which the text form cannot carry
    }
    StringSink remade;
    makeFromAsc(std::span<char>(text.bytes.data(), text.bytes.size()), "fuzz.asc", remade);
    if (test::sorted(test::readOv2(remade.bytes)) != test::sorted(pois)) {
        __builtin_trap();
    }
    return 0;
}
