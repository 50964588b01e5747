#pragma once

#include <cstddef>
#include <string>

#include "poi.h"

namespace kavinor::ov2 {

// The most bytes the record line of `poi` can take.
std::size_t ascLineBound(const PoiView& poi);

// Writes the record line of `poi` at `out`, which has room for ascLineBound(poi) bytes, and
// returns its end: LON,LAT,"NAME" or, for an extended POI, LON,LAT,"NAME","ID","EXTRA", ended
// by CR LF; coordinates in degrees with exactly five decimals, a quote inside a string doubled.
// Sets `lineBreak` when a string holds a line break, which a line cannot carry.
char* writeAscLine(char* out, const PoiView& poi, bool& lineBreak);

// Appends the record line of `poi` as writeAscLine() writes it.
void appendAscLine(std::string& out, const PoiView& poi);

}  // namespace kavinor::ov2
