#include "control_views.h"
#include "window_classes.h"

namespace kavinor::win32ui {
namespace {

DWORD staticAlignment(forms::Align align) {
    switch (align) {
        case forms::Align::Right:
            return SS_RIGHT;
        case forms::Align::Center:
            return SS_CENTER;
        case forms::Align::Left:
            break;
    }
    return SS_LEFT;
}

// The text of a native window, to compare before setting: a set text repaints.
std::wstring textOf(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), int(text.size()))));
    return text;
}

void setText(HWND hwnd, const std::wstring& text) {
    if (textOf(hwnd) != text) SetWindowTextW(hwnd, text.c_str());
}

}  // namespace

FrameView::FrameView(forms::Frame& frame, const forms::ControlLayout& layout, HWND parent)
    : ControlView(frame, layout, createChild(kFrameClass, WS_CLIPCHILDREN, 0, parent)),
      frame_(frame) {}

void FrameView::mirror() {
    ControlView::mirror();
    // The caption is the frame's text too, for whatever reads the window's texts.
    setText(hwnd(), nativeText(frame_.caption()));
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void FrameView::paint(HDC dc) const {
    RECT area;
    GetClientRect(hwnd(), &area);
    const HGDIOBJ before = SelectObject(dc, font());
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    RECT line = area;
    line.top += metrics.tmHeight / 2;
    DrawEdge(dc, &line, EDGE_ETCHED, BF_RECT);
    const std::wstring caption = nativeText(frame_.caption());
    if (!caption.empty()) {
        const int inset = MulDiv(8, dotsPerInch(), 96);
        RECT text{area.left + inset, area.top, area.right - inset, area.top + metrics.tmHeight};
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        SetTextColor(dc, GetSysColor(frame_.enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        SetBkMode(dc, OPAQUE);
        DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT);
    }
    SelectObject(dc, before);
}

ButtonView::ButtonView(forms::Button& button, const forms::ControlLayout& layout, HWND parent)
    : ControlView(button, layout, createChild(L"BUTTON", BS_PUSHBUTTON, 0, parent)),
      button_(button) {}

void ButtonView::command(WORD code) {
    if (code == BN_CLICKED) button_.click();
}

bool ButtonView::enter() {
    button_.click();
    return true;
}

void ButtonView::mirror() {
    ControlView::mirror();
    setText(hwnd(), withoutAccessKeys(button_.caption()));
}

LabelView::LabelView(forms::Label& label, const forms::ControlLayout& layout, HWND parent)
    : ControlView(label, layout,
                  createChild(L"STATIC", SS_NOPREFIX | staticAlignment(layout.align), 0, parent)),
      label_(label) {}

void LabelView::mirror() {
    ControlView::mirror();
    const std::wstring text = nativeText(label_.caption());
    setText(hwnd(), text);
    if (!layout().autoSize) return;
    const HDC dc = GetDC(hwnd());
    const HGDIOBJ before = SelectObject(dc, font());
    RECT size{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), -1, &size, DT_CALCRECT | DT_NOPREFIX);
    SelectObject(dc, before);
    ReleaseDC(hwnd(), dc);
    const RECT place = layoutRect();
    int left = place.left;
    const int spare = (place.right - place.left) - size.right;
    if (layout().align == forms::Align::Right) left += spare;
    if (layout().align == forms::Align::Center) left += spare / 2;
    SetWindowPos(hwnd(), nullptr, left, place.top, size.right, size.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

TextBoxView::TextBoxView(forms::TextBox& box, const forms::ControlLayout& layout, HWND parent)
    : ControlView(box, layout,
                  createChild(L"EDIT", ES_AUTOHSCROLL | ES_READONLY, WS_EX_CLIENTEDGE, parent)),
      box_(box) {}

void TextBoxView::mirror() {
    ControlView::mirror();
    setText(hwnd(), nativeText(box_.text()));
}

FileListView::FileListView(forms::Control& files, const forms::ControlLayout& layout, HWND parent)
    : ControlView(files, layout,
                  createChild(L"LISTBOX", LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE, parent)) {}

}  // namespace kavinor::win32ui
