#include "builtins.h"

#include <array>

#include "line_parser.h"
#include "name_fold.h"

namespace kavinor::kvcmd {
namespace {

struct Entry {
    std::string_view name;
    Builtin run;
};

constexpr std::array<Entry, 15> kBuiltins{{
    {"cd", runCd},
    {"chdir", runCd},
    {"md", runMd},
    {"mkdir", runMd},
    {"rd", runRd},
    {"rmdir", runRd},
    {"copy", runCopy},
    {"move", runMove},
    {"del", runDel},
    {"erase", runDel},
    {"echo", runEcho},
    {"dir", runDir},
    {"date", runDate},
    {"time", runTime},
    {"rem", runRem},
}};

bool endsName(char c) {
    return isBlank(c) || std::string_view(".\\/:(+=,;[]\"").find(c) != std::string_view::npos;
}

}  // namespace

BuiltinMatch findBuiltin(std::string_view command) {
    std::size_t pos = 0;
    while (pos < command.size() && isBlank(command[pos])) ++pos;
    const std::string_view text = command.substr(pos);
    for (const Entry& entry : kBuiltins) {
        if (text.size() < entry.name.size()) continue;
        if (!winpath::equalFolded(text.substr(0, entry.name.size()), entry.name)) continue;
        if (text.size() == entry.name.size() || endsName(text[entry.name.size()])) {
            return {entry.run, text.substr(entry.name.size())};
        }
    }
    return {};
}

}  // namespace kavinor::kvcmd
