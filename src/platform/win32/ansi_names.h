#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kavinor::platform {

// A name of the file system in the ANSI code page; empty when that page cannot hold it exactly.
std::optional<std::string> ExactAnsiName(std::wstring_view name);

}  // namespace kavinor::platform
