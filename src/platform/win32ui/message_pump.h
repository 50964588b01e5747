#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "input_gate.h"
#include "pause.h"

namespace kavinor::win32ui {

class WindowView;

// The one place where the program's thread takes the system's messages. The user's input to a
// window of the program that takes none now (a handler runs, say a conversion run, or another
// window is modal), or to a control the user cannot reach, is dropped before any control acts on
// it: nothing is kept for later. Tab, Shift+Tab and Enter are the windows' own keys. Messages to
// windows that are not the program's (the system's dialogs) pass as they are.
class MessagePump {
public:
    void add(WindowView& view) { views_.push_back(&view); }
    void remove(const WindowView& view);

    // Handles messages until `done` holds.
    void runUntil(const std::function<bool()>& done);
    // Handles the messages that wait, and those that come for `milliseconds`, then returns.
    void runFor(std::int32_t milliseconds);

    // Whether the message handled now is the user's input: a control that gets the focus then
    // got it from the user, not from the window's activation.
    static bool handlingInput();

private:
    void handleWaiting();
    void handle(MSG& message);
    WindowView* viewOf(HWND window) const;

    std::vector<WindowView*> views_;
};

// The event loop of a window shown modally.
class PumpEventLoop final : public forms::EventLoop {
public:
    explicit PumpEventLoop(MessagePump& pump) : pump_(pump) {}
    void runUntil(const std::function<bool()>& done) override { pump_.runUntil(done); }

private:
    MessagePump& pump_;
};

// The run's pause: it blocks the handler that waits, but keeps the windows painting. Input that
// arrives meanwhile is dropped.
class PaintingPause final : public platform::Pause {
public:
    explicit PaintingPause(MessagePump& pump) : pump_(pump) {}
    void wait(std::int32_t milliseconds) override {
        if (milliseconds > 0) pump_.runFor(milliseconds);
    }

private:
    MessagePump& pump_;
};

}  // namespace kavinor::win32ui
