#pragma once

#include <string_view>

namespace kavinor::platform {

// The order of a sorted list box: ascending without regard to letter case, as a German user
// reads names. Returns whether `a` sorts before `b`.
bool listLess(std::string_view a, std::string_view b);

}  // namespace kavinor::platform
