#include "repainting_processes.h"

#include "repainting_pause.h"

namespace kavinor::qt {

// Short enough that the end of a script is seen at once, long enough not to spin a core.
constexpr int kPaintMilliseconds = 10;

bool RepaintingProcesses::isRunning(platform::ProcessId id) {
    const bool running = system_.isRunning(id);
    if (running) runEventsFor(kPaintMilliseconds);
    return running;
}

}  // namespace kavinor::qt
