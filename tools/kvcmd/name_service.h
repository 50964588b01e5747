#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "spawn_guards.h"

namespace kavinor::kvcmd {

// Answers the letter-case lookups of one started program from the names this interpreter keeps,
// and takes what the program adds or removes, so that a program's lookup in a directory the
// script fills costs the same at its last file as at its first. Without a socket or a process
// handle the program is started without it and reads directories itself.
class NameService {
public:
    NameService();
    ~NameService();
    NameService(const NameService&) = delete;
    NameService& operator=(const NameService&) = delete;

    // Gives the program its end of the socket and the word where to find it.
    void offer(SpawnActions& actions, std::vector<std::string>& environment) const;

    // Serves the program until it has ended; its wait status, or none when it cannot be waited for.
    std::optional<int> serveUntilEnd(pid_t pid);

private:
    // Takes one waiting message; false when none waits or the program's end is closed.
    bool answer();

    int ours_ = -1;
    int theirs_ = -1;
};

}  // namespace kavinor::kvcmd
