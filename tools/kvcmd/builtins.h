#pragma once

#include <string_view>

#include "command.h"

namespace kavinor::kvcmd {

bool runCd(const Command& command);
bool runMd(const Command& command);
bool runRd(const Command& command);
bool runCopy(const Command& command);
bool runMove(const Command& command);
bool runDel(const Command& command);
bool runEcho(const Command& command);
bool runDir(const Command& command);
bool runDate(const Command& command);
bool runTime(const Command& command);
bool runRem(const Command& command);

struct BuiltinMatch {
    Builtin run = nullptr;
    std::string_view arguments;  // what follows the command's name
};

// Finds the built-in command a line starts with, as the Windows interpreter does: the name
// without regard to case, ended by a blank or by a character that cannot be part of it, so
// `cd..` is `cd ..` and `echo.` is an `echo` of an empty line. No match for anything else.
BuiltinMatch findBuiltin(std::string_view command);

}  // namespace kavinor::kvcmd
