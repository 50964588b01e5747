#pragma once

#include <set>
#include <string>

#include "processes.h"

namespace kavinor::platform {

// Starts command lines as `<interpreter> /c <line>`, each in a process group of its own, with
// standard input, output and error on /dev/null. Keeps the ids of the processes it started and
// has not yet reaped, so it never signals a process it did not start or that has been reaped.
class PosixProcesses final : public Processes {
public:
    explicit PosixProcesses(std::string interpreterPath);
    ~PosixProcesses() override;
    PosixProcesses(const PosixProcesses&) = delete;
    PosixProcesses& operator=(const PosixProcesses&) = delete;

    std::optional<ProcessId> start(const std::string& commandLine,
                                   const std::string& workingDir) override;
    bool isRunning(ProcessId id) override;
    void terminate(ProcessId id) override;

private:
    std::string interpreterPath_;
    std::set<ProcessId> unreaped_;
};

}  // namespace kavinor::platform
