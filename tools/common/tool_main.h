#pragma once

#include <functional>

namespace kavinor {

// Runs the body of a command-line tool with its two file arguments and turns every failure
// into one line on standard error and the tool's exit code: 0 done, 1 bad data or I/O
// failure, 2 wrong usage.
int runFileTool(int argc, char** argv, const char* name, const char* usage,
                const std::function<void(const char* input, const char* output)>& body);

}  // namespace kavinor
