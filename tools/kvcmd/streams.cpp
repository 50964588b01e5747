#include "streams.h"

#include <unistd.h>

#include <cerrno>
#include <string>

namespace kavinor::kvcmd {

void writeText(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return;
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}

void writeLine(int fd, std::string_view text) {
    std::string line(text);
    line += "\r\n";
    writeText(fd, line);
}

}  // namespace kavinor::kvcmd
