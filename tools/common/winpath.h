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

}  // namespace kavinor::winpath
