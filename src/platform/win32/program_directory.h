#pragma once

#include <string>

namespace kavinor::platform {

// The directory of the running program's executable, as a text of the program's own (UTF-8),
// without a trailing separator (except at a drive's root).
std::string programDirectory();

}  // namespace kavinor::platform
