#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "control.h"
#include "window.h"

namespace kavinor::win32ui {

// The menu bar of a window, built from its menu table: level 1 entries are the bar's menus,
// level 2 entries their items, "-" a separator line. Each item mirrors its caption, enabled
// state and check mark; a choice goes to the item.
class MenuView {
public:
    MenuView(forms::Window& window, HWND owner);
    ~MenuView();
    MenuView(const MenuView&) = delete;
    MenuView& operator=(const MenuView&) = delete;

    HMENU bar() const { return bar_; }
    // The choice of the item with command `id`.
    void command(WORD id) const;

private:
    struct Item {
        forms::MenuItem* item;
        HMENU menu;     // the menu that holds it
        UINT position;  // its place there
        std::size_t connection;
    };
    void mirror(const Item& item) const;

    HWND owner_;
    HMENU bar_;
    std::vector<Item> items_;
};

}  // namespace kavinor::win32ui
