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

}  // namespace kavinor::kvcmd
