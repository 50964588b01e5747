#pragma once

#include <string_view>

namespace kavinor::kvcmd {

// Where a command's output goes: its normal output and its messages, as file descriptors.
// Under the script's redirection both are the log; a line's own redirection changes `out` only.
struct Streams {
    int out = 1;
    int err = 2;
};

// Writes all of `text`, retrying short writes; a stream that cannot take it is given up on,
// as a console that has gone away would be.
void writeText(int fd, std::string_view text);

// Writes one line of text followed by CR LF, the line end of every line the interpreter prints.
void writeLine(int fd, std::string_view text);

}  // namespace kavinor::kvcmd
