#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kavinor::platform {

// The list box's directory fill: the bare names of the ordinary files that a pattern matches; and
// the subdirectories that the directory list shows. Texts are in the system's ANSI code page.
class DirectoryFill {
public:
    virtual ~DirectoryFill() = default;
    // `pattern` is a directory, a separator (`\` or `/`) and a wildcard name such as `*.ov2`,
    // matched without regard to case. Ordinary files only: no directories, devices or hidden
    // files. Empty when the directory cannot be read. In no particular order.
    virtual std::vector<std::string> listFiles(const std::string& pattern) = 0;
    // The bare names of the subdirectories of `directory`, without hidden ones, in no particular
    // order. Empty when `directory` cannot be read; nothing when it is no directory at all.
    virtual std::optional<std::vector<std::string>> listDirectories(
        const std::string& directory) = 0;
};

}  // namespace kavinor::platform
