#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "arguments.h"
#include "builtins.h"
#include "folded_names.h"
#include "messages.h"
#include "wildcard.h"
#include "winpath.h"

namespace kavinor::kvcmd {
namespace {

namespace fs = std::filesystem;

// Deletes files only: a directory named here is refused rather than emptied.
bool deleteOne(const fs::path& path, const Streams& streams) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(path, ec);
    if (fs::is_directory(status)) {
        writeLine(streams.err, messages::isADirectory(path.string()));
        return false;
    }
    if (!fs::exists(status)) {
        writeLine(streams.err, messages::fileNotFoundNamed(fs::absolute(path, ec).string()));
        return false;
    }
    if (!fs::remove(path, ec)) {
        writeLine(streams.err, messages::forError(ec));
        return false;
    }
    winpath::noteRemoved(path);
    return true;
}

}  // namespace

bool runDel(const Command& command) {
    return forEachName(command, {"/q", "/f"}, [&](const Word& word) {
        if (!winpath::hasWildcard(word.text)) {
            return deleteOne(winpath::resolve(word.text), command.streams);
        }
        std::vector<fs::path> matches = winpath::expandWildcard(word.text);
        std::error_code ec;
        std::erase_if(matches, [&](const fs::path& p) { return fs::is_directory(p, ec); });
        if (matches.empty()) {
            writeLine(command.streams.err,
                      messages::fileNotFoundNamed(fs::absolute(word.text, ec).string()));
            return false;
        }
        bool ok = true;
        for (const fs::path& match : matches) ok = deleteOne(match, command.streams) && ok;
        return ok;
    });
}

}  // namespace kavinor::kvcmd
