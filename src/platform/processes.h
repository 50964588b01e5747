#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kavinor::platform {

// A process id as the run keeps it: 32 bits, signed.
using ProcessId = std::int32_t;

// The processes of the step scripts: started through the command interpreter, watched, ended.
class Processes {
public:
    virtual ~Processes() = default;

    // Starts `commandLine` through the command interpreter, hidden, with `workingDir` as its
    // working directory. Empty when nothing could be started.
    virtual std::optional<ProcessId> start(const std::string& commandLine,
                                           const std::string& workingDir) = 0;

    // Whether the process that `start` returned as `id` still runs. Ids that this object did not
    // start, and processes that have ended, count as not running.
    virtual bool isRunning(ProcessId id) = 0;

    // Ends the process `id` with exit code 1, if it is one this object started and it still runs;
    // otherwise does nothing, so a process that later got the same id is never reached.
    virtual void terminate(ProcessId id) = 0;
};

}  // namespace kavinor::platform
