#pragma once

#include <functional>
#include <vector>

namespace kavinor::forms {

class Window;

// Runs a front end's event loop until a condition holds: the modal display of a window.
class EventLoop {
public:
    virtual ~EventLoop() = default;
    virtual void runUntil(const std::function<bool()>& done) = 0;
};

// Decides which window takes the user's input. Every handler runs to its end before the next
// input is handled: input that arrives while a handler runs (during a conversion run, say) is
// dropped, not kept for later. While a window is shown modally, only it takes input.
class InputGate {
public:
    explicit InputGate(EventLoop& loop) : loop_(loop) {}
    InputGate(const InputGate&) = delete;
    InputGate& operator=(const InputGate&) = delete;

    bool takesInput(const Window& window) const;
    // Runs `action` as the answer to input aimed at `window`, or drops it.
    void deliver(const Window& window, const std::function<void()>& action);
    // Shows nothing itself: runs the event loop, with only `window` taking input, until the
    // window is hidden or unloaded.
    void runModal(const Window& window);

private:
    EventLoop& loop_;
    // Innermost last: a modal window, or nullptr while a handler runs.
    std::vector<const Window*> owners_;
};

}  // namespace kavinor::forms
