#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kavinor::kvcmd {

// A line that cannot be carried out as written; what() is the German message.
class SyntaxError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Redirection {
    std::string target;   // the file name as written, without quotes
    bool append = false;  // `>>` rather than `>`
};

// One command line taken apart as the Windows interpreter does before it runs a command.
struct ParsedLine {
    // The line without its leading blanks and `@` and without its redirections. The blanks
    // before a `>` stay, so `echo text >f` writes "text " as that interpreter does.
    std::string command;
    std::vector<Redirection> redirections;  // in the order written; the last one wins
};

// Takes a line apart. Throws SyntaxError for a NUL byte, an unterminated quote, a redirection
// without a file name, and `&`, `|` or `<` outside quotes: chained commands and pipes are not part
// of the language here, and refusing them keeps every name in quotes only a name.
ParsedLine parseLine(std::string_view line);

bool isBlank(char c);

// `text` without blanks at its end; the blanks before a closing quote are no part of a command's
// name (`"x.bat "` names `x.bat`).
std::string_view trimTrailingBlanks(std::string_view text);

// `text` without blanks at either end.
std::string_view trimBlanks(std::string_view text);

// The words of a command's arguments: separated by blanks, quotes removed; a quoted part
// keeps its blanks and joins the characters right before and after it into one word.
struct Word {
    std::string text;
    bool quoted = false;  // held a quoted part: such a word is never a switch
};
// A character of `standalone` outside quotes ends a word and is a word of its own, as `+`
// between the sources of a copy (`a+b` is `a`, `+`, `b`).
std::vector<Word> splitWords(std::string_view arguments, std::string_view standalone = {});

}  // namespace kavinor::kvcmd
