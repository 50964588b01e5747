#include "name_service.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "folded_names.h"
#include "name_messages.h"

namespace kavinor::kvcmd {
namespace {

namespace names = winpath::names;

std::optional<int> waitForExit(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return std::nullopt;
    }
    return status;
}

}  // namespace

NameService::NameService() {
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0) return;
    ours_ = ends[0];
    theirs_ = ends[1];
}

NameService::~NameService() {
    if (ours_ >= 0) ::close(ours_);
    if (theirs_ >= 0) ::close(theirs_);
}

void NameService::offer(SpawnActions& actions, std::vector<std::string>& environment) const {
    if (theirs_ < 0) return;
    posix_spawn_file_actions_adddup2(actions.get(), theirs_, names::kProgramDescriptor);
    environment.push_back(std::string(names::kEnvironmentName) + "=" +
                          std::to_string(names::kProgramDescriptor));
}

bool NameService::answer() {
    char buffer[names::kMaxMessage];
    const ssize_t size = ::recv(ours_, buffer, sizeof buffer, MSG_DONTWAIT);
    if (size <= 0) return false;
    const std::optional<names::Message> message =
        names::parse(std::string_view(buffer, static_cast<std::size_t>(size)));
    // A message that is not one gets a reply all the same, so its sender does not wait forever.
    if (!message || message->kind == names::kFind) {
        std::optional<std::string> found;
        if (message) found = winpath::findFolded(message->dir, message->name);
        const std::string reply = found ? "=" + *found : "-";
        ::send(ours_, reply.data(), reply.size(), MSG_NOSIGNAL);
    } else if (message->kind == names::kAdded) {
        winpath::noteAdded(std::filesystem::path(message->dir) / message->name);
    } else {
        winpath::noteRemoved(std::filesystem::path(message->dir) / message->name);
    }
    return true;
}

std::optional<int> NameService::serveUntilEnd(pid_t pid) {
    if (ours_ < 0) return waitForExit(pid);
    // Only the program's end of the socket is closed after the start; a program it starts in
    // turn may keep its copy, so the program's end is watched through its process handle.
    ::close(theirs_);
    theirs_ = -1;
    const int handle = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
    if (handle < 0) {
        ::close(ours_);
        ours_ = -1;
        return waitForExit(pid);
    }
    pollfd watched[2] = {{ours_, POLLIN, 0}, {handle, POLLIN, 0}};
    for (;;) {
        if (::poll(watched, 2, -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        // Once the program has closed its end there is nothing more to answer.
        if (watched[0].revents != 0 && !answer()) watched[0].fd = -1;
        if (watched[1].revents != 0) break;
    }
    // What the program said just before it ended is still taken.
    while (answer()) {
    }
    ::close(handle);
    // Closed before the wait, so a program still waiting for an answer reads on its own.
    ::close(ours_);
    ours_ = -1;
    return waitForExit(pid);
}

}  // namespace kavinor::kvcmd
