#pragma once

#include <filesystem>
#include <vector>

namespace kavinor::bench {

// Joins text files as the interpreter's `copy *.asc komplett.txt` does: the parts one after
// the other, then the Ctrl-Z that such a copy appends.
void joinAsCopy(const std::vector<std::filesystem::path>& parts,
                const std::filesystem::path& target);

}  // namespace kavinor::bench
