#include "control_views.h"
#include "window_classes.h"

namespace kavinor::win32ui {

ListBoxView::ListBoxView(forms::ListBox& list, const forms::ControlLayout& layout, HWND parent)
    : ControlView(
          list, layout,
          createChild(L"LISTBOX", LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL,
                      WS_EX_CLIENTEDGE, parent)),
      list_(list) {
    fillList(hwnd(), kListBoxMessages, list.entries());
    showSelection();
    listConnection_ = list.listChanged.connect([this](const forms::ListChange& c) { follow(c); });
}

ListBoxView::~ListBoxView() {
    list_.listChanged.disconnect(listConnection_);
}

void ListBoxView::follow(const forms::ListChange& change) {
    if (!batch_) {
        // The changes of one handler come one after another before the thread takes its next
        // message: the list draws once, after the last of them.
        batch_ = true;
        SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
        PostMessageW(GetAncestor(hwnd(), GA_ROOT), kRedrawMessage, 0,
                     reinterpret_cast<LPARAM>(hwnd()));
    }
    followListChange(hwnd(), kListBoxMessages, change, list_.entries());
    // The native list moves its selection along with inserts and removals; the list's rules.
    showSelection();
}

void ListBoxView::redraw() {
    if (!batch_) return;
    batch_ = false;
    SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
    // Turning drawing back on may show a list that is to stay hidden.
    mirror();
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE);
}

void ListBoxView::showSelection() {
    const int row = list_.selectedIndex().value_or(-1);
    if (SendMessageW(hwnd(), LB_GETCURSEL, 0, 0) != row) {
        SendMessageW(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    }
}

void ListBoxView::command(WORD code) {
    if (code != LBN_SELCHANGE) return;
    const auto row = static_cast<int>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0));
    list_.choose(row < 0 ? std::nullopt : std::optional<std::int16_t>(row));
    // Input that the list dropped leaves its selection, and so the view's, as it was.
    showSelection();
}

}  // namespace kavinor::win32ui
