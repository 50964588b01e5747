#pragma once

#include <stdexcept>

namespace kavinor {

// A file could not be opened, read, written or renamed; what() is one line for the user.
class IoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace kavinor
