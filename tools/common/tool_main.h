#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace kavinor {

// The two file arguments of a tool: as written (for messages) and as found on this system.
struct ToolFiles {
    std::string inputName;
    std::filesystem::path input;
    std::string outputName;
    std::filesystem::path output;
};

// Runs the body of a command-line tool with its two file arguments and turns every failure
// into one line on standard error and the tool's exit code: 0 done, 1 bad data or I/O
// failure, 2 wrong usage. An output naming the input file itself is wrong usage: the input
// would be lost.
int runFileTool(int argc, char** argv, const char* name, const char* usage,
                const std::function<void(const ToolFiles&)>& body);

}  // namespace kavinor
