#pragma once

#include "path_test.h"

namespace kavinor::platform {

class PosixPathTest final : public PathTest {
public:
    bool exists(const std::string& path) override;
    std::optional<FileStamp> stamp(const std::string& path) override;
};

}  // namespace kavinor::platform
