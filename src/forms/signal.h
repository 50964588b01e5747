#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace kavinor::forms {

// A change notice that views follow: each connected slot is called on every emit, in the
// order of connection.
class Signal {
public:
    using Slot = std::function<void()>;
    void connect(Slot slot) { slots_.push_back(std::move(slot)); }
    void emit() const {
        for (const Slot& slot : slots_) slot();
    }

private:
    std::vector<Slot> slots_;
};

}  // namespace kavinor::forms
