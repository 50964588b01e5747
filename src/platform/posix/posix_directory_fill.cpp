#include "posix_directory_fill.h"

#include <dirent.h>
#include <sys/stat.h>

#include <memory>

#include "wildcard.h"

namespace kavinor::platform {

std::vector<std::string> PosixDirectoryFill::listFiles(const std::string& pattern) {
    std::vector<std::string> names;
    for (const std::filesystem::directory_entry& entry : winpath::wildcardMatches(pattern)) {
        std::string name = entry.path().filename().string();
        // Dot names are this system's hidden files. The type follows links, so a link counts as
        // what it points to and a dangling one as nothing; the directory told the type of
        // everything else.
        std::error_code ec;
        if (name.starts_with('.') || !entry.is_regular_file(ec)) continue;
        names.push_back(std::move(name));
    }
    return names;
}

std::optional<std::vector<std::string>> PosixDirectoryFill::listDirectories(
    const std::string& directory) {
    struct stat info {};
    if (::stat(directory.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return std::nullopt;
    std::vector<std::string> names;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(directory.c_str()), ::closedir);
    if (!dir) return names;
    const std::string prefix = directory.ends_with('/') ? directory : directory + '/';
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name.starts_with('.')) continue;
        if (::stat((prefix + name).c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
            names.push_back(name);
        }
    }
    return names;
}

}  // namespace kavinor::platform
