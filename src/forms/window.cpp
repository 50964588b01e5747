#include "window.h"

#include <stdexcept>
#include <string>

namespace kavinor::forms {

void Control::userInput(const std::function<void()>& action) {
    if (!reachable()) return;
    if (window_ != nullptr) {
        window_->deliver(action);
    } else {
        action();
    }
}

bool Control::reachable() const {
    for (const Control* frame : coveredBy_) {
        if (frame->visible()) return false;
    }
    return enabled_ && visible_ && (container_ == nullptr || container_->reachable());
}

namespace {

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

}  // namespace

Control* Window::control(std::string_view name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

void Window::add(std::string_view name, Control& control) {
    control.window_ = this;
    controls_.emplace(std::string(name), &control);
}

void Window::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    changed.emit();
}

void Window::load() {
    if (loaded_) return;
    applyLayout();
    created();
    setState(true, false, false);
    Form_Load();
}

void Window::show() {
    load();
    setState(loaded_, loaded_, modal_);
}

void Window::showModal() {
    show();
    if (!visible_) return;
    setState(true, true, true);
    gate_.runModal(*this);
    setState(loaded_, visible_, false);
}

void Window::hide() {
    load();
    setState(loaded_, false, modal_);
}

void Window::unload() {
    if (!loaded_) return;
    setState(false, false, modal_);
    unloaded();
}

void Window::requestClose() {
    deliver([this] { unload(); });
}

void Window::setState(bool loaded, bool visible, bool modal) {
    if (loaded == loaded_ && visible == visible_ && modal == modal_) return;
    loaded_ = loaded;
    visible_ = visible;
    modal_ = modal;
    changed.emit();
}

void Window::applyLayout() {
    caption_ = layout_.caption;
    const std::span<const ControlLayout> controls = layout_.controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlLayout& entry = controls[i];
        if (entry.kind == Kind::SaveDialog) continue;
        Control* c = control(entry.name);
        if (c == nullptr) throw std::logic_error("no control " + std::string(entry.name));
        c->container_ = entry.container.empty() ? nullptr : control(entry.container);
        // Earlier in the layout order is drawn above: a frame there hides what it overlaps.
        c->coveredBy_.clear();
        for (std::size_t above = 0; above < i; ++above) {
            const ControlLayout& frame = controls[above];
            if (frame.kind == Kind::Frame && frame.container == entry.container &&
                entry.container.empty() && overlap(frame.twips, entry.twips)) {
                c->coveredBy_.push_back(control(frame.name));
            }
        }
        c->setEnabled(entry.enabled);
        c->setVisible(entry.visible);
        c->reset(entry.caption);
    }
    const Control* menu = nullptr;
    for (const MenuLayout& entry : layout_.menu) {
        if (entry.separator()) continue;
        auto* item = dynamic_cast<MenuItem*>(control(entry.name));
        if (item == nullptr) throw std::logic_error("no menu item " + std::string(entry.name));
        if (entry.level == 1) menu = item;
        item->container_ = entry.level == 1 ? nullptr : menu;
        item->setCaption(std::string(entry.caption));
        item->setEnabled(entry.enabled);
        item->setVisible(true);
        item->setChecked(entry.checked);
    }
}

}  // namespace kavinor::forms
