#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

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
ToolRun runTool(const std::string& program, const std::vector<std::string>& args,
                const std::filesystem::path& workingDir, const std::filesystem::path& errorsFile,
                const std::filesystem::path& outputFile = {},
                std::optional<uid_t> user = std::nullopt);

}  // namespace kavinor::test
