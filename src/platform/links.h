#pragma once

#include <string>

namespace kavinor::platform {

// Hands a web address or a mail link to the program the desktop has registered for it.
class Links {
public:
    virtual ~Links() = default;
    // Returns at once, without waiting for the started program; a link that cannot be opened is
    // not reported. `target` is in the system's ANSI code page.
    virtual void open(const std::string& target) = 0;
};

}  // namespace kavinor::platform
