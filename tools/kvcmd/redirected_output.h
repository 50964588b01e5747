#pragma once

#include <vector>

#include "line_parser.h"

namespace kavinor::kvcmd {

// The file a line's redirection names, open for writing until the line is done.
class RedirectedOutput {
public:
    RedirectedOutput() = default;
    ~RedirectedOutput();
    RedirectedOutput(const RedirectedOutput&) = delete;
    RedirectedOutput& operator=(const RedirectedOutput&) = delete;

    // Opens every redirection in order, creating or emptying each file as the Windows
    // interpreter does, and keeps the last. False, after the message on `err`, when one of
    // them cannot be opened.
    bool open(const std::vector<Redirection>& redirections, int err);

    // The open file, or -1 when the line has no redirection.
    int fd() const { return fd_; }

private:
    void close();

    int fd_ = -1;
};

}  // namespace kavinor::kvcmd
