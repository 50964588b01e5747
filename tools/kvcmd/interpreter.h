#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "command.h"
#include "line_parser.h"
#include "streams.h"

namespace kavinor::kvcmd {

// Carries out command lines the way the Windows interpreter carries out a batch script. A
// failing command writes one message and the script goes on with its next line.
class Interpreter {
public:
    // `console` is where the script's output and messages go: the terminal, or the log that
    // the starting command line redirected them to.
    explicit Interpreter(Streams console) : console_(console) {}

    // Runs a script's text: lines ended by CR LF, LF or CR, percent signs read as a script's,
    // each line echoed before it runs while echo is on, labels skipped. `arguments` are `%0`
    // to `%9`.
    void runScript(std::string_view text, const std::vector<std::string>& arguments);

    // Runs one command with its redirections; false when it failed or could not start. A
    // program's exit status, when one ran, is left in `lastExitStatus`.
    bool runCommand(const ParsedLine& line);

    int lastExitStatus() const { return lastExitStatus_; }

private:
    void echoLine(std::string_view line) const;

    Streams console_;
    ScriptState state_;
    int lastExitStatus_ = 0;
};

}  // namespace kavinor::kvcmd
