#pragma once

#include <cstdint>

namespace kavinor::platform {

// Blocks the calling thread; tests replace it so that they never sleep.
class Pause {
public:
    virtual ~Pause() = default;
    virtual void wait(std::int32_t milliseconds) = 0;
};

}  // namespace kavinor::platform
