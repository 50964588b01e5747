#include "input_filter.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>

#include "window_view.h"

namespace kavinor::qt {
namespace {

bool isUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        default:
            return false;
    }
}

}  // namespace

InputFilter::InputFilter(std::vector<const WindowView*> views) : views_(std::move(views)) {}

bool InputFilter::eventFilter(QObject* watched, QEvent* event) {
    if (!isUserInput(event->type()) || !watched->isWidgetType()) return false;
    const auto* target = static_cast<const QWidget*>(watched);
    // A menu's drop-down is a window of its own, but its parent chain leads to its window.
    for (const QWidget* w = target; w != nullptr; w = w->parentWidget()) {
        const auto view = std::find(views_.begin(), views_.end(), w);
        if (view != views_.end()) return !(*view)->takesInputFor(target);
    }
    return false;
}

}  // namespace kavinor::qt
