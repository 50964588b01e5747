#include "control_views.h"

namespace kavinor::win32ui {

void drawItemText(const DRAWITEMSTRUCT& item, const std::wstring& text, int indent) {
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(disabled   ? COLOR_GRAYTEXT
                                       : selected ? COLOR_HIGHLIGHTTEXT
                                                  : COLOR_WINDOWTEXT));
    RECT place = item.rcItem;
    place.left += indent;
    DrawTextW(item.hDC, text.c_str(), -1, &place,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
}
void followListChange(HWND list, const NativeListMessages& messages,
                      const forms::ListChange& change, const std::vector<std::string>& entries) {
    switch (change.kind) {
        case forms::ListChange::Kind::Inserted:
            SendMessageW(list, messages.insert, static_cast<WPARAM>(change.index),
                         reinterpret_cast<LPARAM>(nativeText(entries[change.index]).c_str()));
            break;
        case forms::ListChange::Kind::Removed:
            SendMessageW(list, messages.remove, static_cast<WPARAM>(change.index), 0);
            break;
        case forms::ListChange::Kind::Cleared:
            SendMessageW(list, messages.reset, 0, 0);
            break;
        case forms::ListChange::Kind::Selected:
            break;
    }
}

void fillList(HWND list, const NativeListMessages& messages,
              const std::vector<std::string>& entries) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        followListChange(list, messages,
                         {forms::ListChange::Kind::Inserted, static_cast<std::int32_t>(i)},
                         entries);
    }
}

}  // namespace kavinor::win32ui
