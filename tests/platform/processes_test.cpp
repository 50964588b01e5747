#include "posix_processes.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <utility>

#include "temp_dir.h"
#include "test_files.h"

namespace kavinor::platform {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using kavinor::test::readFile;
using kavinor::test::TempDir;
using kavinor::test::writeFile;

const std::string kInterpreter = std::string(KAVINOR_TOOL_DIR) + "/kvcmd";
constexpr auto kPatience = std::chrono::seconds(5);

// Polls `condition` until it holds; false if it never does within patience.
template <typename Condition>
bool eventually(Condition condition) {
    const auto deadline = Clock::now() + kPatience;
    while (!condition()) {
        if (Clock::now() > deadline) return false;
        const timespec fiveMilliseconds{0, 5'000'000};
        ::nanosleep(&fiveMilliseconds, nullptr);
    }
    return true;
}

// Writes a step script as the program does: CR LF lines. Returns the command line that runs it.
std::string writeScript(const fs::path& path, const std::string& lines) {
    std::string text;
    for (char c : lines) text += c == '\n' ? std::string("\r\n") : std::string(1, c);
    writeFile(path, text);
    const std::string name = path.string();
    return "\"" + name + "\"";
}

// The third and fourth fields of /proc/<pid>/stat: state and parent; empty once it is gone.
std::optional<std::pair<char, pid_t>> stateAndParent(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(in, line)) return std::nullopt;
    // The command name in parentheses may hold blanks, so read after its closing one.
    std::istringstream rest(line.substr(line.rfind(')') + 1));
    char state = 0;
    pid_t parent = 0;
    if (!(rest >> state >> parent)) return std::nullopt;
    return std::pair{state, parent};
}

std::optional<pid_t> childOf(pid_t parent) {
    std::error_code ec;
    for (fs::directory_iterator it("/proc", ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        const auto info = stateAndParent(std::stoi(name));
        if (info && info->second == parent) return std::stoi(name);
    }
    return std::nullopt;
}

std::optional<pid_t> waitForChildOf(pid_t parent) {
    std::optional<pid_t> child;
    eventually([&] { return (child = childOf(parent)).has_value(); });
    return child;
}

// Whether `pid` dies; an orphan stays a zombie until the init process reaps it.
bool waitUntilDead(pid_t pid) {
    return eventually([pid] {
        const auto info = stateAndParent(pid);
        return !info || info->first == 'Z';
    });
}

bool isReapedOrUnknown(pid_t pid) {
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

// A child of the test itself that leads its own group and waits for a signal.
class BystanderProcess {
public:
    BystanderProcess() : pid_(::fork()) {
        if (pid_ == 0) {
            ::setpgid(0, 0);
            for (;;) ::pause();
        }
        ::setpgid(pid_, pid_);
    }
    ~BystanderProcess() {
        if (pid_ <= 0) return;  // a pid of -1 would signal every process
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    BystanderProcess(const BystanderProcess&) = delete;
    BystanderProcess& operator=(const BystanderProcess&) = delete;

    pid_t pid() const { return pid_; }
    bool stillRunsUnreaped() const { return ::waitpid(pid_, nullptr, WNOHANG) == 0; }

private:
    pid_t pid_;
};

// A temporary directory to run scripts in, and the processes under test.
class PosixProcessesTest : public ::testing::Test {
protected:
    // A script that waits, through a program it starts, until it is ended.
    std::string waiting() const { return writeScript(dir.path() / "warte.bat", "sleep 30\n"); }

    TempDir dir;
    PosixProcesses processes{kInterpreter};
};

TEST_F(PosixProcessesTest, RunsTheCommandLineInTheWorkingDirectory) {
    const std::string script =
        writeScript(dir.path() / "konvert.bat", "@echo off\necho hallo>out.txt\necho fertig\n");

    const auto id = processes.start(script + " >konvert.log", dir.path().string());

    ASSERT_TRUE(id.has_value());
    ASSERT_TRUE(eventually([&] { return !processes.isRunning(*id); }));
    EXPECT_EQ(readFile(dir.path() / "out.txt"), "hallo\r\n");
    EXPECT_EQ(readFile(dir.path() / "konvert.log"), "fertig\r\n");
    EXPECT_TRUE(isReapedOrUnknown(*id));
}

TEST_F(PosixProcessesTest, GivesTheScriptNullStreamsAndNoOtherDescriptors) {
    const std::string script = waiting();
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);  // inheritable on purpose

    const auto id = processes.start(script, dir.path().string());
    ::close(pipeEnds[1]);

    ASSERT_TRUE(id.has_value());
    const std::string fds = "/proc/" + std::to_string(*id) + "/fd/";
    for (const char* fd : {"0", "1", "2"}) {
        EXPECT_EQ(fs::read_symlink(fds + fd), "/dev/null") << "descriptor " << fd;
    }
    ASSERT_TRUE(waitForChildOf(*id).has_value());
    // Only a process still holding the write end keeps the pipe from hanging up.
    pollfd readEnd{pipeEnds[0], POLLIN, 0};
    EXPECT_EQ(::poll(&readEnd, 1, 0), 1);
    EXPECT_TRUE(readEnd.revents & POLLHUP);
    ::close(pipeEnds[0]);
}

TEST_F(PosixProcessesTest, StartsNothingWithoutInterpreterOrWorkingDirectory) {
    writeFile(dir.path() / "datei.txt", "x");
    const std::string script = writeScript(dir.path() / "k.bat", "echo x>out.txt\n");
    const std::string throughFile = (dir.path() / "datei.txt" / "sub").string();

    EXPECT_FALSE(PosixProcesses((dir.path() / "kvcmd").string())
                     .start(script, dir.path().string())
                     .has_value());
    EXPECT_FALSE(PosixProcesses(throughFile).start(script, dir.path().string()).has_value());

    EXPECT_FALSE(processes.start(script, (dir.path() / "fehlt").string()).has_value());
    EXPECT_FALSE(processes.start(script, (dir.path() / "datei.txt").string()).has_value());
    EXPECT_FALSE(processes.start(script, throughFile).has_value());
    EXPECT_FALSE(processes.start(script, "").has_value());
    EXPECT_FALSE(fs::exists(dir.path() / "out.txt"));
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << "a failed start left a child behind";
}

TEST_F(PosixProcessesTest, TerminateEndsTheScriptAndTheToolsItStarted) {
    const std::string script = waiting();
    const auto id = processes.start(script, dir.path().string());
    ASSERT_TRUE(id.has_value());
    const auto tool = waitForChildOf(*id);
    ASSERT_TRUE(tool.has_value());
    EXPECT_EQ(::getpgid(*id), *id) << "not the leader of a group of its own";
    EXPECT_TRUE(processes.isRunning(*id));

    processes.terminate(*id);

    EXPECT_FALSE(processes.isRunning(*id));
    EXPECT_TRUE(isReapedOrUnknown(*id));
    EXPECT_TRUE(waitUntilDead(*tool));
}

TEST_F(PosixProcessesTest, NeverTouchesAProcessItDidNotStartOrHasReaped) {
    const std::string script = writeScript(dir.path() / "kurz.bat", "echo x>out.txt\n");
    const auto ended = processes.start(script, dir.path().string());
    ASSERT_TRUE(ended.has_value());
    ASSERT_TRUE(eventually([&] { return !processes.isRunning(*ended); }));
    BystanderProcess bystander;
    ASSERT_GT(bystander.pid(), 0);

    EXPECT_FALSE(processes.isRunning(bystander.pid()));
    processes.terminate(bystander.pid());
    processes.terminate(*ended);
    EXPECT_FALSE(processes.isRunning(*ended));

    EXPECT_TRUE(bystander.stillRunsUnreaped());
}

TEST_F(PosixProcessesTest, CountsAProcessReapedElsewhereAsEnded) {
    const std::string script = waiting();
    const auto id = processes.start(script, dir.path().string());
    ASSERT_TRUE(id.has_value());

    ::kill(-*id, SIGKILL);
    ASSERT_EQ(::waitpid(*id, nullptr, 0), *id);

    EXPECT_FALSE(processes.isRunning(*id));
}

TEST_F(PosixProcessesTest, DestructionEndsAndReapsWhatStillRuns) {
    const std::string script = waiting();
    std::optional<ProcessId> id;
    std::optional<pid_t> tool;
    {
        PosixProcesses scoped(kInterpreter);
        id = scoped.start(script, dir.path().string());
        ASSERT_TRUE(id.has_value());
        tool = waitForChildOf(*id);
        ASSERT_TRUE(tool.has_value());
    }
    EXPECT_TRUE(isReapedOrUnknown(*id));
    EXPECT_TRUE(waitUntilDead(*tool));
}

}  // namespace
}  // namespace kavinor::platform
