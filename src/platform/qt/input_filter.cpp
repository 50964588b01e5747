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
    // A dialog that a handler shows is a window of its own, also when a program window owns it.
    const auto view = std::find(views_.begin(), views_.end(), target->window());
    return view != views_.end() && !(*view)->takesInputFor(target);
}

}  // namespace kavinor::qt
