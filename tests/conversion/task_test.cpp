#include <gtest/gtest.h>

#include <vector>

#include "platform_doubles.h"
#include "run_window.h"
#include "task.h"
#include "temp_dir.h"

namespace kavinor::conversion {
namespace {

using test::FakeProcesses;

TEST(Task, WatchPollsUntilTheScriptHasEndedThenTerminatesIt) {
    test::TempDir temp;
    FakeProcesses processes;
    processes.pollsWhileRunning = 3;
    test::RunWindow run(processes, "/opt/kavinor");
    const std::string dir = temp.path().string();
    run.window.strOutDir = dir + "/";

    RunScript(run.window, Script::Komplett, true);
    ASSERT_EQ(processes.starts.size(), 1u);
    EXPECT_EQ(processes.starts[0].commandLine, "\"" + dir + "/komplett.bat \" >komplett.log");
    EXPECT_EQ(processes.starts[0].workingDir, dir + "/");
    const platform::ProcessId id = run.window.lngTaskID;
    EXPECT_EQ(processes.polled, std::vector<platform::ProcessId>(4, id));
    EXPECT_EQ(processes.terminated, std::vector<platform::ProcessId>{id});
}

// A failed start leaves nothing to watch: an id of an earlier start, which the system may have
// given to another process since, is neither watched nor terminated.
TEST(Task, FailedStartNeverReachesTheEarlierProcess) {
    FakeProcesses processes;
    test::RunWindow run(processes, "/opt/kavinor");
    run.window.strOutDir = "/nowhere/";
    RunScript(run.window, Script::Konvert, false);
    const platform::ProcessId earlier = run.window.lngTaskID;
    ASSERT_NE(earlier, 0);

    processes.failStarts = true;
    processes.polled.clear();
    processes.terminated.clear();
    RunScript(run.window, Script::Komplett, false);
    EXPECT_EQ(run.window.lngTaskID, 0);
    EXPECT_EQ(processes.polled, std::vector<platform::ProcessId>{0});
    EXPECT_EQ(processes.terminated, std::vector<platform::ProcessId>{0});
}

}  // namespace
}  // namespace kavinor::conversion
