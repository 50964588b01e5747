// Step scripts started through the system's interpreter: working directory, logs, watch and
// terminate through the process handle.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "scratch_dir.h"
#include "system_text.h"
#include "win32_code_pages.h"
#include "win32_processes.h"

namespace kavinor::platform {
namespace {

namespace fs = std::filesystem;

class Win32ProcessesTest : public ::testing::Test {
protected:
    Win32ProcessesTest() : work(dir.path() / L"Ausgabe \u00e4") { fs::create_directory(work); }

    std::string ansi(const fs::path& path) const {
        return pages.convert(sys::textOf(path), "UTF-8", pages.ansiCodePage());
    }
    // Writes `script` into the working directory and returns its start line.
    std::string script(const std::string& name, const std::string& lines,
                       const std::string& redirection = "") {
        test::writeBytes(work / name, lines);
        return "\"" + ansi(work / name) + "\"" + redirection;
    }
    void watch(ProcessId id) {
        while (processes.isRunning(id)) {
        }
    }

    test::ScratchDir dir;
    fs::path work;
    Win32CodePages pages;
    Win32Processes processes;
};

TEST_F(Win32ProcessesTest, RunsInTheWorkingDirectoryAndLogsAllItSays) {
    const auto id = processes.start(
        script("schritt.bat", "echo erledigt>fertig.txt\r\ndel fehlt.txt\r\n", " >schritt.log"),
        ansi(work));
    ASSERT_TRUE(id);
    watch(*id);
    processes.terminate(*id);
    EXPECT_EQ(test::readBytes(work / "fertig.txt"), "erledigt\r\n");
    const std::string log = test::readBytes(work / "schritt.log");
    EXPECT_NE(log.find("echo erledigt"), std::string::npos) << log;
    EXPECT_NE(log.find("fehlt.txt"), std::string::npos) << log;
}

TEST_F(Win32ProcessesTest, TerminateEndsAScriptThatNeverEndsAndOnlyThatOnce) {
    const auto id = processes.start(script("ewig.bat", ":oben\r\ngoto oben\r\n"), ansi(work));
    ASSERT_TRUE(id);
    EXPECT_TRUE(processes.isRunning(*id));
    processes.terminate(*id);
    EXPECT_FALSE(processes.isRunning(*id));
    processes.terminate(*id);
    EXPECT_FALSE(processes.isRunning(*id + 4));
}

}  // namespace
}  // namespace kavinor::platform
