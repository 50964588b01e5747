#include "xdg_links.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <system_error>
#include <thread>
#include <vector>

#include "spawn_guards.h"

extern char** environ;

namespace kavinor::platform {

void XdgLinks::open(const std::string& target) {
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
    if (posix_spawnp(&pid, opener.c_str(), actions.get(), nullptr, argv.data(), environ) != 0) {
        return;
    }
    try {
        std::thread([pid] {
            while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    } catch (const std::system_error&) {
        // Without a thread the ended opener stays a zombie until the program ends: no harm.
    }
}

}  // namespace kavinor::platform
