#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kavinor::platform {

// What tells one state of a file from another: a file written anew (our tools replace their
// output by renaming a new file over it) always gets another stamp.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t modifiedNanoseconds = 0;
    std::uint64_t size = 0;
    bool operator==(const FileStamp&) const = default;
};

class PathTest {
public:
    virtual ~PathTest() = default;
    // Whether a file or directory exists at `path` (in the system's ANSI code page). An empty
    // path does not exist.
    virtual bool exists(const std::string& path) = 0;
    // The stamp of the file at `path`; empty when there is none.
    virtual std::optional<FileStamp> stamp(const std::string& path) = 0;
};

}  // namespace kavinor::platform
