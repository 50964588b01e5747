#include "control_view.h"

#include "control_views.h"
#include "dpi.h"
#include "wide_text.h"

namespace kavinor::win32ui {

ControlView::ControlView(forms::Control& control, const forms::ControlLayout& layout, HWND hwnd)
    : control_(control), layout_(layout), hwnd_(hwnd) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    connection_ = control.changed.connect([this] { mirror(); });
}

ControlView::~ControlView() {
    control_.changed.disconnect(connection_);
    if (IsWindow(hwnd_)) SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
}

void ControlView::place(int dotsPerInch, HFONT font) {
    dotsPerInch_ = dotsPerInch;
    font_ = font;
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const RECT r = layoutRect();
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    mirror();
}

void ControlView::mirror() {
    EnableWindow(hwnd_, control_.enabled());
    ShowWindow(hwnd_, control_.visible() ? SW_SHOWNA : SW_HIDE);
}

RECT ControlView::layoutRect() const {
    const forms::Rect& r = layout_.twips;
    const int left = toPixels(r.left, dotsPerInch_);
    const int top = toPixels(r.top, dotsPerInch_);
    return {left, top, left + toPixels(r.width, dotsPerInch_),
            top + toPixels(r.height, dotsPerInch_)};
}

ControlView* controlViewOf(HWND hwnd) {
    return hwnd == nullptr ? nullptr
                           : reinterpret_cast<ControlView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

HWND createChild(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent) {
    // Siblings clip each other, so a frame drawn above the lists hides them.
    return CreateWindowExW(exStyle, className, L"", WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0, 0,
                           parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

std::wstring nativeText(const std::string& text) {
    return sys::widen(text, CP_UTF8);
}

std::wstring withoutAccessKeys(const std::string& caption) {
    std::wstring text;
    for (const wchar_t c : nativeText(caption)) {
        text += c;
        if (c == L'&') text += L'&';
    }
    return text;
}

std::unique_ptr<ControlView> createControlView(forms::Control& control,
                                               const forms::ControlLayout& layout, HWND parent) {
    switch (layout.kind) {
        case forms::Kind::Frame:
            return std::make_unique<FrameView>(dynamic_cast<forms::Frame&>(control), layout,
                                               parent);
        case forms::Kind::Button:
            return std::make_unique<ButtonView>(dynamic_cast<forms::Button&>(control), layout,
                                                parent);
        case forms::Kind::Label:
            return std::make_unique<LabelView>(dynamic_cast<forms::Label&>(control), layout,
                                               parent);
        case forms::Kind::TextBox:
            return std::make_unique<TextBoxView>(dynamic_cast<forms::TextBox&>(control), layout,
                                                 parent);
        case forms::Kind::ListBox:
            return std::make_unique<ListBoxView>(dynamic_cast<forms::ListBox&>(control), layout,
                                                 parent);
        case forms::Kind::DriveList:
            return std::make_unique<DriveListView>(dynamic_cast<forms::DriveList&>(control), layout,
                                                   parent);
        case forms::Kind::DirList:
            return std::make_unique<DirListView>(dynamic_cast<forms::DirList&>(control), layout,
                                                 parent);
        case forms::Kind::FileList:
            return std::make_unique<FileListView>(control, layout, parent);
        case forms::Kind::SaveDialog:
            break;
    }
    return nullptr;
}

}  // namespace kavinor::win32ui
