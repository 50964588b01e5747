#include "front_end.h"

#include <stdexcept>
#include <string>

namespace kavinor::win32ui {
namespace {

// The program's icon of the given size from the program file; none in a program without it.
HICON programIcon(int metricX, int metricY) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                         GetSystemMetrics(metricX), GetSystemMetrics(metricY),
                                         LR_SHARED));
}

}  // namespace

FrontEnd::FrontEnd(std::span<forms::Window* const> windows, MessagePump& pump)
    : owner_(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr)) {
    const HICON big = programIcon(SM_CXICON, SM_CYICON);
    const HICON small = programIcon(SM_CXSMICON, SM_CYSMICON);
    for (forms::Window* window : windows) {
        views_.push_back(std::make_unique<WindowView>(*window, pump, owner_, big, small));
    }
}

FrontEnd::~FrontEnd() {
    views_.clear();
    DestroyWindow(owner_);
}

WindowView& FrontEnd::view(const forms::Window& window) const {
    for (const auto& view : views_) {
        if (&view->window() == &window) return *view;
    }
    throw std::logic_error("no view of window " + std::string(window.layout().name));
}

}  // namespace kavinor::win32ui
