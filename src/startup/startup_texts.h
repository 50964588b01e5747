#pragma once

#include <string_view>

namespace kavinor::startup {

// The version as the notice and the About window show it: a text of its own, the same version
// as the main window's.
inline constexpr std::string_view kVersionText = "Version V0.75";
inline constexpr std::string_view kCopyright = "Copyright © 2026 Kavinor-Team";

}  // namespace kavinor::startup
