#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "test_program.h"

namespace kavinor::test {

// The loaded main window on the real file system with the given processes and tool directory.
class RunWindow : public TestProgram {
public:
    RunWindow(platform::Processes& processes, const std::filesystem::path& toolDir,
              platform::IconvCodePages codePages = platform::IconvCodePages("UTF-8", "UTF-8"));

    // The state a confirmed source choice and a filled target list leave.
    void choose(bool ov2Mode, const std::filesystem::path& sourceDir,
                const std::vector<std::string>& targets);
    // Clicks the conversion button with the dialog answering `outputPath`.
    void convert(const std::filesystem::path& outputPath);
};

// The message of a run that failed, and of one that succeeded.
ShownMessage failureMessage();
ShownMessage successMessage();

}  // namespace kavinor::test
