#include <filesystem>
#include <string>
#include <system_error>

#include "arguments.h"
#include "builtins.h"
#include "folded_names.h"
#include "messages.h"
#include "name_fold.h"
#include "winpath.h"

namespace kavinor::kvcmd {
namespace fs = std::filesystem;

// `cd` takes the rest of the line as one path, blanks and all, as the Windows interpreter
// does; quotes only group.
bool runCd(const Command& command) {
    std::string unquoted;
    for (char c : command.arguments) {
        if (c != '"') unquoted += c;
    }
    std::string_view path = trimBlanks(unquoted);
    if (path.size() >= 2 && winpath::equalFolded(path.substr(0, 2), "/d") &&
        (path.size() == 2 || isBlank(path[2]))) {
        path = trimBlanks(path.substr(2));
    }
    std::error_code ec;
    if (path.empty()) {
        writeLine(command.streams.out, fs::current_path(ec).string());
        return true;
    }
    const fs::path target = winpath::resolve(path);
    const fs::file_status status = fs::status(target, ec);
    if (!fs::exists(status)) {
        writeLine(command.streams.err, messages::kPathNotFound);
        return false;
    }
    if (!fs::is_directory(status)) {
        writeLine(command.streams.err, messages::kNotADirectory);
        return false;
    }
    fs::current_path(target, ec);
    if (ec) {
        writeLine(command.streams.err, messages::forError(ec));
        return false;
    }
    return true;
}

bool runMd(const Command& command) {
    return forEachName(command, {}, [&](const Word& word) {
        const fs::path target = winpath::resolve(word.text);
        std::error_code ec;
        if (fs::exists(fs::symlink_status(target, ec))) {
            writeLine(command.streams.err, messages::alreadyExists(word.text));
            return false;
        }
        if (fs::create_directories(target, ec); ec) {
            writeLine(command.streams.err, messages::forError(ec));
            return false;
        }
        winpath::noteAdded(target);
        return true;
    });
}

// Only empty directories are removed: the scripts never need more, and a recursive removal
// would be one mistyped name away from a user's data.
bool runRd(const Command& command) {
    return forEachName(command, {}, [&](const Word& word) {
        const fs::path target = winpath::resolve(word.text);
        std::error_code ec;
        const fs::file_status status = fs::symlink_status(target, ec);
        if (!fs::exists(status)) {
            writeLine(command.streams.err, messages::kFileNotFound);
            return false;
        }
        if (!fs::is_directory(status)) {
            writeLine(command.streams.err, messages::kNotADirectory);
            return false;
        }
        if (fs::remove(target, ec); ec) {
            writeLine(command.streams.err, messages::forError(ec));
            return false;
        }
        winpath::noteRemoved(target);
        return true;
    });
}

}  // namespace kavinor::kvcmd
