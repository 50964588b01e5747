#pragma once

#include "directory_fill.h"

namespace kavinor::platform {

class PosixDirectoryFill final : public DirectoryFill {
public:
    std::vector<std::string> listFiles(const std::string& pattern) override;
    std::optional<std::vector<std::string>> listDirectories(const std::string& directory) override;
};

}  // namespace kavinor::platform
