#pragma once

#include "links.h"

namespace kavinor::platform {

// Hands the link to the shell's "open" verb.
class Win32Links final : public Links {
public:
    void open(const std::string& target) override;
};

}  // namespace kavinor::platform
