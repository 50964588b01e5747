#pragma once

#include "directory_fill.h"

namespace kavinor::platform {

// The directory fill over the system's wide-character directory listing. A name that the ANSI
// code page cannot hold exactly is never listed: no text of the program could name it.
class Win32DirectoryFill final : public DirectoryFill {
public:
    std::vector<std::string> listFiles(const std::string& pattern) override;
    std::optional<std::vector<std::string>> listDirectories(const std::string& directory) override;
};

}  // namespace kavinor::platform
