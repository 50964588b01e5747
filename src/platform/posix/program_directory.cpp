#include "program_directory.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace kavinor::platform {

std::string programDirectory() {
    std::string target(256, '\0');
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", target.data(), target.size());
        if (length < 0) {
            throw std::system_error(errno, std::generic_category(), "readlink /proc/self/exe");
        }
        // A full buffer may have cut the name short.
        if (static_cast<std::size_t>(length) < target.size()) {
            target.resize(static_cast<std::size_t>(length));
            break;
        }
        target.resize(target.size() * 2);
    }
    return std::filesystem::path(target).parent_path().string();
}

}  // namespace kavinor::platform
