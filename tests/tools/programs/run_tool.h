#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kavinor::test {

struct ToolRun {
    int exitCode = -1;   // the exit status, or minus the signal that ended the program
    std::string errors;  // everything written to standard error
};

// Runs `program` with `args` as its arguments, directly and without a shell, in `workingDir`.
// Standard input and output are /dev/null; standard error goes to `errorsFile` and is returned.
ToolRun runTool(const std::string& program, const std::vector<std::string>& args,
                const std::filesystem::path& workingDir, const std::filesystem::path& errorsFile);

}  // namespace kavinor::test
