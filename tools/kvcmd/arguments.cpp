#include "arguments.h"

#include <algorithm>

#include "messages.h"
#include "name_fold.h"
#include "streams.h"

namespace kavinor::kvcmd {

bool isSwitch(const Word& word) {
    const std::string& text = word.text;
    return !word.quoted && text.size() >= 2 && text.size() <= 3 && text[0] == '/' &&
           text.find('/', 1) == std::string::npos;
}

bool checkSwitch(const Word& word, std::initializer_list<std::string_view> allowed, int err) {
    const bool known = std::any_of(allowed.begin(), allowed.end(), [&](std::string_view a) {
        return winpath::equalFolded(a, word.text);
    });
    if (!known) writeLine(err, messages::invalidSwitch(word.text));
    return known;
}

bool takeSwitches(std::vector<Word>& words, std::initializer_list<std::string_view> allowed,
                  int err) {
    for (const Word& word : words) {
        if (isSwitch(word) && !checkSwitch(word, allowed, err)) return false;
    }
    std::erase_if(words, isSwitch);
    return true;
}

bool forEachName(const Command& command, std::initializer_list<std::string_view> allowed,
                 const std::function<bool(const Word&)>& one) {
    std::vector<Word> words = splitWords(command.arguments);
    if (!takeSwitches(words, allowed, command.streams.err)) return false;
    if (words.empty()) {
        writeLine(command.streams.err, messages::kSyntax);
        return false;
    }
    bool ok = true;
    for (const Word& word : words) ok = one(word) && ok;
    return ok;
}

}  // namespace kavinor::kvcmd
