#include "process.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <stdexcept>

namespace kavinor::bench {
namespace {

constexpr int kCannotStart = 127;

std::string commandLine(const std::vector<std::string>& argv) {
    std::string line;
    for (const std::string& arg : argv) line += (line.empty() ? "" : " ") + arg;
    return line;
}

// Reaps `pid` and returns the resources that this child alone used.
rusage waitFor(pid_t pid, const std::string& what) {
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0) {
        if (errno != EINTR) throw std::runtime_error(what + ": " + std::strerror(errno));
    }
    if (WIFSIGNALED(status)) {
        throw std::runtime_error(what + ": killed by signal " + std::to_string(WTERMSIG(status)));
    }
    if (WEXITSTATUS(status) == kCannotStart) throw std::runtime_error(what + ": cannot start");
    if (WEXITSTATUS(status) != 0) {
        throw std::runtime_error(what + ": exit code " + std::to_string(WEXITSTATUS(status)));
    }
    return usage;
}

double seconds(const timeval& time) {
    return time.tv_sec + time.tv_usec / 1e6;
}

pid_t forkOrThrow() {
    // Output still buffered here would otherwise be written by the child as well.
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error(std::string("cannot fork: ") + std::strerror(errno));
    return pid;
}

}  // namespace

ProcessCost runProgram(const std::vector<std::string>& argv,
                       const std::filesystem::path& stdoutFile) {
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    const std::string output = stdoutFile.string();

    const pid_t pid = forkOrThrow();
    if (pid == 0) {
        // Only async-signal-safe calls between fork and exec.
        if (!output.empty()) {
            const int fd = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0 || dup2(fd, STDOUT_FILENO) < 0) _exit(kCannotStart);
            if (fd != STDOUT_FILENO) close(fd);
        }
        execvp(args[0], args.data());
        _exit(kCannotStart);
    }
    const rusage usage = waitFor(pid, commandLine(argv));
    // Linux counts the maximum resident set in KiB.
    return {static_cast<std::uint64_t>(usage.ru_maxrss) * 1024,
            seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

void runForked(const std::function<void()>& body, const std::string& what) {
    const pid_t pid = forkOrThrow();
    if (pid == 0) {
        int code = 0;
        try {
            body();
        } catch (const std::exception& e) {
            std::fprintf(stderr, "ov2bench: %s: %s\n", what.c_str(), e.what());
            code = 1;
        }
        std::fflush(nullptr);
        _exit(code);
    }
    waitFor(pid, what);
}

}  // namespace kavinor::bench
