#pragma once

#include <filesystem>
#include <stdexcept>
#include <vector>

namespace kavinor::kvcmd {

// A copy that did not happen; what() is the German message. The target is as it was.
class CopyFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes the sources' bytes one after the other, exactly as they are, into `target`, which
// is replaced only once all of them are written. A source may be the target itself: its old
// bytes are read before the new file takes its place.
void joinFiles(const std::vector<std::filesystem::path>& sources,
               const std::filesystem::path& target);

}  // namespace kavinor::kvcmd
