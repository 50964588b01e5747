#include "interpreter.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

#include "builtins.h"
#include "percent.h"
#include "program.h"
#include "redirected_output.h"

namespace kavinor::kvcmd {
namespace {

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() &&
            text[end + 1] == '\n') {
            ++end;
        }
        start = end + 1;
    }
    return lines;
}

std::optional<std::string> environmentValue(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr) return std::nullopt;
    return std::string(value);
}

}  // namespace

void Interpreter::runScript(std::string_view text, const std::vector<std::string>& arguments) {
    for (std::string_view raw : splitLines(text)) {
        const std::string line = expandPercent(raw, arguments, environmentValue);
        std::size_t start = 0;
        while (start < line.size() && isBlank(line[start])) ++start;
        // A label, and so a `::` comment, is neither shown nor run.
        if (start == line.size() || line[start] == ':') continue;
        const std::string_view written = std::string_view(line).substr(start);
        if (state_.echo && written.front() != '@') echoLine(written);
        try {
            runCommand(parseLine(written));
        } catch (const SyntaxError& error) {
            writeLine(console_.err, error.what());
        }
    }
}

bool Interpreter::runCommand(const ParsedLine& line) {
    if (trimBlanks(line.command).empty()) return true;
    RedirectedOutput redirected;
    if (!redirected.open(line.redirections, console_.err)) return false;
    const Streams streams{redirected.fd() >= 0 ? redirected.fd() : console_.out, console_.err};

    if (const BuiltinMatch builtin = findBuiltin(line.command); builtin.run != nullptr) {
        return builtin.run(Command{builtin.arguments, streams, state_});
    }
    std::vector<Word> words = splitWords(line.command);
    std::vector<std::string> arguments;
    for (std::size_t i = 1; i < words.size(); ++i) arguments.push_back(std::move(words[i].text));
    const std::optional<int> status =
        runProgram(trimTrailingBlanks(words.front().text), arguments, streams);
    if (status) lastExitStatus_ = *status;
    return status.has_value();
}

void Interpreter::echoLine(std::string_view line) const {
    std::error_code ec;
    const std::string prompt = std::filesystem::current_path(ec).string() + ">";
    writeText(console_.out, "\r\n" + prompt + std::string(line) + "\r\n");
}

}  // namespace kavinor::kvcmd
