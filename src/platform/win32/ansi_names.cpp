#include "ansi_names.h"

#include <windows.h>

#include "wide_text.h"

namespace kavinor::platform {

std::optional<std::string> ExactAnsiName(std::wstring_view name) {
    if (name.empty()) return std::string();
    // UTF-8 holds every name; the system takes no question about lost characters for it.
    if (GetACP() == CP_UTF8) return sys::narrow(name, CP_UTF8);
    const int size = static_cast<int>(name.size());
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name.data(), size, nullptr,
                                           0, nullptr, &usedDefault);
    if (length == 0 || usedDefault) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name.data(), size, bytes.data(), length,
                        nullptr, &usedDefault);
    return bytes;
}

}  // namespace kavinor::platform
