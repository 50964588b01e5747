#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "control.h"
#include "input_gate.h"
#include "layout.h"

namespace kavinor::forms {

class MenuItem;

// A window with a lifecycle that views follow: loaded (its controls take the values of its
// layout table, then its load step runs), shown, shown modally, hidden, unloaded. Unloading and
// loading again starts from the layout values once more.
class Window {
public:
    Window(const WindowLayout& layout, InputGate& gate) : layout_(layout), gate_(gate) {}
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window() = default;

    const WindowLayout& layout() const { return layout_; }
    // The control or menu item of a layout table's name; nullptr for separators and unknown names.
    Control* control(std::string_view name) const;

    bool loaded() const { return loaded_; }
    bool visible() const { return visible_; }
    bool modal() const { return modal_; }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

    void load();
    // Loads the window when it is not loaded yet.
    void show();
    // Shows the window and returns when it has been hidden or unloaded; meanwhile only it takes
    // input.
    void showModal();
    // Loads the window when it is not loaded yet, and hides it.
    void hide();
    void unload();

    // The user's click on the close box, or the system's request to close.
    void requestClose();

    bool takesInput() const { return gate_.takesInput(*this); }
    void deliver(const std::function<void()>& action) { gate_.deliver(*this, action); }

    // Each change of the lifecycle state or of the caption.
    Signal<> changed;

protected:
    // Derived windows name each control and menu item of their table once, in their constructor.
    void add(std::string_view name, Control& control);

    // After the layout values are in place: controls that show the system's state fill in.
    virtual void created() {}
    // The window's load step.
    virtual void Form_Load() {}
    // After the window has been unloaded.
    virtual void unloaded() {}

private:
    void applyLayout();
    void setState(bool loaded, bool visible, bool modal);

    const WindowLayout& layout_;
    InputGate& gate_;
    std::map<std::string, Control*, std::less<>> controls_;
    std::string caption_;
    bool loaded_ = false;
    bool visible_ = false;
    bool modal_ = false;
};

}  // namespace kavinor::forms
