#pragma once

#include <string>

#include "code_pages.h"
#include "collation.h"
#include "directory_fill.h"
#include "drives.h"
#include "end_request.h"
#include "links.h"
#include "message_dialog.h"
#include "path_test.h"
#include "pause.h"
#include "processes.h"
#include "save_dialog.h"

namespace kavinor::platform {

// Everything the windows' behaviour asks of the system, handed to the main window at its
// creation.
struct Platform {
    Processes& processes;
    Pause& pause;
    PathTest& paths;
    CodePages& codePages;
    DirectoryFill& directories;
    Drives& drives;
    const Collation& collation;
    Links& links;
    SaveDialog& saveDialog;
    MessageDialog& messages;
    const EndRequest& endRequest;
    // The program's own directory, where the tools and icon.bmp lie: no trailing separator,
    // except at a root.
    std::string toolDirectory;
    // The separator of the paths the save dialog returns.
    char separator;
};

}  // namespace kavinor::platform
