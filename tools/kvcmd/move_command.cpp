#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "arguments.h"
#include "builtins.h"
#include "file_join.h"
#include "folded_names.h"
#include "messages.h"
#include "wildcard.h"
#include "winpath.h"

namespace kavinor::kvcmd {
namespace {

namespace fs = std::filesystem;

// Renames, replacing an existing file; across file systems the file is copied whole first and
// the source removed only after the copy is in place.
void moveOne(const fs::path& source, const fs::path& target) {
    std::error_code ec;
    fs::rename(source, target, ec);
    if (ec.value() == EXDEV && fs::is_regular_file(source)) {
        joinFiles({source}, target);
        ec.clear();
        fs::remove(source, ec);
    } else if (!ec) {
        winpath::noteAdded(target);
    }
    if (!ec) winpath::noteRemoved(source);
    // The source was there a moment ago; a missing entry now is the target's directory.
    if (ec.value() == ENOENT) throw CopyFailure(std::string(messages::kPathNotFound));
    if (ec) throw CopyFailure(messages::forError(ec));
}

}  // namespace

bool runMove(const Command& command) {
    std::vector<Word> words = splitWords(command.arguments);
    if (!takeSwitches(words, {"/y", "/-y"}, command.streams.err)) return false;
    if (words.size() != 2) {
        writeLine(command.streams.err, messages::kSyntax);
        return false;
    }
    std::vector<fs::path> sources;
    std::error_code ec;
    if (winpath::hasWildcard(words[0].text)) {
        sources = winpath::expandWildcard(words[0].text);
    } else if (fs::path source = winpath::resolve(words[0].text);
               fs::exists(fs::symlink_status(source, ec))) {
        sources.push_back(std::move(source));
    }
    if (sources.empty()) {
        writeLine(command.streams.err, messages::kFileNotFound);
        return false;
    }
    const fs::path target = winpath::resolve(words[1].text);
    const bool intoDirectory = fs::is_directory(target, ec);
    if (sources.size() > 1 && !intoDirectory) {
        writeLine(command.streams.err, messages::kManyIntoOne);
        return false;
    }
    std::size_t moved = 0;
    bool ok = true;
    for (const fs::path& source : sources) {
        const fs::path destination = intoDirectory ? target / source.filename() : target;
        try {
            if (!fs::equivalent(source, destination, ec)) moveOne(source, destination);
            ++moved;
        } catch (const CopyFailure& failure) {
            writeLine(command.streams.err, failure.what());
            ok = false;
        }
    }
    writeLine(command.streams.out, messages::fileCount(moved, "verschoben"));
    return ok;
}

}  // namespace kavinor::kvcmd
