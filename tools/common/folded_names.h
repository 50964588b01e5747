#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kavinor::winpath {

// The entry of `dir` that equals `name` without regard to letter case, the smallest of several;
// asked for a name that does not exist exactly.
std::optional<std::string> findFolded(const std::filesystem::path& dir, std::string_view name);

// What a program adds to or removes from a directory, so that kept names stay true.
void noteAdded(const std::filesystem::path& path);
void noteRemoved(const std::filesystem::path& path);

// From now on this process keeps the names of the directories it looks in, for itself and for
// the programs it serves: the interpreter does, since the lines of a script look again and
// again in the directories that the script fills.
void keepDirectoryNames();

}  // namespace kavinor::winpath
