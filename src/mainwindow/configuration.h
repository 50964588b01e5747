#pragma once

#include <string_view>

namespace kavinor::mainwindow {

// Built into the program: there is no configuration file.
inline constexpr std::string_view kSupportMail = "support@kavinor.de";

}  // namespace kavinor::mainwindow
