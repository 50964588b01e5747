#pragma once

#include <QAction>
#include <QMenuBar>
#include <QObject>
#include <vector>

#include "control.h"
#include "window.h"

namespace kavinor::qt {

// The menu bar of a window, built from its menu table: level 1 entries are the bar's menus,
// level 2 entries their items, "-" a separator line. Each item mirrors its caption, enabled
// state and check mark; a choice goes to the item.
class MenuView final : public QObject {
public:
    MenuView(forms::Window& window, QMenuBar* bar);
    ~MenuView() override;
    MenuView(const MenuView&) = delete;
    MenuView& operator=(const MenuView&) = delete;

private:
    struct Item {
        forms::MenuItem* item;
        QAction* action;
        std::size_t connection;
    };
    static void mirror(const Item& item);

    std::vector<Item> items_;
};

}  // namespace kavinor::qt
