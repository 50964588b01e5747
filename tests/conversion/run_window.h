#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "fmr_main.h"
#include "iconv_code_pages.h"
#include "platform_doubles.h"
#include "posix_directory_fill.h"
#include "posix_path_test.h"

namespace kavinor::test {

// A main window on the real file system with the given processes and tool directory; the save
// dialog, message box and pause are stand-ins.
class RunWindow {
public:
    RunWindow(platform::Processes& processes, const std::filesystem::path& toolDir,
              platform::IconvCodePages codePages = platform::IconvCodePages("UTF-8", "UTF-8"));

    // The state a confirmed source choice and a filled target list leave.
    void choose(bool ov2Mode, const std::filesystem::path& sourceDir,
                const std::vector<std::string>& targets);
    // Clicks the conversion button with the dialog answering `outputPath`.
    void convert(const std::filesystem::path& outputPath);

    FakeSaveDialog dialog;
    RecordingMessages messages;
    RecordingPause pause;
    platform::PosixPathTest paths;
    platform::PosixDirectoryFill directories;
    platform::IconvCodePages codePages;
    platform::Platform platform;
    mainwindow::FmrMain window;
};

// The message of a run that failed, and of one that succeeded.
ShownMessage failureMessage();
ShownMessage successMessage();

}  // namespace kavinor::test
