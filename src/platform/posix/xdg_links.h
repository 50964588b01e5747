#pragma once

#include <set>
#include <string>

#include <sys/types.h>

#include "links.h"

namespace kavinor::platform {

// Opens links with the desktop's opener, `xdg-open`, started directly with the link as its one
// argument, never through a shell.
class XdgLinks final : public Links {
public:
    explicit XdgLinks(std::string opener = "xdg-open") : opener_(std::move(opener)) {}
    ~XdgLinks() override;
    void open(const std::string& target) override;

private:
    // Openers that have ended are reaped on the next open, without waiting for the others.
    void reapEnded();

    std::string opener_;
    std::set<pid_t> started_;
};

}  // namespace kavinor::platform
