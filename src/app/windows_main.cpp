// Kavinor.exe: the desktop program on Windows. It lives in the tool directory, beside the two
// tools and icon.bmp, and shows the program's windows over the system's own controls. A missing
// tool is no reason not to start: the notice tells where to get it, and a run without it ends
// in the failure message.
#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

#include "program_directory.h"
#include "windows_program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    kavinor::app::WindowsProgram kavinor(kavinor::platform::programDirectory());
    kavinor.run();
    return 0;
}
