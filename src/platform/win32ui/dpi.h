#pragma once

#include <windows.h>

namespace kavinor::win32ui {

// Layout positions are in twips, 1440 an inch: 15 a pixel on a screen of 96 dots per inch.
inline int toPixels(int twips, int dotsPerInch) {
    return MulDiv(twips, dotsPerInch, 1440);
}

// The dots per inch that `window` is drawn at: its monitor's, where the system scales per
// monitor, otherwise the system's.
int windowDpi(HWND window);

// The window size whose client area is `client` at `dotsPerInch`, for the given styles.
SIZE windowSizeFor(SIZE client, DWORD style, DWORD exStyle, bool menu, int dotsPerInch);

}  // namespace kavinor::win32ui
