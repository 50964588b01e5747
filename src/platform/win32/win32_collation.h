#pragma once

#include "collation.h"

namespace kavinor::platform {

// The system's German sort order, without regard to letter case.
class Win32Collation final : public Collation {
public:
    std::string sortKey(std::string_view text) const override;
};

}  // namespace kavinor::platform
