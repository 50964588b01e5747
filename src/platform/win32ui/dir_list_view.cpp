#include "control_views.h"
// After windows.h, whose types it uses.
#include <shellapi.h>

#include <algorithm>

namespace kavinor::win32ui {
namespace {

// The system's small folder icon, open or closed; none where the system has none.
HICON folderIcon(UINT open) {
    SHFILEINFOW info{};
    const DWORD_PTR found =
        SHGetFileInfoW(L"Ordner", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof(info),
                       SHGFI_USEFILEATTRIBUTES | SHGFI_ICON | SHGFI_SMALLICON | open);
    return found != 0 ? info.hIcon : nullptr;
}

}  // namespace

DirListView::DirListView(forms::DirList& dirs, const forms::ControlLayout& layout, HWND parent)
    : ControlView(dirs, layout,
                  createChild(L"LISTBOX",
                              LBS_NOTIFY | LBS_HASSTRINGS | LBS_OWNERDRAWFIXED |
                                  LBS_NOINTEGRALHEIGHT | WS_VSCROLL,
                              WS_EX_CLIENTEDGE, parent)),
      dirs_(dirs),
      open_(folderIcon(SHGFI_OPENICON)),
      closed_(folderIcon(0)) {}

DirListView::~DirListView() {
    for (const HICON icon : {open_, closed_}) {
        if (icon != nullptr) DestroyIcon(icon);
    }
}

void DirListView::place(int dotsPerInch, HFONT font) {
    ControlView::place(dotsPerInch, font);
    const HDC dc = GetDC(hwnd());
    const HGDIOBJ before = SelectObject(dc, font);
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, before);
    ReleaseDC(hwnd(), dc);
    const int icon = MulDiv(16, dotsPerInch, 96);
    SendMessageW(hwnd(), LB_SETITEMHEIGHT, 0, std::max<int>(metrics.tmHeight, icon) + 2);
}

void DirListView::mirror() {
    // A directory list holds the path and one directory's subdirectories: few entries, so it
    // is shown anew on each change.
    SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd(), LB_RESETCONTENT, 0, 0);
    for (const forms::DirList::Entry& entry : dirs_.entries()) {
        SendMessageW(hwnd(), LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(nativeText(entry.name).c_str()));
    }
    SendMessageW(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(dirs_.currentIndex()), 0);
    SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
    // Drawing turned back on may have shown a list that is to stay hidden.
    ControlView::mirror();
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void DirListView::command(WORD code) {
    if (code == LBN_DBLCLK) enter();
}

bool DirListView::enter() {
    const auto row = static_cast<int>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0));
    if (row >= 0) dirs_.open(static_cast<std::int16_t>(row));
    return true;
}

bool DirListView::draw(const DRAWITEMSTRUCT& item) {
    const auto index = static_cast<int>(item.itemID);
    const auto& entries = dirs_.entries();
    if (index < 0 || index >= static_cast<int>(entries.size())) return true;
    const int step = MulDiv(8, dotsPerInch(), 96);
    const int icon = MulDiv(16, dotsPerInch(), 96);
    const int left = entries[index].level * step + MulDiv(2, dotsPerInch(), 96);
    drawItemText(item, nativeText(entries[index].name), left + icon + MulDiv(4, dotsPerInch(), 96));
    // The path down to the current directory is open.
    const HICON folder = index <= dirs_.currentIndex() ? open_ : closed_;
    if (folder != nullptr) {
        const int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - icon) / 2;
        DrawIconEx(item.hDC, item.rcItem.left + left, top, folder, icon, icon, 0, nullptr,
                   DI_NORMAL);
    }
    return true;
}

}  // namespace kavinor::win32ui
