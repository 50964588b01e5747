#pragma once

#include <QHash>
#include <QIcon>
#include <QWidget>
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "control_view.h"
#include "window.h"

class QMenuBar;

namespace kavinor::qt {

// One top-level Qt window that shows one forms window, created from its layout table alone: its
// frame, caption, icon, client size, menu bar and a view per control. It follows the window's
// lifecycle (shown, shown modally, hidden, unloaded) and hands the close box to the window.
class WindowView final : public QWidget {
public:
    WindowView(forms::Window& window, const QIcon& programIcon);
    ~WindowView() override;

    forms::Window& window() const { return window_; }
    // The client area: below the menu bar, where the controls' layout coordinates start.
    QWidget* client() const { return client_; }
    QMenuBar* menuBar() const { return menuBar_; }
    // The widget of the layout table's control `name`; nullptr for none.
    QWidget* widgetOf(std::string_view name) const;

    // Whether input aimed at `target`, a widget of this window, may reach it now: the window
    // takes input and the control it belongs to can be reached.
    bool takesInputFor(const QWidget* target) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls(double dotsPerInch);
    void stackAndOrder();
    void mirrorState();
    void followReach();

    forms::Window& window_;
    QWidget* client_;
    QMenuBar* menuBar_ = nullptr;
    std::vector<std::unique_ptr<ControlView>> views_;
    QHash<const QWidget*, const ControlView*> viewOfWidget_;
    std::vector<std::pair<forms::Control*, std::size_t>> connections_;
    std::size_t windowConnection_;
};

}  // namespace kavinor::qt
