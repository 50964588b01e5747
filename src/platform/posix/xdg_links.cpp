#include "xdg_links.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <vector>

#include "spawn_guards.h"

extern char** environ;

namespace kavinor::platform {

XdgLinks::~XdgLinks() {
    reapEnded();
}

void XdgLinks::open(const std::string& target) {
    reapEnded();
    SpawnActions actions;
    for (const int stream : {0, 1, 2}) {
        if (posix_spawn_file_actions_addopen(actions.get(), stream, "/dev/null",
                                             stream == 0 ? O_RDONLY : O_WRONLY, 0) != 0) {
            return;
        }
    }
    if (posix_spawn_file_actions_addclosefrom_np(actions.get(), 3) != 0) return;
    std::string opener = opener_;
    std::string argument = target;
    std::vector<char*> argv{opener.data(), argument.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, opener.c_str(), actions.get(), nullptr, argv.data(), environ) == 0) {
        started_.insert(pid);
    }
}

void XdgLinks::reapEnded() {
    std::erase_if(started_, [](pid_t pid) {
        int status = 0;
        return ::waitpid(pid, &status, WNOHANG) != 0;
    });
}

}  // namespace kavinor::platform
