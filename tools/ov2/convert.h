#pragma once

#include <span>
#include <string>

#include "byte_stream.h"
#include "ov2_reader.h"

namespace kavinor::ov2 {

// Writes every POI of an .ov2 file as an .asc line, in file order. Throws FormatError for a
// corrupt file and for a string the text form cannot carry (a line break in a name).
void dumpToAsc(Ov2Reader& reader, ByteSink& sink);

// Writes the records of an .asc text as an .ov2 file with an area index. The text buffer is
// used as scratch space and holds no meaningful text afterwards. Throws FormatError.
void makeFromAsc(std::span<char> text, const std::string& displayName, ByteSink& sink);

}  // namespace kavinor::ov2
