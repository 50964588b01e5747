#include <gtest/gtest.h>
#include <signal.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "posix_pause.h"
#include "posix_processes.h"
#include "process_table.h"
#include "temp_dir.h"
#include "test_files.h"
#include "xdg_links.h"

namespace kavinor::platform {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

milliseconds timeOf(std::int32_t ms) {
    const auto begin = std::chrono::steady_clock::now();
    PosixPause().wait(ms);
    return std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - begin);
}

// Seconds and milliseconds both count, also when a signal handled without SA_RESTART cuts a
// sleep short; a negative count read as unsigned would wait for ages.
TEST(PosixPauseTest, WaitsTheTimeAsked) {
    EXPECT_LT(timeOf(0) + timeOf(-5), milliseconds(1000));
    EXPECT_GE(timeOf(1005), milliseconds(1005));

    struct sigaction handler {};
    handler.sa_handler = [](int) {};
    ASSERT_EQ(::sigaction(SIGALRM, &handler, nullptr), 0);
    const itimerval everyFiveMilliseconds{{0, 5'000}, {0, 5'000}};
    ASSERT_EQ(::setitimer(ITIMER_REAL, &everyFiveMilliseconds, nullptr), 0);
    const milliseconds took = timeOf(60);
    const itimerval off{};
    ::setitimer(ITIMER_REAL, &off, nullptr);
    EXPECT_GE(took, milliseconds(60));
}

using test::eventually;
using test::livingMembers;

bool isOurChild(pid_t pid) {
    return ::waitpid(pid, nullptr, WNOHANG) != -1;
}

// Nothing starts without the interpreter or a working directory. A script gets null standard
// streams and no other descriptor and leads a group of its own, so that terminate, or the end of
// the processes object, ends it with the tools it started. No process of another processes
// object, or reaped elsewhere, is ever reached. Scripts that end are reaped by whole runs.
TEST(PosixProcessesTest, RunsScriptsAndEndsThemWithTheToolsTheyStarted) {
    const test::TempDir temp;
    const std::string dir = temp.path().string();
    const std::string interpreter = std::string(KAVINOR_TOOL_DIR) + "/kvcmd";
    PosixProcesses processes(interpreter);
    test::writeFile(temp.path() / "warte.bat", "sleep 30\r\n");
    EXPECT_FALSE(PosixProcesses(dir + "/kvcmd").start("warte.bat", dir));
    EXPECT_FALSE(PosixProcesses(dir + "/warte.bat/kvcmd").start("warte.bat", dir));
    for (const std::string& workingDir : {dir + "/fehlt", dir + "/warte.bat", std::string()}) {
        EXPECT_FALSE(processes.start("warte.bat", workingDir)) << workingDir;
    }
    EXPECT_FALSE(isOurChild(-1)) << "a failed start left a child behind";

    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);  // inheritable on purpose
    const auto id = processes.start("warte.bat", dir);
    std::optional<ProcessId> foreign;
    {
        PosixProcesses other(interpreter);
        foreign = other.start("warte.bat", dir);
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        ASSERT_TRUE(id && foreign);
        ASSERT_TRUE(eventually([&] { return livingMembers(*id) + livingMembers(*foreign) == 4; }))
            << "no tool started";
        // The script, read whole before its tools run, now holds no file of its own: beside
        // its standard streams only the socket and the process handle of the tool it serves.
        const fs::path fds = "/proc/" + std::to_string(*id) + "/fd";
        std::vector<std::string> held;
        for (const std::string& fd : test::listNames(fds)) {
            const std::string target = fs::read_symlink(fds / fd).string();
            held.push_back(target.starts_with("socket:") ? "socket" : target);
        }
        EXPECT_EQ(held, (std::vector<std::string>{"/dev/null", "/dev/null", "/dev/null", "socket",
                                                  "anon_inode:[pidfd]"}));
        EXPECT_FALSE(processes.isRunning(*foreign));
        processes.terminate(*foreign);
        EXPECT_TRUE(other.isRunning(*foreign) && processes.isRunning(*id));
        processes.terminate(*id);
        EXPECT_FALSE(processes.isRunning(*id));
    }
    for (const ProcessId ended : {*id, *foreign}) {
        EXPECT_FALSE(isOurChild(ended));
        EXPECT_TRUE(eventually([&] { return livingMembers(ended) == 0; }));
    }

    const auto reapedElsewhere = processes.start("warte.bat", dir);
    ASSERT_TRUE(reapedElsewhere.has_value());
    ::kill(-*reapedElsewhere, SIGKILL);
    ASSERT_EQ(::waitpid(*reapedElsewhere, nullptr, 0), *reapedElsewhere);
    EXPECT_FALSE(processes.isRunning(*reapedElsewhere));
}

// The opener is reaped as soon as it ends, while the links object lives on.
TEST(XdgLinks, HandsTheLinkOverAsOneArgumentWithoutAShellAndReapsTheOpener) {
    const test::TempDir temp;
    const std::string seen = (temp.path() / "seen").string();
    const fs::path opener = temp.path() / "opener";
    test::writeFile(opener, "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" >\"" + seen +
                                ".tmp\" && mv \"" + seen + ".tmp\" \"" + seen + "\"\n");
    fs::permissions(opener, fs::perms::owner_all);
    const std::string link = "mailto:a@b.example?subject=Bug&x=$(touch pwned) ;|`id`";
    XdgLinks links(opener.string());
    links.open(link);
    ASSERT_TRUE(eventually([&] { return fs::exists(seen); }));
    EXPECT_EQ(test::readFile(seen), "1|" + link);
    EXPECT_FALSE(fs::exists("pwned"));
    // No child is left, running or ended; WNOWAIT leaves an ended one to be found again.
    siginfo_t child{};
    EXPECT_TRUE(eventually([&] {
        return ::waitid(P_ALL, 0, &child, WEXITED | WNOHANG | WNOWAIT) == -1;
    })) << "the opener was not reaped";
    XdgLinks((temp.path() / "no-such-opener").string()).open(link);  // no report, no crash
}

}  // namespace
}  // namespace kavinor::platform
