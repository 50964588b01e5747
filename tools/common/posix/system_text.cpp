#include "system_text.h"

#include <cerrno>
#include <cstdio>

namespace kavinor::sys {

std::filesystem::path pathFromText(std::string_view text) {
    return std::filesystem::path(std::string(text));
}

std::string textOf(const std::filesystem::path& path) {
    return path.string();
}

std::filesystem::path pathFromSystemText(std::string_view text) {
    return pathFromText(text);
}

Root rootOf(std::string_view written) {
    std::size_t length = 0;
    while (length < written.size() && (written[length] == '/' || written[length] == '\\')) {
        ++length;
    }
    return length == 0 ? Root{} : Root{"/", length};
}

std::vector<std::string> programArguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

std::error_code replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (std::rename(from.c_str(), to.c_str()) == 0) return {};
    return std::error_code(errno, std::generic_category());
}

std::string consoleText(std::string_view text) {
    return std::string(text);
}

}  // namespace kavinor::sys
