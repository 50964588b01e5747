#pragma once

#include "pause.h"

namespace kavinor::qt {

// The run's pause: it blocks the handler that waits, but keeps the windows painting. Input
// that arrives meanwhile is dropped by the input gate and the input filter.
class RepaintingPause final : public platform::Pause {
public:
    void wait(std::int32_t milliseconds) override;
};

// Runs Qt's events for `milliseconds`, then returns.
void runEventsFor(int milliseconds);

}  // namespace kavinor::qt
