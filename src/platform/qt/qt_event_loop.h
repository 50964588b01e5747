#pragma once

#include "input_gate.h"

namespace kavinor::qt {

// Runs Qt's event loop for a window shown modally, until it is hidden or unloaded.
class QtEventLoop final : public forms::EventLoop {
public:
    void runUntil(const std::function<bool()>& done) override;
};

}  // namespace kavinor::qt
