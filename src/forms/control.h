#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "signals.h"

namespace kavinor::forms {

class Window;

// What every control has: an enabled and a visible state, and one notice for any change of its
// plain properties, so a view mirrors the control on each notice. User input reaches a control
// through its window, which drops it while the window takes none.
class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { set(enabled_, enabled); }
    bool visible() const { return visible_; }
    void setVisible(bool visible) { set(visible_, visible); }

    // Whether the user can reach the control: it and every container around it are enabled and
    // visible, and no frame that is shown lies over it.
    bool reachable() const;

    Signal<> changed;

protected:
    virtual ~Control() = default;

    // Takes the contents of a new control whose layout gives `caption`.
    virtual void reset(std::string_view caption) = 0;

    // Stores a property and tells the views, only when it really changes.
    template <typename T>
    void set(T& property, T value) {
        if (property == value) return;
        property = std::move(value);
        changed.emit();
    }

    // Runs `action` as the answer to the user's input on this control, or drops it when the
    // control cannot be reached or its window takes no input now.
    void userInput(const std::function<void()>& action);

private:
    friend class Window;
    Window* window_ = nullptr;
    const Control* container_ = nullptr;
    std::vector<const Control*> coveredBy_;
    bool enabled_ = true;
    bool visible_ = true;
};

// A control with a caption: command button, label, frame, menu item.
class Captioned : public Control {
public:
    explicit Captioned(std::string caption = {}) : caption_(std::move(caption)) {}
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption) { set(caption_, std::move(caption)); }

protected:
    void reset(std::string_view caption) override { setCaption(std::string(caption)); }

private:
    std::string caption_;
};

class Button final : public Captioned {
public:
    using Captioned::Captioned;
    // The user's click.
    void click() {
        userInput([this] { clicked.emit(); });
    }
    Signal<> clicked;
};

class Label final : public Captioned {
public:
    using Captioned::Captioned;
};

// A frame: a captioned container whose state its controls share.
class Frame final : public Captioned {
public:
    using Captioned::Captioned;
};

class MenuItem final : public Captioned {
public:
    using Captioned::Captioned;
    bool checked() const { return checked_; }
    void setChecked(bool checked) { set(checked_, checked); }
    // The user's choice of the item.
    void click() {
        userInput([this] { clicked.emit(); });
    }
    Signal<> clicked;

private:
    bool checked_ = false;
};

// A one-line text box that shows a text; the user does not edit it.
class TextBox final : public Control {
public:
    const std::string& text() const { return text_; }
    void setText(std::string text) { set(text_, std::move(text)); }

protected:
    void reset(std::string_view text) override { setText(std::string(text)); }

private:
    std::string text_;
};

// The file list: a directory path and a name pattern that the window keeps in step with the
// directory list.
class FileList final : public Control {
public:
    const std::string& path() const { return path_; }
    void setPath(std::string path) { set(path_, std::move(path)); }
    const std::string& pattern() const { return pattern_; }
    void setPattern(std::string pattern) { set(pattern_, std::move(pattern)); }

protected:
    // A new file list shows all files.
    void reset(std::string_view) override { setPattern("*.*"); }

private:
    std::string path_;
    std::string pattern_ = "*.*";
};

}  // namespace kavinor::forms
