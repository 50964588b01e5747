#include "window_classes.h"

#include <mutex>

#include "control_views.h"

namespace kavinor::win32ui {
namespace {

LRESULT CALLBACK frameProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; routeControlNotice(message, wParam, lParam, result)) return result;
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(hwnd, &paint);
        if (const auto* frame = dynamic_cast<const FrameView*>(controlViewOf(hwnd))) {
            frame->paint(dc);
        }
        EndPaint(hwnd, &paint);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void registerClass(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW kind{};
    kind.cbSize = sizeof(kind);
    kind.lpfnWndProc = procedure;
    kind.hInstance = GetModuleHandleW(nullptr);
    kind.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    kind.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    kind.lpszClassName = name;
    RegisterClassExW(&kind);
}

}  // namespace

void registerWindowClasses(WNDPROC windowProcedure) {
    static std::once_flag once;
    std::call_once(once, [windowProcedure] {
        registerClass(kWindowClass, windowProcedure);
        registerClass(kFrameClass, frameProcedure);
    });
}

bool routeControlNotice(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_COMMAND:
            // Menus and accelerators send no control window.
            if (lParam == 0) return false;
            if (ControlView* view = controlViewOf(reinterpret_cast<HWND>(lParam))) {
                view->command(HIWORD(wParam));
            }
            result = 0;
            return true;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            ControlView* view = controlViewOf(item->hwndItem);
            result = view != nullptr && view->draw(*item);
            return true;
        }
        case WM_MEASUREITEM:
            // Sent while the control is made; its view sets the real height when it places it.
            reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = 16;
            result = TRUE;
            return true;
        default:
            return false;
    }
}

}  // namespace kavinor::win32ui
