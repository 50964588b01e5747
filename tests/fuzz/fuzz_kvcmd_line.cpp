// A line is refused or read into a command with balanced quotes, no operator outside them and
// words without quotes; any name matches itself and `*`.
#include "builtins.h"
#include "line_parser.h"
#include "percent.h"
#include "wildcard.h"

using namespace kavinor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string line =
        kvcmd::expandPercent(input, {"s.bat", "eins"}, [](const std::string& name) {
            return name == "X" ? std::optional<std::string>("\"&>") : std::nullopt;
        });
    try {
        const kvcmd::ParsedLine parsed = kvcmd::parseLine(line);
        bool quoted = false;
        for (char c : parsed.command) {
            if (c == '"') quoted = !quoted;
            if (!quoted && (c == '>' || c == '<' || c == '|' || c == '&')) __builtin_trap();
        }
        if (quoted) __builtin_trap();
        for (const kvcmd::Redirection& redirection : parsed.redirections) {
            if (redirection.target.empty()) __builtin_trap();
        }
        for (const kvcmd::Word& word : kvcmd::splitWords(parsed.command)) {
            if (word.text.find('"') != std::string::npos) __builtin_trap();
        }
        kvcmd::findBuiltin(parsed.command);
    } catch (const kvcmd::SyntaxError&) {
    }
    const std::string name = input.substr(0, input.find('\0'));
    if (name.find_first_of("*?") == std::string::npos && !winpath::matchesWildcard(name, name)) {
        __builtin_trap();
    }
    if (!winpath::matchesWildcard("*", name)) __builtin_trap();
    return 0;
}
