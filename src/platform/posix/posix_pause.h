#pragma once

#include "pause.h"

namespace kavinor::platform {

class PosixPause final : public Pause {
public:
    void wait(std::int32_t milliseconds) override;
};

}  // namespace kavinor::platform
