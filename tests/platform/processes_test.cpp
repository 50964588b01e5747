#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "posix_pause.h"
#include "posix_processes.h"
#include "temp_dir.h"
#include "test_files.h"

namespace kavinor::platform {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;
using test::crlf;
using test::writeFile;

const std::string kInterpreter = std::string(KAVINOR_TOOL_DIR) + "/kvcmd";

milliseconds timeOf(std::int32_t ms) {
    PosixPause pause;
    const auto begin = std::chrono::steady_clock::now();
    pause.wait(ms);
    return std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - begin);
}

// At least the time asked, seconds and milliseconds both counting, also when a signal handled
// without SA_RESTART cuts a sleep short; nothing or less returns at once: far less than a
// negative count read as unsigned.
TEST(PosixPauseTest, WaitsTheTimeAsked) {
    EXPECT_LT(timeOf(0), milliseconds(1000));
    EXPECT_LT(timeOf(-5), milliseconds(1000));
    EXPECT_GE(timeOf(1005), milliseconds(1005));

    struct sigaction handler {};
    handler.sa_handler = [](int) {};
    struct sigaction previous {};
    ASSERT_EQ(::sigaction(SIGALRM, &handler, &previous), 0);
    const itimerval everyFiveMilliseconds{{0, 5'000}, {0, 5'000}};
    ASSERT_EQ(::setitimer(ITIMER_REAL, &everyFiveMilliseconds, nullptr), 0);
    const milliseconds took = timeOf(60);
    const itimerval off{};
    ::setitimer(ITIMER_REAL, &off, nullptr);
    ::sigaction(SIGALRM, &previous, nullptr);
    EXPECT_GE(took, milliseconds(60));
}

// Polls `condition` until it holds; false if it never does within about five seconds.
template <typename Condition>
bool eventually(Condition condition) {
    for (int i = 0; i < 1000; ++i) {
        if (condition()) return true;
        const timespec fiveMilliseconds{0, 5'000'000};
        ::nanosleep(&fiveMilliseconds, nullptr);
    }
    return false;
}

// How many processes of the group `group` have not ended, by the state and group fields of
// /proc/<pid>/stat.
int livingMembers(pid_t group) {
    int living = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator("/proc")) {
        std::ifstream in(entry.path() / "stat");
        std::string line;
        if (!std::getline(in, line)) continue;
        // The command name in parentheses may hold blanks, so read after its closing one.
        std::istringstream fields(line.substr(line.rfind(')') + 1));
        char state = 0;
        pid_t parent = 0;
        pid_t pgrp = 0;
        if (fields >> state >> parent >> pgrp && pgrp == group && state != 'Z') ++living;
    }
    return living;
}

bool isOurChild(pid_t pid) {
    return ::waitpid(pid, nullptr, WNOHANG) != -1;
}

class PosixProcessesTest : public ::testing::Test {
protected:
    // Writes a script as the program does and returns the command line that runs it.
    std::string script(const std::string& name, const std::vector<std::string>& lines) {
        writeFile(dir.path() / name, crlf(lines));
        return "\"" + (dir.path() / name).string() + "\"";
    }

    test::TempDir dir;
    PosixProcesses processes{kInterpreter};
};

// A script runs in its working directory, its output where the command line sends it, and is
// reaped when it has ended. Nothing starts without the interpreter or a working directory, and
// no process that was not started, or has been reaped, is ever reached.
TEST_F(PosixProcessesTest, RunsScriptsAndReachesNothingElse) {
    const std::string konvert =
        script("konvert.bat", {"@echo off", "echo hallo>out.txt", "echo fertig"});
    const auto id = processes.start(konvert + " >konvert.log", dir.path().string());
    ASSERT_TRUE(id.has_value());
    ASSERT_TRUE(eventually([&] { return !processes.isRunning(*id); }));
    EXPECT_EQ(test::readFile(dir.path() / "out.txt"), "hallo\r\n");
    EXPECT_EQ(test::readFile(dir.path() / "konvert.log"), "fertig\r\n");
    EXPECT_FALSE(isOurChild(*id));

    writeFile(dir.path() / "datei.txt", "x");
    const std::string throughFile = (dir.path() / "datei.txt" / "sub").string();
    EXPECT_FALSE(PosixProcesses((dir.path() / "kvcmd").string()).start(konvert, dir.path()));
    EXPECT_FALSE(PosixProcesses(throughFile).start(konvert, dir.path()));
    for (const std::string& workingDir :
         {(dir.path() / "fehlt").string(), (dir.path() / "datei.txt").string(), throughFile,
          std::string()}) {
        EXPECT_FALSE(processes.start(konvert, workingDir)) << workingDir;
    }
    EXPECT_FALSE(isOurChild(-1)) << "a failed start left a child behind";

    // A child of the test's own that leads its own group and waits for a signal.
    const pid_t bystander = ::fork();
    if (bystander == 0) {
        ::setpgid(0, 0);
        for (;;) ::pause();
    }
    ASSERT_GT(bystander, 0);
    ::setpgid(bystander, bystander);
    EXPECT_FALSE(processes.isRunning(bystander));
    processes.terminate(bystander);
    processes.terminate(*id);
    EXPECT_FALSE(processes.isRunning(*id));
    EXPECT_EQ(::waitpid(bystander, nullptr, WNOHANG), 0) << "the bystander was ended or reaped";
    ::kill(bystander, SIGKILL);
    ::waitpid(bystander, nullptr, 0);
}

// A script gets null standard streams and no other descriptor, and leads a group of its own,
// so that terminate ends it with the tools it started, and so does the end of the processes
// object. A script reaped elsewhere counts as ended.
TEST_F(PosixProcessesTest, TerminateEndsTheScriptAndTheToolsItStarted) {
    const std::string waiting = script("warte.bat", {"sleep 30"});
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);  // inheritable on purpose
    const auto id = processes.start(waiting, dir.path().string());
    ::close(pipeEnds[1]);
    ASSERT_TRUE(id.has_value());
    for (const char* fd : {"0", "1", "2"}) {
        EXPECT_EQ(fs::read_symlink("/proc/" + std::to_string(*id) + "/fd/" + fd), "/dev/null")
            << "descriptor " << fd;
    }
    ASSERT_TRUE(eventually([&] { return livingMembers(*id) == 2; })) << "no tool started";
    // Only a process still holding the write end keeps the pipe from hanging up.
    pollfd readEnd{pipeEnds[0], POLLIN, 0};
    EXPECT_EQ(::poll(&readEnd, 1, 0), 1);
    EXPECT_TRUE(readEnd.revents & POLLHUP);
    ::close(pipeEnds[0]);
    EXPECT_TRUE(processes.isRunning(*id));
    processes.terminate(*id);
    EXPECT_FALSE(processes.isRunning(*id));
    EXPECT_FALSE(isOurChild(*id));
    EXPECT_TRUE(eventually([&] { return livingMembers(*id) == 0; }));

    const auto reapedElsewhere = processes.start(waiting, dir.path().string());
    ASSERT_TRUE(reapedElsewhere.has_value());
    ::kill(-*reapedElsewhere, SIGKILL);
    ASSERT_EQ(::waitpid(*reapedElsewhere, nullptr, 0), *reapedElsewhere);
    EXPECT_FALSE(processes.isRunning(*reapedElsewhere));

    std::optional<ProcessId> left;
    {
        PosixProcesses scoped(kInterpreter);
        left = scoped.start(waiting, dir.path().string());
        ASSERT_TRUE(left.has_value());
        ASSERT_TRUE(eventually([&] { return livingMembers(*left) == 2; })) << "no tool started";
    }
    EXPECT_FALSE(isOurChild(*left));
    EXPECT_TRUE(eventually([&] { return livingMembers(*left) == 0; }));
}

}  // namespace
}  // namespace kavinor::platform
