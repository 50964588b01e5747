#pragma once

#include "pause.h"
#include "processes.h"

namespace kavinor::platform {

// The process watch of a front end: between two polls of a script that still runs, the windows
// paint for a moment through the front end's pause, so the step caption shows and the desktop
// never takes the program for hung; the watch itself stays a loop that the run blocks in.
class PaintingProcesses final : public Processes {
public:
    PaintingProcesses(Processes& system, Pause& painting) : system_(system), painting_(painting) {}

    std::optional<ProcessId> start(const std::string& commandLine,
                                   const std::string& workingDir) override {
        return system_.start(commandLine, workingDir);
    }
    bool isRunning(ProcessId id) override {
        const bool running = system_.isRunning(id);
        // Short enough that the end of a script is seen at once, long enough not to spin a core.
        if (running) painting_.wait(10);
        return running;
    }
    void terminate(ProcessId id) override { system_.terminate(id); }

private:
    Processes& system_;
    Pause& painting_;
};

}  // namespace kavinor::platform
