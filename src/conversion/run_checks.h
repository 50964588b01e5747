#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fmr_main.h"

// What a run makes sure of so that it reports success only for an output that holds every
// chosen file: before any script, that every name can be written into the scripts and names
// exactly the file chosen; between the steps, that each step made all it should.

namespace kavinor::conversion {

// Why the run cannot name everything it needs in its scripts, in a line for Error.bug; empty
// when it can: the output, source and tool directories and the output name are safe, the output
// name is none of the run's own files, and each chosen file can be named without mistaking it
// for another.
std::optional<std::string> RefusalReason(const mainwindow::FmrMain& window);

// The file system path of a text of the program's own.
std::filesystem::path NativePath(const mainwindow::FmrMain& window, std::string_view text);

// The total size of the files `names` in `dir`; empty when one of them is missing or is no
// ordinary file.
std::optional<std::uintmax_t> TotalSize(const std::filesystem::path& dir,
                                        const std::vector<std::filesystem::path>& names);

// Whether the join at `joined` holds exactly `expected` bytes of texts. The Windows interpreter
// ends its join with one Ctrl-Z, which the text reader takes as a blank; a text of its own that
// it cut short at a Ctrl-Z makes the join shorter, and that still counts as missing.
bool JoinedWhole(const std::filesystem::path& joined, std::uintmax_t expected);

}  // namespace kavinor::conversion
