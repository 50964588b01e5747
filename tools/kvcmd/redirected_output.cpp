#include "redirected_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

#include "folded_names.h"
#include "messages.h"
#include "streams.h"
#include "winpath.h"

namespace kavinor::kvcmd {

RedirectedOutput::~RedirectedOutput() {
    close();
}

bool RedirectedOutput::open(const std::vector<Redirection>& redirections, int err) {
    for (const Redirection& redirection : redirections) {
        close();
        const std::filesystem::path path = winpath::resolve(redirection.target);
        const int flags =
            O_WRONLY | O_CREAT | O_CLOEXEC | (redirection.append ? O_APPEND : O_TRUNC);
        fd_ = ::open(path.c_str(), flags, 0666);
        if (fd_ < 0) {
            // The file is created when missing, so a missing entry is a missing directory.
            const int error = errno;
            writeLine(err, redirection.target + ": " +
                               (error == ENOENT ? std::string(messages::kPathNotFound)
                                                : messages::forError(std::error_code(
                                                      error, std::generic_category()))));
            return false;
        }
        winpath::noteAdded(path);
    }
    return true;
}

void RedirectedOutput::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

}  // namespace kavinor::kvcmd
