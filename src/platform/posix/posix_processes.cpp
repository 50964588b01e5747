#include "posix_processes.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <utility>
#include <vector>

#include "spawn_guards.h"

extern char** environ;

namespace kavinor::platform {
namespace {

// Waits for `id` as `options` say; retries when a signal interrupts the wait.
pid_t waitFor(ProcessId id, int options) {
    int status = 0;
    pid_t result = 0;
    do {
        result = ::waitpid(id, &status, options);
    } while (result < 0 && errno == EINTR);
    return result;
}

}  // namespace

PosixProcesses::PosixProcesses(std::string interpreterPath)
    : interpreterPath_(std::move(interpreterPath)) {}

PosixProcesses::~PosixProcesses() {
    while (!unreaped_.empty()) terminate(*unreaped_.begin());
}

std::optional<ProcessId> PosixProcesses::start(const std::string& commandLine,
                                               const std::string& workingDir) {
    // glibc runs the file actions in the child before exec and reports their failure from
    // posix_spawn itself, having reaped that child: a missing or unusable working directory
    // yields an error here, never a process that ends at once with 127.
    SpawnActions actions;
    if (posix_spawn_file_actions_addchdir_np(actions.get(), workingDir.c_str()) != 0 ||
        posix_spawn_file_actions_addopen(actions.get(), 0, "/dev/null", O_RDONLY, 0) != 0 ||
        posix_spawn_file_actions_addopen(actions.get(), 1, "/dev/null", O_WRONLY, 0) != 0 ||
        posix_spawn_file_actions_addopen(actions.get(), 2, "/dev/null", O_WRONLY, 0) != 0 ||
        posix_spawn_file_actions_addclosefrom_np(actions.get(), 3) != 0) {
        return std::nullopt;
    }

    // A group of its own lets terminate reach the tools the script started. The signal mask and
    // handlers of this program's threads are no business of the script's tools.
    SpawnAttributes attributes;
    sigset_t noSignals;
    sigset_t allSignals;
    sigemptyset(&noSignals);
    sigfillset(&allSignals);
    if (posix_spawnattr_setflags(attributes.get(), POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK |
                                                       POSIX_SPAWN_SETSIGDEF) != 0 ||
        posix_spawnattr_setpgroup(attributes.get(), 0) != 0 ||
        posix_spawnattr_setsigmask(attributes.get(), &noSignals) != 0 ||
        posix_spawnattr_setsigdefault(attributes.get(), &allSignals) != 0) {
        return std::nullopt;
    }

    std::string interpreter = interpreterPath_;
    std::string cSwitch = "/c";
    std::string line = commandLine;
    std::vector<char*> argv{interpreter.data(), cSwitch.data(), line.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, interpreter.c_str(), actions.get(), attributes.get(), argv.data(),
                    environ) != 0) {
        return std::nullopt;
    }
    unreaped_.insert(pid);
    return pid;
}

bool PosixProcesses::isRunning(ProcessId id) {
    if (!unreaped_.contains(id)) return false;
    if (waitFor(id, WNOHANG) == 0) return true;
    // Reaped now, or (ECHILD) by someone else: either way the id is no longer ours.
    unreaped_.erase(id);
    return false;
}

void PosixProcesses::terminate(ProcessId id) {
    if (!unreaped_.contains(id)) return;
    // Until the leader is reaped its id cannot be given to another process or group, so this
    // signal reaches only the script and the tools it started.
    ::kill(-id, SIGKILL);
    waitFor(id, 0);
    unreaped_.erase(id);
}

}  // namespace kavinor::platform
