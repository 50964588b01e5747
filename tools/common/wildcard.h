#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace kavinor::winpath {

// Whether the last component of a written path holds a wildcard `*` or `?`.
bool hasWildcard(std::string_view written);

// Whether `name` matches `pattern` as the Windows interpreter matches names: `*` stands for
// any run of characters, `?` for exactly one, letters match without regard to case, and a
// pattern ending in `.*` also matches names without a dot (`*.*` matches every name).
bool matchesWildcard(std::string_view pattern, std::string_view name);

// The entries of the directory that a written path names, whose names match its last
// component; the directory part is found as `resolve` finds it. In the directory's own order.
// Empty when the directory cannot be read.
std::vector<std::filesystem::directory_entry> wildcardMatches(std::string_view written);

// The paths of those entries, sorted by name without regard to case.
std::vector<std::filesystem::path> expandWildcard(std::string_view written);

}  // namespace kavinor::winpath
