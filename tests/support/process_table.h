#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace kavinor::test {

// How many processes of the group `group` have not ended, by /proc/<pid>/stat.
inline int livingMembers(pid_t group) {
    int living = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream in(entry.path() / "stat");
        std::string line;
        std::getline(in, line);
        // The command name in parentheses may hold blanks.
        std::istringstream fields(line.substr(line.rfind(')') + 1));
        char state = 0;
        pid_t parent = 0;
        pid_t pgrp = 0;
        if (fields >> state >> parent >> pgrp && pgrp == group && state != 'Z') ++living;
    }
    return living;
}

// Polls `condition` until it holds; false if it never does within about ten seconds.
template <typename Condition>
bool eventually(Condition condition) {
    for (int i = 0; i < 1000; ++i) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

}  // namespace kavinor::test
