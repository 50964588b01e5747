#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <string>

#include "control.h"
#include "layout.h"

namespace kavinor::win32ui {

// One native control that shows one forms control: placed at its layout rectangle at the
// window's dots per inch, with its layout font, enabled and visible as the control is. Every
// change of the control is mirrored at once; the control's notices go to the forms control,
// which decides what they mean.
class ControlView {
public:
    ControlView(forms::Control& control, const forms::ControlLayout& layout, HWND hwnd);
    virtual ~ControlView();
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    forms::Control& control() const { return control_; }
    const forms::ControlLayout& layout() const { return layout_; }
    HWND hwnd() const { return hwnd_; }

    // Places the control and gives it its font, at `dotsPerInch`.
    virtual void place(int dotsPerInch, HFONT font);
    // Mirrors the control's properties onto the native control.
    virtual void mirror();

    // A notice of the native control (the code of its WM_COMMAND).
    virtual void command(WORD) {}
    // Draws an item of an owner-drawn control; false for none.
    virtual bool draw(const DRAWITEMSTRUCT&) { return false; }
    // Whether the keyboard focus can rest on the control.
    virtual bool takesFocus() const { return true; }
    // Enter while the control has the focus; false when the control has no use for it.
    virtual bool enter() { return false; }
    // A batch of list changes is over: the control draws again.
    virtual void redraw() {}

protected:
    int dotsPerInch() const { return dotsPerInch_; }
    HFONT font() const { return font_; }
    // The layout rectangle in pixels, from the top left of the container.
    RECT layoutRect() const;

private:
    forms::Control& control_;
    const forms::ControlLayout& layout_;
    HWND hwnd_;
    int dotsPerInch_ = 96;
    HFONT font_ = nullptr;
    std::size_t connection_;
};

// The view that `hwnd` was made for; nullptr for a window that is no control view.
ControlView* controlViewOf(HWND hwnd);

// The view of a control of the kind its layout entry names, as a child of `parent`.
std::unique_ptr<ControlView> createControlView(forms::Control& control,
                                               const forms::ControlLayout& layout, HWND parent);

// A native child window of `className` for a view: hidden and unplaced until the view places it.
HWND createChild(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent);

// A text of the program as the system shows it.
std::wstring nativeText(const std::string& text);
// The same where '&' would mark an access key: no caption has one.
std::wstring withoutAccessKeys(const std::string& caption);

}  // namespace kavinor::win32ui
