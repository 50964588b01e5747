#include "control_views.h"
#include "message_pump.h"

namespace kavinor::win32ui {
namespace {

// The drop-down shows this many drives before it scrolls.
constexpr int kShownDrives = 8;

}  // namespace

DriveListView::DriveListView(forms::DriveList& drives, const forms::ControlLayout& layout,
                             HWND parent)
    : ControlView(drives, layout,
                  createChild(L"COMBOBOX",
                              CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL,
                              0, parent)),
      drives_(drives) {
    fillList(hwnd(), kComboBoxMessages, drives.entries());
    listConnection_ = drives.listChanged.connect([this](const forms::ListChange& c) { follow(c); });
}

DriveListView::~DriveListView() {
    drives_.listChanged.disconnect(listConnection_);
}

void DriveListView::place(int dotsPerInch, HFONT font) {
    ControlView::place(dotsPerInch, font);
    const RECT r = layoutRect();
    const int height = r.bottom - r.top;
    // The closed list is as high as its layout rectangle: its field makes up what the frame of
    // the control leaves; the height given to the window is that of the open list.
    SendMessageW(hwnd(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height - 6);
    RECT shown;
    GetWindowRect(hwnd(), &shown);
    const int frame = (shown.bottom - shown.top) - (height - 6);
    SendMessageW(hwnd(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height - frame);
    SendMessageW(hwnd(), CB_SETITEMHEIGHT, 0, height - frame);
    SetWindowPos(hwnd(), nullptr, 0, 0, r.right - r.left, height + kShownDrives * (height - frame),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DriveListView::mirror() {
    ControlView::mirror();
    const auto& entries = drives_.entries();
    const auto found = std::find(entries.begin(), entries.end(), drives_.drive());
    const auto index = found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
    if (SendMessageW(hwnd(), CB_GETCURSEL, 0, 0) != index) {
        SendMessageW(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void DriveListView::follow(const forms::ListChange& change) {
    followListChange(hwnd(), kComboBoxMessages, change, drives_.entries());
    mirror();
}

void DriveListView::command(WORD code) {
    const bool open = SendMessageW(hwnd(), CB_GETDROPPEDSTATE, 0, 0) != 0;
    if (code == CBN_SETFOCUS) {
        // The user's move of the focus, not the window's own activation.
        if (MessagePump::handlingInput()) drives_.focus();
        return;
    }
    // Moving through the open list is no choice yet; closing it on an entry is.
    if (code == CBN_SELENDOK || (code == CBN_SELCHANGE && !open)) {
        drives_.choose(static_cast<std::int16_t>(SendMessageW(hwnd(), CB_GETCURSEL, 0, 0)));
        // A choice that the list dropped shows the current drive again.
        mirror();
    }
}

bool DriveListView::draw(const DRAWITEMSTRUCT& item) {
    const bool field = (item.itemState & ODS_COMBOBOXEDIT) != 0;
    const auto index = static_cast<int>(item.itemID);
    if (!field && (index < 0 || index >= drives_.count())) return true;
    // The field always shows the current drive.
    const std::string& text = field ? drives_.drive() : drives_.entries()[index];
    drawItemText(item, nativeText(text), MulDiv(2, dotsPerInch(), 96));
    return true;
}

}  // namespace kavinor::win32ui
