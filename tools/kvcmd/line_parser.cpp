#include "line_parser.h"

#include "messages.h"

namespace kavinor::kvcmd {
namespace {

bool endsBareTarget(char c) {
    return isBlank(c) || c == '>' || c == '<' || c == '|' || c == '&';
}

// Reads the file name of a redirection starting at `pos`; returns the position after it.
std::size_t readTarget(std::string_view line, std::size_t pos, std::string& target) {
    while (pos < line.size() && isBlank(line[pos])) ++pos;
    if (pos < line.size() && line[pos] == '"') {
        const std::size_t close = line.find('"', pos + 1);
        if (close == std::string_view::npos) {
            throw SyntaxError(std::string(messages::kUnterminatedQuote));
        }
        target = line.substr(pos + 1, close - pos - 1);
        pos = close + 1;
    } else {
        const std::size_t start = pos;
        while (pos < line.size() && !endsBareTarget(line[pos])) ++pos;
        target = line.substr(start, pos - start);
    }
    if (target.empty()) throw SyntaxError(std::string(messages::kMissingRedirectionTarget));
    return pos;
}

}  // namespace

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimTrailingBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    return trimTrailingBlanks(text);
}

ParsedLine parseLine(std::string_view line) {
    // The system cuts a name at a NUL byte, so such a name would reach another file.
    if (line.find('\0') != std::string_view::npos) {
        throw SyntaxError(std::string(messages::kBadName));
    }
    ParsedLine parsed;
    std::size_t pos = 0;
    while (pos < line.size() && (isBlank(line[pos]) || line[pos] == '@')) ++pos;
    bool inQuotes = false;
    while (pos < line.size()) {
        const char c = line[pos];
        if (c == '"') inQuotes = !inQuotes;
        if (inQuotes || (c != '>' && c != '<' && c != '|' && c != '&')) {
            parsed.command += c;
            ++pos;
            continue;
        }
        if (c != '>') throw SyntaxError(messages::unsupportedCharacter(c));
        Redirection redirection;
        redirection.append = pos + 1 < line.size() && line[pos + 1] == '>';
        pos = readTarget(line, pos + (redirection.append ? 2 : 1), redirection.target);
        parsed.redirections.push_back(std::move(redirection));
    }
    if (inQuotes) throw SyntaxError(std::string(messages::kUnterminatedQuote));
    return parsed;
}

std::vector<Word> splitWords(std::string_view arguments, std::string_view standalone) {
    const auto isStandalone = [&](char c) { return standalone.find(c) != std::string_view::npos; };
    std::vector<Word> words;
    std::size_t pos = 0;
    while (true) {
        while (pos < arguments.size() && isBlank(arguments[pos])) ++pos;
        if (pos == arguments.size()) return words;
        if (isStandalone(arguments[pos])) {
            words.push_back(Word{std::string(1, arguments[pos++]), false});
            continue;
        }
        Word word;
        bool inQuotes = false;
        for (; pos < arguments.size() &&
               (inQuotes || (!isBlank(arguments[pos]) && !isStandalone(arguments[pos])));
             ++pos) {
            if (arguments[pos] == '"') {
                inQuotes = !inQuotes;
                word.quoted = true;
            } else {
                word.text += arguments[pos];
            }
        }
        words.push_back(std::move(word));
    }
}

}  // namespace kavinor::kvcmd
