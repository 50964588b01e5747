#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kavinor::test {

// Degrees with five decimals, as dumpov2 writes them: -12776 gives "-0.12776".
std::string degrees(std::int32_t units);

// `count` POIs spread over the world with distinct names, some extended, some with quotes,
// umlauts and Windows-1252 bytes: as .asc lines in the form dumpov2 writes (CR LF each) ...
std::string sampleAsc(std::size_t count);
// ... and as plain .ov2 records in the same order, without an area index.
std::string sampleOv2(std::size_t count);

// The lines of `text` without their CR LF, sorted; a last line without CR LF is kept as it is.
std::vector<std::string> sortedLines(std::string_view text);

}  // namespace kavinor::test
