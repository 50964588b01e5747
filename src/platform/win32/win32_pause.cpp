#include "win32_pause.h"

#include <windows.h>

namespace kavinor::platform {

void Win32Pause::wait(std::int32_t milliseconds) {
    if (milliseconds <= 0) return;
    WaitForSingleObject(GetCurrentProcess(), static_cast<DWORD>(milliseconds));
}

}  // namespace kavinor::platform
