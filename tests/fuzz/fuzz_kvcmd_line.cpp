// Feeds arbitrary script lines to kvcmd's line reading. A line is refused with a SyntaxError
// or read into a command with balanced quotes and no operator outside them, whose words hold
// no quote; and any name matches itself and `*` as a wildcard.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "builtins.h"
#include "line_parser.h"
#include "percent.h"
#include "wildcard.h"

using namespace kavinor::kvcmd;

namespace {

void checkParsed(const ParsedLine& parsed) {
    bool inQuotes = false;
    for (char c : parsed.command) {
        if (c == '"') inQuotes = !inQuotes;
        if (!inQuotes && (c == '>' || c == '<' || c == '|' || c == '&')) __builtin_trap();
    }
    if (inQuotes) __builtin_trap();
    for (const Redirection& redirection : parsed.redirections) {
        if (redirection.target.empty()) __builtin_trap();
    }
    for (const Word& word : splitWords(parsed.command)) {
        if (word.text.find('"') != std::string::npos) __builtin_trap();
    }
    findBuiltin(parsed.command);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string line = expandPercent(input, {"s.bat", "eins"}, [](const std::string& name) {
        return name == "X" ? std::optional<std::string>("\"&>") : std::nullopt;
    });
    try {
        checkParsed(parseLine(line));
    } catch (const SyntaxError&) {
    }

    const std::string name = input.substr(0, input.find('\0'));
    if (name.find_first_of("*?") == std::string::npos &&
        !kavinor::winpath::matchesWildcard(name, name)) {
        __builtin_trap();
    }
    if (!kavinor::winpath::matchesWildcard("*", name)) __builtin_trap();
    return 0;
}
