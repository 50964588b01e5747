#pragma once

#include <filesystem>
#include <string_view>

namespace kavinor::winpath {

// Reads a path as the step scripts write it and finds what it names on this system:
// `\` and `/` both separate, a doubled separator counts as one, and a component that
// does not exist under its exact name is matched without regard to letter case
// (`Karte.ov2` finds `Karte.OV2`). Components that match nothing are kept as written,
// so the result also names files that are about to be created.
std::filesystem::path resolve(std::string_view written);

// Whether two file names are equal without regard to letter case: ASCII letters and the
// Latin-1 letters (À–Þ against à–þ) in UTF-8, as names of German users need.
bool equalFolded(std::string_view a, std::string_view b);

}  // namespace kavinor::winpath
