#include "win32_collation.h"

#include <windows.h>

#include "wide_text.h"

namespace kavinor::platform {

// The system's key ends in a 0 byte and holds none before it; the name's own bytes after it
// keep names apart that the system weighs alike ("Karte" and "KARTE"), and a shorter system
// key still sorts first.
std::string Win32Collation::sortKey(std::string_view text) const {
    const std::wstring wide = sys::widen(text, CP_UTF8);
    constexpr DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int size = LCMapStringEx(L"de-DE", kFlags, wide.c_str(), static_cast<int>(wide.size()),
                                   nullptr, 0, nullptr, nullptr, 0);
    std::string key(static_cast<std::size_t>(size), '\0');
    if (size > 0) {
        LCMapStringEx(L"de-DE", kFlags, wide.c_str(), static_cast<int>(wide.size()),
                      reinterpret_cast<LPWSTR>(key.data()), size, nullptr, nullptr, 0);
    }
    if (key.empty() || key.back() != '\0') key += '\0';
    key.append(text);
    return key;
}

}  // namespace kavinor::platform
