#pragma once

#include <string>

#include "front_end.h"
#include "message_pump.h"
#include "native_dialogs.h"
#include "painting_processes.h"
#include "platform.h"
#include "program.h"
#include "win32_code_pages.h"
#include "win32_collation.h"
#include "win32_directory_fill.h"
#include "win32_drives.h"
#include "win32_links.h"
#include "win32_path_test.h"
#include "win32_processes.h"

namespace kavinor::app {

// Kavinor.exe as it runs: the system's parts, the three windows over the system's own controls
// and the message pump they share. `toolDirectory` holds the tools and icon.bmp.
class WindowsProgram {
public:
    explicit WindowsProgram(const std::string& toolDirectory);
    WindowsProgram(const WindowsProgram&) = delete;
    WindowsProgram& operator=(const WindowsProgram&) = delete;

    program::Program& program() { return program_; }
    const win32ui::FrontEnd& frontEnd() const { return frontEnd_; }
    win32ui::MessagePump& pump() { return pump_; }

    // Shows the notice and handles the system's messages until no window is loaded.
    void run();

private:
    win32ui::MessagePump pump_;
    win32ui::PumpEventLoop loop_{pump_};
    win32ui::PaintingPause pause_{pump_};
    platform::Win32Processes systemProcesses_;
    platform::PaintingProcesses processes_{systemProcesses_, pause_};
    platform::Win32PathTest paths_;
    platform::Win32CodePages codePages_;
    platform::Win32DirectoryFill directories_;
    platform::Win32Drives drives_;
    platform::Win32Collation collation_;
    platform::Win32Links links_;
    win32ui::NativeSaveDialog saveDialog_;
    win32ui::NativeMessageDialog messages_;
    // Nothing from outside asks Kavinor.exe to end yet.
    platform::NoEndRequest endRequest_;
    platform::Platform platform_;
    program::Program program_;
    win32ui::FrontEnd frontEnd_;
};

}  // namespace kavinor::app
