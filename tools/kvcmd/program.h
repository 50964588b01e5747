#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "streams.h"

namespace kavinor::kvcmd {

// The file a command names as a program, looked up as the Windows interpreter does: a name
// with a directory as a path (found without regard to case), a bare name in the current
// directory and then along PATH. `X.exe` that does not exist is looked up again as `X`, the
// name our tools carry here.
std::optional<std::filesystem::path> findProgram(std::string_view written);

// Runs the program found for `written` directly, never through a shell, with the arguments as
// they are, and waits for it. Its output goes to `streams.out`, its messages to `streams.err`.
// The exit status, or nothing when it could not be started (the reason is on `streams.err`).
std::optional<int> runProgram(std::string_view written, const std::vector<std::string>& arguments,
                              const Streams& streams);

}  // namespace kavinor::kvcmd
