#include "builtins.h"
#include "line_parser.h"
#include "messages.h"
#include "name_fold.h"

namespace kavinor::kvcmd {

// The character right after `echo` only separates; everything after it is the text, its
// blanks included. `echo on` and `echo off` need a blank there (`echo.off` prints "off").
bool runEcho(const Command& command) {
    const std::string_view arguments = command.arguments;
    std::string_view text = arguments.empty() ? arguments : arguments.substr(1);
    const bool blankAfterName = !arguments.empty() && isBlank(arguments[0]);
    const std::string_view trimmed = trimBlanks(text);
    if (arguments.empty() || (blankAfterName && trimmed.empty())) {
        writeLine(command.streams.out,
                  command.state.echo ? messages::kEchoIsOn : messages::kEchoIsOff);
    } else if (blankAfterName && winpath::equalFolded(trimmed, "on")) {
        command.state.echo = true;
    } else if (blankAfterName && winpath::equalFolded(trimmed, "off")) {
        command.state.echo = false;
    } else {
        writeLine(command.streams.out, text);
    }
    return true;
}

}  // namespace kavinor::kvcmd
