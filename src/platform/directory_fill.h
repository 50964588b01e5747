#pragma once

#include <string>
#include <vector>

namespace kavinor::platform {

// The list box's directory fill: the bare names of the ordinary files that a pattern matches.
class DirectoryFill {
public:
    virtual ~DirectoryFill() = default;
    // `pattern` is a directory, a separator (`\` or `/`) and a wildcard name such as `*.ov2`,
    // matched without regard to case. Ordinary files only: no directories, devices or hidden
    // files. Empty when the directory cannot be read. In no particular order.
    virtual std::vector<std::string> listFiles(const std::string& pattern) = 0;
};

}  // namespace kavinor::platform
