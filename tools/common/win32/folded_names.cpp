#include "folded_names.h"

// The system finds a name in another letter case itself: a name that does not exist as written
// exists in no case, and there is nothing to look through or to keep.
namespace kavinor::winpath {

std::optional<std::string> findFolded(const std::filesystem::path&, std::string_view) {
    return std::nullopt;
}

void noteAdded(const std::filesystem::path&) {}

void noteRemoved(const std::filesystem::path&) {}

void keepDirectoryNames() {}

}  // namespace kavinor::winpath
