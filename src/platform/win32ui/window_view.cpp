#include "window_view.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

#include "control_views.h"
#include "dpi.h"
#include "window_classes.h"

namespace kavinor::win32ui {
namespace {

constexpr const wchar_t* kViewProperty = L"KavinorWindowView";

DWORD styleOf(const forms::WindowLayout& layout) {
    DWORD style = WS_CLIPCHILDREN;
    // A border of one line and a title bar, or a dialog frame alone; never resizable, and no
    // minimise or maximise button in any window.
    if (layout.titleBar) {
        style |= WS_OVERLAPPED | WS_CAPTION;
        if (layout.closeButton) style |= WS_SYSMENU;
    } else {
        style |= WS_POPUP | (layout.border == forms::Border::FixedDialog ? WS_DLGFRAME : WS_BORDER);
    }
    return style;
}

DWORD exStyleOf(const forms::WindowLayout& layout) {
    // A window with a title bar but no icon of its own shows none.
    return layout.titleBar && !layout.icon ? WS_EX_DLGMODALFRAME : 0;
}

}  // namespace

WindowView::WindowView(forms::Window& window, MessagePump& pump, HWND owner, HICON bigIcon,
                       HICON smallIcon)
    : window_(window),
      pump_(pump),
      style_(styleOf(window.layout())),
      exStyle_(exStyleOf(window.layout())) {
    registerWindowClasses(procedure);
    const forms::WindowLayout& layout = window.layout();
    // Owned windows stay out of the task bar.
    hwnd_ = CreateWindowExW(exStyle_, kWindowClass, nativeText(window.caption()).c_str(), style_,
                            CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, layout.inTaskBar ? nullptr : owner,
                            nullptr, GetModuleHandleW(nullptr), this);
    if (hwnd_ == nullptr)
        throw std::runtime_error("cannot make window " + std::string(layout.name));
    if (layout.icon) {
        SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
        SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
    }
    if (!layout.menu.empty()) {
        menu_ = std::make_unique<MenuView>(window, hwnd_);
        SetMenu(hwnd_, menu_->bar());
    }
    createControls();
    scale(windowDpi(hwnd_));
    windowConnection_ = window.changed.connect([this] { mirrorState(); });
    pump_.add(*this);
    mirrorState();
}

WindowView::~WindowView() {
    pump_.remove(*this);
    window_.changed.disconnect(windowConnection_);
    for (const auto& [control, id] : connections_) control->changed.disconnect(id);
    views_.clear();
    RemovePropW(hwnd_, kViewProperty);
    DestroyWindow(hwnd_);
    menu_.reset();
}

void WindowView::createControls() {
    // Earlier in the layout is drawn above: each control goes below the one before it.
    std::vector<std::pair<HWND, HWND>> lowestOf;  // container, its lowest control so far
    for (const forms::ControlLayout& entry : window_.layout().controls) {
        if (entry.kind == forms::Kind::SaveDialog) continue;
        forms::Control* control = window_.control(entry.name);
        if (control == nullptr) throw std::logic_error("no control " + std::string(entry.name));
        HWND parent = hwnd_;
        if (!entry.container.empty()) {
            parent = controlWindow(entry.container);
            if (parent == nullptr) {
                throw std::logic_error("container " + std::string(entry.container) +
                                       " comes after " + std::string(entry.name));
            }
        }
        // Connected before the view, which mirrors the change: the focus is still where it was.
        connections_.emplace_back(control, control->changed.connect([this] { followReach(); }));
        std::unique_ptr<ControlView> view = createControlView(*control, entry, parent);
        auto lowest = std::find_if(lowestOf.begin(), lowestOf.end(),
                                   [parent](const auto& p) { return p.first == parent; });
        SetWindowPos(view->hwnd(), lowest == lowestOf.end() ? HWND_TOP : lowest->second, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (lowest == lowestOf.end()) {
            lowestOf.emplace_back(parent, view->hwnd());
        } else {
            lowest->second = view->hwnd();
        }
        views_.push_back(std::move(view));
    }
    for (const auto& view : views_) tabOrder_.push_back(view.get());
    std::stable_sort(tabOrder_.begin(), tabOrder_.end(), [](const auto* a, const auto* b) {
        return a->layout().tab < b->layout().tab;
    });
}

void WindowView::scale(int dotsPerInch) {
    dotsPerInch_ = dotsPerInch;
    for (const auto& view : views_) {
        view->place(dotsPerInch, fonts_.get(view->layout().font, dotsPerInch));
    }
    const forms::WindowLayout& layout = window_.layout();
    const SIZE client{toPixels(layout.clientWidth, dotsPerInch),
                      toPixels(layout.clientHeight, dotsPerInch)};
    SIZE size = windowSizeFor(client, style_, exStyle_, menu_ != nullptr, dotsPerInch);
    SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar too long for one line takes two: the client area keeps its size.
    RECT inside;
    GetClientRect(hwnd_, &inside);
    if (inside.bottom != client.cy || inside.right != client.cx) {
        size.cx += client.cx - inside.right;
        size.cy += client.cy - inside.bottom;
        SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

HWND WindowView::controlWindow(std::string_view name) const {
    for (const auto& view : views_) {
        if (view->layout().name == name) return view->hwnd();
    }
    return nullptr;
}

ControlView* WindowView::viewOf(HWND hwnd) const {
    for (HWND w = hwnd; w != nullptr && w != hwnd_; w = GetParent(w)) {
        for (const auto& view : views_) {
            if (view->hwnd() == w) return view.get();
        }
    }
    return nullptr;
}

bool WindowView::takesInputFor(HWND target) const {
    if (!window_.takesInput()) return false;
    const ControlView* view = viewOf(target);
    return view == nullptr || view->control().reachable();
}

bool WindowView::canFocus(const ControlView& view) const {
    return view.takesFocus() && view.control().reachable() && IsWindowVisible(view.hwnd()) &&
           IsWindowEnabled(view.hwnd());
}

bool WindowView::handleKey(WPARAM key) {
    const bool control = GetKeyState(VK_CONTROL) < 0;
    const bool alt = GetKeyState(VK_MENU) < 0;
    if (key == VK_TAB && !control && !alt) {
        moveFocus(GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
        return true;
    }
    if (key == VK_RETURN && !control && !alt) {
        ControlView* focused = viewOf(GetFocus());
        return focused != nullptr && focused->enter();
    }
    return false;
}

void WindowView::moveFocus(int step) {
    moveFocusFrom(viewOf(GetFocus()), step);
}

void WindowView::moveFocusFrom(const ControlView* from, int step) {
    if (tabOrder_.empty()) return;
    const auto count = static_cast<int>(tabOrder_.size());
    const auto at = std::find(tabOrder_.begin(), tabOrder_.end(), from);
    int index = at == tabOrder_.end() ? (step > 0 ? -1 : count) : int(at - tabOrder_.begin());
    for (int tried = 0; tried < count; ++tried) {
        index = (index + step + count) % count;
        if (canFocus(*tabOrder_[index])) {
            // From now on the focus is shown, as after any use of the keyboard.
            SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
            SetFocus(tabOrder_[index]->hwnd());
            return;
        }
    }
}

void WindowView::followReach() {
    // The focus never stays on a control the user cannot reach: it moves on in the tab order
    // once the handler that took the reach away has set every control as it leaves them.
    ControlView* focused = viewOf(GetFocus());
    if (focused == nullptr || focused->control().reachable()) return;
    if (focusFrom_ == nullptr) PostMessageW(hwnd_, kFocusMessage, 0, 0);
    focusFrom_ = focused;
}

void WindowView::mirrorState() {
    SetWindowTextW(hwnd_, nativeText(window_.caption()).c_str());
    if (!window_.loaded() || !window_.visible()) {
        if (IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_HIDE);
        return;
    }
    if (IsWindowVisible(hwnd_)) return;
    RECT frame;
    GetWindowRect(hwnd_, &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(hwnd_, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    lastFocus_ = nullptr;
    moveFocus(1);
}

LRESULT CALLBACK WindowView::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetPropW(hwnd, kViewProperty, creation->lpCreateParams);
    }
    auto* view = static_cast<WindowView*>(GetPropW(hwnd, kViewProperty));
    if (view == nullptr || view->hwnd_ != hwnd) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return view->handle(message, wParam, lParam);
}

LRESULT WindowView::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; routeControlNotice(message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_CLOSE:
            // The window decides: it unloads, and this view follows.
            window_.requestClose();
            return 0;
        case WM_COMMAND:
            if (menu_ != nullptr && HIWORD(wParam) == 0) menu_->command(LOWORD(wParam));
            return 0;
        case WM_DPICHANGED: {
            scale(LOWORD(wParam));
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_ACTIVATE:
            // The focus comes back to where it was when the window was left.
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                if (focus != nullptr && IsChild(hwnd_, focus)) lastFocus_ = focus;
                return 0;
            }
            if (const ControlView* last = IsWindow(lastFocus_) ? viewOf(lastFocus_) : nullptr;
                last != nullptr && canFocus(*last)) {
                SetFocus(lastFocus_);
            } else {
                moveFocus(1);
            }
            return 0;
        case kFocusMessage: {
            const ControlView* from = std::exchange(focusFrom_, nullptr);
            const ControlView* focused = viewOf(GetFocus());
            if (from != nullptr && GetActiveWindow() == hwnd_ &&
                (focused == nullptr || focused == from)) {
                moveFocusFrom(from, 1);
            }
            return 0;
        }
        case kRedrawMessage:
            if (ControlView* list = viewOf(reinterpret_cast<HWND>(lParam))) list->redraw();
            return 0;
        default:
            return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

}  // namespace kavinor::win32ui
