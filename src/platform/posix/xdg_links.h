#pragma once

#include <string>

#include "links.h"

namespace kavinor::platform {

// Opens links with the desktop's opener, `xdg-open`, started directly with the link as its one
// argument, never through a shell. Each opener is reaped as soon as it ends by a thread that
// waits for it alone: no zombie stays, the window's thread never waits, and the scripts' ids
// are never waited for here.
class XdgLinks final : public Links {
public:
    explicit XdgLinks(std::string opener = "xdg-open") : opener_(std::move(opener)) {}
    void open(const std::string& target) override;

private:
    std::string opener_;
};

}  // namespace kavinor::platform
