#pragma once

#include <string>
#include <utility>

#include "signal.h"

namespace kavinor::forms {

// What every control has: an enabled and a visible state, and one signal for any change of
// any of its properties, so a view mirrors the whole control on each notice.
class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { set(enabled_, enabled); }
    bool visible() const { return visible_; }
    void setVisible(bool visible) { set(visible_, visible); }

    Signal changed;

protected:
    ~Control() = default;

    // Stores a property and tells the views, only when it really changes.
    template <typename T>
    void set(T& property, T value) {
        if (property == value) return;
        property = std::move(value);
        changed.emit();
    }

private:
    bool enabled_ = true;
    bool visible_ = true;
};

// A control with a caption: command button, label, frame, menu item.
class Captioned : public Control {
public:
    explicit Captioned(std::string caption = {}) : caption_(std::move(caption)) {}
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption) { set(caption_, std::move(caption)); }

private:
    std::string caption_;
};

class Button final : public Captioned {
public:
    using Captioned::Captioned;
};

class Label final : public Captioned {
public:
    using Captioned::Captioned;
};

class MenuItem final : public Captioned {
public:
    using Captioned::Captioned;
    bool checked() const { return checked_; }
    void setChecked(bool checked) { set(checked_, checked); }

private:
    bool checked_ = false;
};

// A one-line text box.
class TextBox final : public Control {
public:
    const std::string& text() const { return text_; }
    void setText(std::string text) { set(text_, std::move(text)); }

private:
    std::string text_;
};

// The file list: the window reads its directory path.
class FileList final : public Control {
public:
    const std::string& path() const { return path_; }
    void setPath(std::string path) { set(path_, std::move(path)); }

private:
    std::string path_;
};

}  // namespace kavinor::forms
