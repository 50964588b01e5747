#pragma once

#include <functional>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "command.h"
#include "line_parser.h"

namespace kavinor::kvcmd {

// Whether a word is a switch such as `/t` or `/-y`: only a bare slash with one or two
// characters counts, so an absolute path of this system is never read as one.
bool isSwitch(const Word& word);

// Whether a switch is among `allowed` (compared without regard to case); writes the message
// on `err` when it is not.
bool checkSwitch(const Word& word, std::initializer_list<std::string_view> allowed, int err);

// Removes the switches from `words`. False, after the message on `err`, when one of them is
// not among `allowed` (compared without regard to case).
bool takeSwitches(std::vector<Word>& words, std::initializer_list<std::string_view> allowed,
                  int err);

// Runs `one` for every name of a command that needs at least one; switches are checked against
// `allowed` and left out. False, after the message, when a switch is unknown or no name is
// given, and false when `one` failed for any name (each failure writes its own line).
bool forEachName(const Command& command, std::initializer_list<std::string_view> allowed,
                 const std::function<bool(const Word&)>& one);

}  // namespace kavinor::kvcmd
