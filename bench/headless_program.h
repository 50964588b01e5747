#pragma once

#include <filesystem>
#include <string>

#include "painting_processes.h"
#include "posix_pause.h"
#include "posix_processes.h"
#include "test_program.h"

namespace kavinor::bench {

// One run of the conversion button as the runner saw it.
struct RunOutcome {
    bool succeeded = false;  // the success message was shown
    double seconds = 0;      // from the handler's call to its message
    double cpuSeconds = 0;   // of this process and the processes it reaped meanwhile
    int skippedPauseMs = 0;  // the run's fixed pauses, counted but not waited
};

// The program core without a front end, its scripts run by the real kvcmd and tools of the tool
// directory through the POSIX processes, wrapped as the desktop program wraps them: between two
// polls of a running script the pause sleeps, as a front end paints meanwhile. The run's fixed
// pauses between steps are not waited. The save dialog answers with the output path.
class HeadlessProgram {
public:
    explicit HeadlessProgram(const std::filesystem::path& toolDir);

    // The input frame opened for .ov2 files, moved to `dir` and confirmed: the source list fills.
    void confirmSource(const std::filesystem::path& dir);
    // ">>": every source entry into the target list.
    void copyAll();
    std::size_t targetCount() const { return program_.window.lstAuswahl2.count(); }

    RunOutcome convert(const std::filesystem::path& output);

private:
    platform::PosixProcesses system_;
    platform::PosixPause painting_;
    platform::PaintingProcesses processes_{system_, painting_};
    test::TestProgram program_;
};

}  // namespace kavinor::bench
