#pragma once

#include "pause.h"

namespace kavinor::platform {

// Waits on the program's own process, which cannot end while the program waits.
class Win32Pause final : public Pause {
public:
    void wait(std::int32_t milliseconds) override;
};

}  // namespace kavinor::platform
