#pragma once

#include <string>

#include "iconv_code_pages.h"
#include "icu_collation.h"
#include "mount_drives.h"
#include "painting_processes.h"
#include "platform.h"
#include "posix_directory_fill.h"
#include "posix_path_test.h"
#include "posix_processes.h"
#include "qt_message_dialog.h"
#include "qt_save_dialog.h"
#include "repainting_pause.h"
#include "signal_end_request.h"
#include "xdg_links.h"

namespace kavinor::app {

// This system as the program sees it: the POSIX parts, Qt's dialogs, the pause and process
// watch that keep the windows painting during a run, and the end that a signal asks for.
// `toolDirectory` holds kvcmd and the tools.
class SystemPlatform {
public:
    explicit SystemPlatform(const std::string& toolDirectory);
    SystemPlatform(const SystemPlatform&) = delete;
    SystemPlatform& operator=(const SystemPlatform&) = delete;

    platform::Platform& get() { return platform_; }
    const platform::SignalEndRequest& endRequest() const { return endRequest_; }

private:
    platform::PosixProcesses systemProcesses_;
    qt::RepaintingPause pause_;
    platform::PaintingProcesses processes_{systemProcesses_, pause_};
    platform::PosixPathTest paths_;
    platform::IconvCodePages codePages_;
    platform::PosixDirectoryFill directories_;
    platform::MountDrives drives_;
    platform::IcuCollation collation_;
    platform::XdgLinks links_;
    qt::QtSaveDialog saveDialog_;
    qt::QtMessageDialog messages_;
    platform::SignalEndRequest endRequest_;
    platform::Platform platform_;
};

}  // namespace kavinor::app
