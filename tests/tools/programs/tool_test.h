#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "run_tool.h"
#include "test_files.h"

namespace kavinor::test {

struct Tool {
    const char* name;
    const char* path;
};

inline constexpr Tool kDumpov2{"dumpov2", DUMPOV2};
inline constexpr Tool kMakeov2{"makeov2", MAKEOV2};

// A test with a temporary directory that holds the working directory of the runs.
class ToolTest : public ::testing::Test {
protected:
    ToolTest();

    // Runs `tool` with `args` in the working directory, or in `dir`.
    ToolRun run(const Tool& tool, const std::vector<std::string>& args) const;
    ToolRun runIn(const std::filesystem::path& dir, const Tool& tool,
                  const std::vector<std::string>& args) const;

    // A new, empty directory of that name beside the working directory.
    std::filesystem::path freshDir(const std::string& name) const;

    const std::filesystem::path& work() const { return work_; }

private:
    TempDir tmp_;
    std::filesystem::path work_;
};

// Exit 0 and nothing on standard error.
::testing::AssertionResult succeeded(const ToolRun& run);

// Exit `exitCode` and exactly one line on standard error, beginning with the tool's name and
// ": ".
::testing::AssertionResult failedWithOneLine(const ToolRun& run, const Tool& tool, int exitCode);

}  // namespace kavinor::test
