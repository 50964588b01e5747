#pragma once

#include <string_view>

#include "streams.h"

namespace kavinor::kvcmd {

// What a script may change beyond files: whether commands are echoed.
struct ScriptState {
    bool echo = true;
};

// One built-in command to run: the text after its name, quotes as written, and its streams.
struct Command {
    std::string_view arguments;
    Streams streams;
    ScriptState& state;
};

// A built-in command; false when it failed, after writing its message to `streams.err`.
using Builtin = bool (*)(const Command&);

}  // namespace kavinor::kvcmd
