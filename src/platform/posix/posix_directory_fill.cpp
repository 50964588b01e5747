#include "posix_directory_fill.h"

#include <sys/stat.h>

#include "wildcard.h"

namespace kavinor::platform {

std::vector<std::string> PosixDirectoryFill::listFiles(const std::string& pattern) {
    std::vector<std::string> names;
    for (const std::filesystem::path& path : winpath::expandWildcard(pattern)) {
        std::string name = path.filename().string();
        // Dot names are this system's hidden files. stat follows links, so a link counts as
        // what it points to and a dangling one as nothing.
        struct stat info {};
        if (name.starts_with('.') || ::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
            continue;
        }
        names.push_back(std::move(name));
    }
    return names;
}

}  // namespace kavinor::platform
