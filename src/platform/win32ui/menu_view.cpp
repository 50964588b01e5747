#include "menu_view.h"

#include <stdexcept>
#include <string>

#include "control_view.h"

namespace kavinor::win32ui {
namespace {

// Command ids of the items: their index in the list of items, after this.
constexpr WORD kFirstId = 100;

}  // namespace

MenuView::MenuView(forms::Window& window, HWND owner) : owner_(owner), bar_(CreateMenu()) {
    HMENU menu = nullptr;
    UINT barPosition = 0;
    UINT position = 0;
    for (const forms::MenuLayout& entry : window.layout().menu) {
        if (entry.separator()) {
            if (menu != nullptr) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            ++position;
            continue;
        }
        auto* item = dynamic_cast<forms::MenuItem*>(window.control(entry.name));
        if (item == nullptr) throw std::logic_error("no menu item " + std::string(entry.name));
        if (entry.level == 1) {
            menu = CreatePopupMenu();
            AppendMenuW(bar_, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), L"");
            items_.push_back({item, bar_, barPosition++, 0});
            position = 0;
        } else if (menu != nullptr) {
            AppendMenuW(menu, MF_STRING, kFirstId + items_.size(), L"");
            items_.push_back({item, menu, position++, 0});
        } else {
            continue;
        }
        Item& added = items_.back();
        added.connection =
            item->changed.connect([this, index = items_.size() - 1] { mirror(items_[index]); });
        mirror(added);
    }
}

MenuView::~MenuView() {
    for (const Item& item : items_) item.item->changed.disconnect(item.connection);
    // The window destroys the menu it holds; one that it never got is destroyed here.
    if (GetMenu(owner_) != bar_) DestroyMenu(bar_);
}

void MenuView::command(WORD id) const {
    const std::size_t index = static_cast<std::size_t>(id) - kFirstId;
    if (id >= kFirstId && index < items_.size()) items_[index].item->click();
}

void MenuView::mirror(const Item& item) const {
    std::wstring caption = withoutAccessKeys(item.item->caption());
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING | MIIM_STATE;
    info.dwTypeData = caption.data();
    info.fState = (item.item->enabled() ? MFS_ENABLED : MFS_GRAYED) |
                  (item.item->checked() ? MFS_CHECKED : MFS_UNCHECKED);
    SetMenuItemInfoW(item.menu, item.position, TRUE, &info);
    if (item.menu == bar_ && GetMenu(owner_) == bar_) DrawMenuBar(owner_);
}

}  // namespace kavinor::win32ui
