#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "run_tool.h"
#include "test_files.h"

namespace kavinor::test {

// The directory the build places kvcmd, the two tools and icon.bmp in.
inline const std::filesystem::path kToolDir = KAVINOR_TOOL_DIR;

// A test that runs the built `kvcmd` in a temporary working directory of its own.
class KvcmdTest : public ::testing::Test {
protected:
    KvcmdTest();

    // Runs `kvcmd /c COMMANDLINE` in `dir` (the working directory when empty), keeping what
    // it prints on standard output and standard error.
    ToolRun runLine(const std::string& commandLine, const std::filesystem::path& dir = {}) const;

    // Writes `text` as the script `name` into the working directory and runs it the way the
    // program starts a step script: `kvcmd /c "<its full path>"`.
    ToolRun runScript(const std::string& name, std::string_view text) const;

    // Runs `kvcmd` with exactly these arguments in the working directory.
    ToolRun runArgs(const std::vector<std::string>& args) const;

    const std::filesystem::path& work() const { return work_; }
    // A place for files that belong to no run: outside the working directory.
    const std::filesystem::path& scratch() const { return scratch_; }

private:
    TempDir tmp_;
    std::filesystem::path work_;
    std::filesystem::path scratch_;
};

}  // namespace kavinor::test
