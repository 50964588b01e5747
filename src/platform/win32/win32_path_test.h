#pragma once

#include "path_test.h"

namespace kavinor::platform {

// The stamp is the volume's serial number, the file's index on it, its last write and its size.
class Win32PathTest final : public PathTest {
public:
    bool exists(const std::string& path) override;
    std::optional<FileStamp> stamp(const std::string& path) override;
};

}  // namespace kavinor::platform
