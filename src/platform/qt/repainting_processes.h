#pragma once

#include "processes.h"

namespace kavinor::qt {

// The process watch over the system's processes: between two polls of a script that still runs,
// the windows paint for a moment, so the step caption shows and the desktop never sees a hung
// program; the watch itself stays a loop that the run blocks in.
class RepaintingProcesses final : public platform::Processes {
public:
    explicit RepaintingProcesses(platform::Processes& system) : system_(system) {}

    std::optional<platform::ProcessId> start(const std::string& commandLine,
                                             const std::string& workingDir) override {
        return system_.start(commandLine, workingDir);
    }
    bool isRunning(platform::ProcessId id) override;
    void terminate(platform::ProcessId id) override { system_.terminate(id); }

private:
    platform::Processes& system_;
};

}  // namespace kavinor::qt
