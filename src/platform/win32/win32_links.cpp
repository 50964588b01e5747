#include "win32_links.h"

#include <windows.h>
// After windows.h, whose types it uses.
#include <shellapi.h>

#include "wide_text.h"

namespace kavinor::platform {

void Win32Links::open(const std::string& target) {
    ShellExecuteW(nullptr, L"open", sys::widen(target, CP_ACP).c_str(), nullptr, nullptr,
                  SW_SHOWNORMAL);
}

}  // namespace kavinor::platform
