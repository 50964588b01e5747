#pragma once

#include <cstdint>
#include <string>

#include "poi.h"

namespace kavinor::ov2 {

// Appends a coordinate as degrees with exactly five decimals ("-0.12776").
void appendCoordinate(std::string& out, std::int32_t units);

// Appends the record line of `poi`, ended by CR LF: LON,LAT,"NAME" or, for an extended POI,
// LON,LAT,"NAME","ID","EXTRA"; a quote inside a string is doubled.
void appendAscLine(std::string& out, const PoiView& poi);

// Whether a string can stand in an .asc line: quotes are escaped, but a line break cannot be.
bool fitsAscString(std::string_view text);

}  // namespace kavinor::ov2
