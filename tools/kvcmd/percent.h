#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kavinor::kvcmd {

using Environment = std::function<std::optional<std::string>(const std::string&)>;

// Reads the percent signs of a script line as the Windows interpreter does: `%%` is one `%`,
// `%0` to `%9` are the script's name and arguments (empty beyond those given), `%NAME%` is the
// value of an environment variable (empty when it is not set), and a lone `%` is dropped.
std::string expandPercent(std::string_view line, const std::vector<std::string>& arguments,
                          const Environment& environment);

}  // namespace kavinor::kvcmd
