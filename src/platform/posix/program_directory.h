#pragma once

#include <string>

namespace kavinor::platform {

// The directory of the running program's executable, without a trailing separator (except
// at the root). Throws std::system_error when the system does not tell it.
std::string programDirectory();

}  // namespace kavinor::platform
