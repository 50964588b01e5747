#include "dpi.h"

namespace kavinor::win32ui {
namespace {

// Calls that systems before Windows 10 lack: the program still starts there, at the system's
// dots per inch.
template <typename Function>
Function user32Call(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

int windowDpi(HWND window) {
    using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
    static const auto perWindow = user32Call<GetDpiForWindowCall>("GetDpiForWindow");
    if (perWindow != nullptr) {
        if (const UINT dpi = perWindow(window); dpi != 0) return static_cast<int>(dpi);
    }
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

SIZE windowSizeFor(SIZE client, DWORD style, DWORD exStyle, bool menu, int dotsPerInch) {
    using AdjustCall = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto forDpi = user32Call<AdjustCall>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, client.cx, client.cy};
    if (forDpi != nullptr) {
        forDpi(&rect, style, menu, exStyle, static_cast<UINT>(dotsPerInch));
    } else {
        AdjustWindowRectEx(&rect, style, menu, exStyle);
    }
    return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace kavinor::win32ui
