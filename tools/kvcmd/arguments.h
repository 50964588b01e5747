#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

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

}  // namespace kavinor::kvcmd
