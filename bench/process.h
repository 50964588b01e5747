#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kavinor::bench {

// What a finished process used, as the kernel counted it.
struct ProcessCost {
    std::uint64_t peakBytes;  // largest resident set
    double cpuSeconds;        // user and system time
};

// Runs a program (looked up in PATH unless its name holds a slash) with standard output sent
// to `stdoutFile` unless that is empty, and waits for it. Throws std::runtime_error when it
// cannot be started or does not exit with 0.
ProcessCost runProgram(const std::vector<std::string>& argv,
                       const std::filesystem::path& stdoutFile);

// Runs `body` in a forked copy of this process and waits for it, so whatever memory it takes
// is given back in full. Throws std::runtime_error, naming `what`, when the body fails.
void runForked(const std::function<void()>& body, const std::string& what);

}  // namespace kavinor::bench
