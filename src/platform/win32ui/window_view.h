#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "control_view.h"
#include "menu_view.h"
#include "message_pump.h"
#include "window.h"
#include "window_fonts.h"

namespace kavinor::win32ui {

// One top-level native window that shows one forms window, created from its layout table alone:
// its frame, caption, icon, client size, menu bar and a view per control, at the dots per inch
// of its monitor. It follows the window's lifecycle (shown, shown modally, hidden, unloaded) and
// hands the close box to the window. Windows that stay out of the task bar are owned by `owner`.
class WindowView {
public:
    WindowView(forms::Window& window, MessagePump& pump, HWND owner, HICON bigIcon,
               HICON smallIcon);
    ~WindowView();
    WindowView(const WindowView&) = delete;
    WindowView& operator=(const WindowView&) = delete;

    forms::Window& window() const { return window_; }
    HWND hwnd() const { return hwnd_; }
    int dotsPerInch() const { return dotsPerInch_; }
    // The native control of the layout table's control `name`; nullptr for none.
    HWND controlWindow(std::string_view name) const;

    // Whether input aimed at `target`, a window inside this one, may reach it now: the window
    // takes input and the control it belongs to can be reached.
    bool takesInputFor(HWND target) const;
    // The window's own keys: Tab and Shift+Tab move the focus in the tables' order, Enter goes
    // to the focused control. False for a key the focused control handles itself.
    bool handleKey(WPARAM key);

    // Lays the window out anew at `dotsPerInch`.
    void scale(int dotsPerInch);

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    void mirrorState();
    void followReach();
    void moveFocus(int step);
    void moveFocusFrom(const ControlView* from, int step);
    bool canFocus(const ControlView& view) const;
    ControlView* viewOf(HWND hwnd) const;

    forms::Window& window_;
    MessagePump& pump_;
    DWORD style_;
    DWORD exStyle_;
    HWND hwnd_;
    std::unique_ptr<MenuView> menu_;
    std::vector<std::unique_ptr<ControlView>> views_;
    std::vector<ControlView*> tabOrder_;
    std::vector<std::pair<forms::Control*, std::size_t>> connections_;
    std::size_t windowConnection_ = 0;
    WindowFonts fonts_;
    int dotsPerInch_ = 96;
    HWND lastFocus_ = nullptr;
    // The control that had the focus when the user's reach to it was taken away.
    const ControlView* focusFrom_ = nullptr;
};

}  // namespace kavinor::win32ui
