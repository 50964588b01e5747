#pragma once

#include <map>
#include <string>

#include "processes.h"

namespace kavinor::platform {

// Starts command lines as `cmd /c "<line>"` in the interpreter that COMSPEC names, hidden, with
// standard input, output and error on NUL, each in a job of its own with the tools it starts.
// Keeps the handle of each process until it is seen to have ended: the watch and the terminate
// go through that handle, so they can never reach another process that got the same id.
class Win32Processes final : public Processes {
public:
    Win32Processes();
    explicit Win32Processes(std::string interpreter);
    ~Win32Processes() override;
    Win32Processes(const Win32Processes&) = delete;
    Win32Processes& operator=(const Win32Processes&) = delete;

    std::optional<ProcessId> start(const std::string& commandLine,
                                   const std::string& workingDir) override;
    bool isRunning(ProcessId id) override;
    void terminate(ProcessId id) override;

private:
    struct Started {
        void* process;
        void* job;  // null when the system would not put the process in a job
    };
    void release(ProcessId id);

    std::wstring interpreter_;
    std::map<ProcessId, Started> started_;
};

// The command line as the interpreter gets it. The interpreter's `>` takes standard output only;
// a line that sends its output to a log also sends standard error there, so the log holds the
// complaints of the interpreter and of the tools too.
std::string InterpreterCommandLine(const std::string& commandLine);

}  // namespace kavinor::platform
