#include "window_fonts.h"

#include <cmath>

#include "wide_text.h"

namespace kavinor::win32ui {

HFONT WindowFonts::get(const forms::Font& font, int dotsPerInch) {
    auto key = std::make_tuple(std::string(font.face), font.points, font.bold, dotsPerInch);
    if (const auto found = fonts_.find(key); found != fonts_.end()) return found->second;
    LOGFONTW description{};
    // A negative height asks for the character height, as point sizes mean it.
    description.lfHeight = -static_cast<LONG>(std::lround(font.points * dotsPerInch / 72.0));
    description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfQuality = DEFAULT_QUALITY;
    const std::wstring face = sys::widen(font.face, CP_UTF8);
    face.copy(description.lfFaceName, LF_FACESIZE - 1);
    const HFONT made = CreateFontIndirectW(&description);
    fonts_.emplace(std::move(key), made);
    return made;
}

void WindowFonts::clear() {
    for (const auto& [key, font] : fonts_) DeleteObject(font);
    fonts_.clear();
}

}  // namespace kavinor::win32ui
