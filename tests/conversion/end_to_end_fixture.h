#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform_doubles.h"
#include "poi_files.h"
#include "posix_processes.h"
#include "run_window.h"
#include "temp_dir.h"

namespace kavinor::test {

// The directory the build places kvcmd, the two tools and icon.bmp in.
inline const std::filesystem::path kBuiltTools = KAVINOR_TOOL_DIR;

// A run with the real interpreter and tools in a temporary directory, started from a tool
// directory that holds the built programs and icon.bmp, less those a test leaves out.
class EndToEnd : public ::testing::Test {
protected:
    EndToEnd();
    // Takes `program` out of the tool directory (a later run misses it).
    void removeTool(const std::string& program);
    RunWindow& run();
    // Checks Error.bug in `dir` part by part against the scripts and logs that stood there
    // when error.bat started.
    void expectErrorBundle(const std::filesystem::path& dir) const;

    std::filesystem::path tools() const { return temp.path() / "Werkzeuge"; }
    std::filesystem::path source() const { return temp.path() / "Quelle Ä"; }
    std::filesystem::path out() const { return temp.path() / "Ziel ö"; }

    TempDir temp;
    // The files of the directory where error.bat started, as they were then.
    std::map<std::string, std::string> atErrorBat;

private:
    std::unique_ptr<platform::PosixProcesses> posix_;
    std::unique_ptr<FakeProcesses> processes_;
    std::unique_ptr<RunWindow> run_;
};

}  // namespace kavinor::test
