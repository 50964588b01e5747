#pragma once

#include <windows.h>

#include <memory>
#include <span>
#include <vector>

#include "message_pump.h"
#include "window_view.h"

namespace kavinor::win32ui {

// The program's windows over the system's own controls: a view per window, with the program's
// icon where a window shows it. The windows' behaviour stays in them.
class FrontEnd {
public:
    FrontEnd(std::span<forms::Window* const> windows, MessagePump& pump);
    ~FrontEnd();
    FrontEnd(const FrontEnd&) = delete;
    FrontEnd& operator=(const FrontEnd&) = delete;

    WindowView& view(const forms::Window& window) const;

private:
    // The hidden owner of the windows that stay out of the task bar.
    HWND owner_;
    std::vector<std::unique_ptr<WindowView>> views_;
};

}  // namespace kavinor::win32ui
