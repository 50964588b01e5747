#include <ctime>

#include "arguments.h"
#include "builtins.h"
#include "german_format.h"
#include "messages.h"
#include "name_fold.h"

namespace kavinor::kvcmd {
namespace {

// Only the showing forms `date /t` and `time /t`: the clock is not the scripts' to set.
bool showNow(const Command& command, std::string (*format)(const std::tm&),
             std::string_view refusal) {
    const std::vector<Word> words = splitWords(command.arguments);
    if (words.size() != 1 || !isSwitch(words[0]) || !winpath::equalFolded(words[0].text, "/t")) {
        writeLine(command.streams.err, refusal);
        return false;
    }
    writeLine(command.streams.out, format(localTime(std::time(nullptr))));
    return true;
}

}  // namespace

bool runDate(const Command& command) {
    return showNow(command, germanDate, messages::kDateCannotBeSet);
}

bool runTime(const Command& command) {
    return showNow(command, germanTime, messages::kTimeCannotBeSet);
}

bool runRem(const Command&) {
    return true;
}

}  // namespace kavinor::kvcmd
