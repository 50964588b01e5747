#include "message_pump.h"

#include <algorithm>

#include "window_view.h"

namespace kavinor::win32ui {
namespace {

bool inputNow = false;

bool isUserInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) ||
           message == WM_NCMOUSEHOVER || message == WM_NCMOUSELEAVE || message == WM_MOUSEHOVER ||
           message == WM_MOUSELEAVE || message == WM_CONTEXTMENU;
}

// Sets the input flag for the time of one message, also when a handler throws.
class InputScope {
public:
    explicit InputScope(bool input) : before_(inputNow) { inputNow = input; }
    ~InputScope() { inputNow = before_; }
    InputScope(const InputScope&) = delete;
    InputScope& operator=(const InputScope&) = delete;

private:
    bool before_;
};

}  // namespace

void MessagePump::remove(const WindowView& view) {
    std::erase(views_, &view);
}

bool MessagePump::handlingInput() {
    return inputNow;
}

void MessagePump::runUntil(const std::function<bool()>& done) {
    while (!done()) {
        MSG message;
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            // The quit message belongs to the loop around this one.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        handle(message);
    }
}

void MessagePump::runFor(std::int32_t milliseconds) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    handleWaiting();
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(end - now), QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
        handleWaiting();
    }
}

void MessagePump::handleWaiting() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        handle(message);
    }
}

void MessagePump::handle(MSG& message) {
    const bool input = isUserInput(message.message);
    if (input && message.hwnd != nullptr) {
        if (WindowView* view = viewOf(GetAncestor(message.hwnd, GA_ROOT))) {
            if (!view->takesInputFor(message.hwnd)) return;
            const InputScope scope(true);
            if (message.message == WM_KEYDOWN && view->handleKey(message.wParam)) return;
            TranslateMessage(&message);
            DispatchMessageW(&message);
            return;
        }
    }
    const InputScope scope(false);
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

WindowView* MessagePump::viewOf(HWND window) const {
    const auto found = std::find_if(views_.begin(), views_.end(),
                                    [window](const WindowView* v) { return v->hwnd() == window; });
    return found == views_.end() ? nullptr : *found;
}

}  // namespace kavinor::win32ui
