#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kavinor::winpath {

// A file name as a sequence of characters compared without regard to letter case: ASCII
// letters and the Latin-1 letters (À–Þ against à–þ) in UTF-8 fold, as names of German users
// need; any other UTF-8 sequence is one character of its own, any other byte too.
std::vector<std::uint64_t> foldCharacters(std::string_view name);

// The name with every letter that folds in upper case, byte for byte otherwise: two names are
// equal without regard to letter case exactly when their keys are equal.
std::string foldedKey(std::string_view name);

bool equalFolded(std::string_view a, std::string_view b);

// Name order without regard to letter case, as Windows sorts names; names that differ only in case
// go by their bytes, so the order never depends on how a directory lists its entries.
bool lessFolded(std::string_view a, std::string_view b);

}  // namespace kavinor::winpath
