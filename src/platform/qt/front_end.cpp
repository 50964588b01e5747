#include "front_end.h"

#include <QApplication>
#include <stdexcept>

namespace kavinor::qt {

FrontEnd::FrontEnd(std::span<forms::Window* const> windows) {
    const QIcon icon = programIcon();
    std::vector<const WindowView*> views;
    for (forms::Window* window : windows) {
        views_.push_back(std::make_unique<WindowView>(*window, icon));
        views.push_back(views_.back().get());
    }
    filter_ = std::make_unique<InputFilter>(std::move(views));
    QApplication::instance()->installEventFilter(filter_.get());
}

FrontEnd::~FrontEnd() {
    QApplication::instance()->removeEventFilter(filter_.get());
}

WindowView& FrontEnd::view(const forms::Window& window) const {
    for (const auto& view : views_) {
        if (&view->window() == &window) return *view;
    }
    throw std::logic_error("no view of window " + std::string(window.layout().name));
}

QIcon programIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/kavinor/kavinor-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/kavinor/kavinor-32.png"), QSize(32, 32));
    return icon;
}

}  // namespace kavinor::qt
