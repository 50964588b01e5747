#pragma once

#include "drives.h"

namespace kavinor::platform {

// The system's drive letters and types. Drives are named "c:", as the drive list shows them.
class Win32Drives final : public Drives {
public:
    std::vector<std::string> list() override;
    int type(const std::string& drive) override;
    std::string driveOf(const std::string& path) override;
    std::string root(const std::string& drive) override { return drive + "\\"; }
    std::string directoryOf(const std::string& drive) override;
};

}  // namespace kavinor::platform
