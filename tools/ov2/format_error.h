#pragma once

#include <stdexcept>

namespace kavinor::ov2 {

// Input that is not a valid .ov2 or .asc file; what() names the file and the place.
class FormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace kavinor::ov2
