#pragma once

#include <windows.h>

namespace kavinor::win32ui {

// The window classes of the program's windows and frames. Both take the system's dialog face
// as their background.
inline constexpr const wchar_t* kWindowClass = L"KavinorWindow";
inline constexpr const wchar_t* kFrameClass = L"KavinorFrame";

// Posted to a top-level window with a control's window: the control's batch of changes is over.
inline constexpr UINT kRedrawMessage = WM_APP + 1;
// Posted to a top-level window whose focused control the user can no longer reach.
inline constexpr UINT kFocusMessage = WM_APP + 2;

// Registers both classes once; `windowProcedure` serves the top-level windows.
void registerWindowClasses(WNDPROC windowProcedure);

// Hands a notice that a container gets from one of its controls (a command, an item to draw or
// measure) to that control's view. False for any other message.
bool routeControlNotice(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace kavinor::win32ui
