#pragma once

#include <fcntl.h>
#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "test_files.h"

namespace kavinor::test {

struct ToolRun {
    int exitCode = -1;   // the exit status, or minus the signal that ended the program
    std::string errors;  // everything written to standard error
    std::string output;  // everything written to standard output, when it was kept
};

// Runs `program` with `args` as its arguments, directly and without a shell, in `workingDir`.
// Standard input is /dev/null; standard error goes to `errorsFile` and is returned. Standard
// output goes to `outputFile` and is returned, or to /dev/null when no file is given. With
// `user`, a test running as root runs the program as that user and group, so file
// permissions hold for it.
inline ToolRun runTool(const std::string& program, const std::vector<std::string>& args,
                       const std::filesystem::path& workingDir,
                       const std::filesystem::path& errorsFile,
                       const std::filesystem::path& outputFile = {},
                       std::optional<uid_t> user = std::nullopt) {
    std::vector<std::string> strings{program};
    strings.insert(strings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& s : strings) argv.push_back(s.data());
    argv.push_back(nullptr);
    const std::string dir = workingDir.string();
    const std::string errors = errorsFile.string();
    const std::string output = outputFile.empty() ? "/dev/null" : outputFile.string();

    const pid_t pid = fork();
    if (pid < 0) throw std::system_error(errno, std::generic_category(), "fork");
    if (pid == 0) {
        // Only async-signal-safe calls between fork and exec.
        const int err = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        const int null = open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (err < 0 || out < 0 || null < 0 || chdir(dir.c_str()) != 0 || dup2(null, 0) < 0 ||
            dup2(out, 1) < 0 || dup2(err, 2) < 0) {
            _exit(126);
        }
        if (user && (setgroups(0, nullptr) != 0 || setgid(*user) != 0 || setuid(*user) != 0)) {
            _exit(126);
        }
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) throw std::system_error(errno, std::generic_category(), "waitpid");
    }
    ToolRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    run.errors = readFile(errorsFile);
    if (!outputFile.empty()) run.output = readFile(outputFile);
    return run;
}

}  // namespace kavinor::test
