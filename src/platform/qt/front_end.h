#pragma once

#include <QIcon>
#include <memory>
#include <span>
#include <vector>

#include "input_filter.h"
#include "window_view.h"

namespace kavinor::qt {

// The program's windows in Qt: a view per window, and the filter that keeps the user's input
// from windows and controls that take none now. The windows' behaviour stays in them.
class FrontEnd {
public:
    explicit FrontEnd(std::span<forms::Window* const> windows);
    ~FrontEnd();
    FrontEnd(const FrontEnd&) = delete;
    FrontEnd& operator=(const FrontEnd&) = delete;

    WindowView& view(const forms::Window& window) const;

private:
    std::vector<std::unique_ptr<WindowView>> views_;
    std::unique_ptr<InputFilter> filter_;
};

// The program's own icon: the 16 x 16 and 32 x 32 images drawn from the icon sources.
QIcon programIcon();

}  // namespace kavinor::qt
