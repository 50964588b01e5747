#include "input_gate.h"

#include "window.h"

namespace kavinor::forms {
namespace {

// Pops what it pushed, also when the code in between throws.
class Owner {
public:
    Owner(std::vector<const Window*>& owners, const Window* owner) : owners_(owners) {
        owners_.push_back(owner);
    }
    ~Owner() { owners_.pop_back(); }
    Owner(const Owner&) = delete;
    Owner& operator=(const Owner&) = delete;

private:
    std::vector<const Window*>& owners_;
};

}  // namespace

bool InputGate::takesInput(const Window& window) const {
    return window.loaded() && window.visible() && (owners_.empty() || owners_.back() == &window);
}

void InputGate::deliver(const Window& window, const std::function<void()>& action) {
    if (!takesInput(window)) return;
    const Owner handler(owners_, nullptr);
    action();
}

void InputGate::runModal(const Window& window) {
    const Owner modal(owners_, &window);
    loop_.runUntil([&window] { return !window.loaded() || !window.visible(); });
}

}  // namespace kavinor::forms
