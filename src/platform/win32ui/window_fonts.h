#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "layout.h"

namespace kavinor::win32ui {

// The fonts of one window at its dots per inch, made once each and deleted with the set.
class WindowFonts {
public:
    WindowFonts() = default;
    ~WindowFonts() { clear(); }
    WindowFonts(const WindowFonts&) = delete;
    WindowFonts& operator=(const WindowFonts&) = delete;

    HFONT get(const forms::Font& font, int dotsPerInch);
    // Deletes every font: their controls take new ones first.
    void clear();

private:
    std::map<std::tuple<std::string, double, bool, int>, HFONT> fonts_;
};

}  // namespace kavinor::win32ui
