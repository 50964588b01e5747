#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "arguments.h"
#include "builtins.h"
#include "file_join.h"
#include "messages.h"
#include "wildcard.h"
#include "winpath.h"

namespace kavinor::kvcmd {
namespace {

namespace fs = std::filesystem;

struct CopyArguments {
    std::vector<std::string> sources;  // as written
    bool joined = false;               // sources joined by `+`
    std::optional<std::string> target;
};

// Splits the arguments at blanks and at `+` outside quotes. The first name and every name
// after a `+` are sources; one name after the sources is the target.
std::optional<CopyArguments> parseCopy(std::string_view text, int err) {
    const std::vector<Word> tokens = splitWords(text, "+");
    CopyArguments parsed;
    bool expectSource = true;
    for (const Word& token : tokens) {
        if (!token.quoted && token.text == "+") {
            if (parsed.sources.empty() || parsed.target) {
                writeLine(err, messages::kSyntax);
                return std::nullopt;
            }
            parsed.joined = true;
            expectSource = true;
        } else if (isSwitch(token)) {
            if (!checkSwitch(token, {"/b", "/y", "/-y", "/v"}, err)) return std::nullopt;
        } else if (expectSource) {
            parsed.sources.push_back(token.text);
            expectSource = false;
        } else if (!parsed.target) {
            parsed.target = token.text;
        } else {
            writeLine(err, messages::kSyntax);
            return std::nullopt;
        }
    }
    if (parsed.sources.empty()) {
        writeLine(err, messages::kSyntax);
        return std::nullopt;
    }
    return parsed;
}

bool isFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

// The files a written source names: the matches of a wildcard in name order, or the one file.
std::vector<fs::path> filesOf(const std::string& written) {
    if (winpath::hasWildcard(written)) {
        std::vector<fs::path> matches = winpath::expandWildcard(written);
        std::erase_if(matches, [](const fs::path& p) { return !isFile(p); });
        return matches;
    }
    fs::path path = winpath::resolve(written);
    if (!isFile(path)) return {};
    return {path};
}

bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

bool parentExists(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path.has_parent_path() ? path.parent_path() : fs::path("."), ec);
}

bool endsWithSeparator(const std::string& written) {
    return !written.empty() && (written.back() == '\\' || written.back() == '/');
}

// Every source into one target. Missing sources are left out; with no source at all, nothing
// is written. Without a target the first source is the target and the others are appended.
bool join(const CopyArguments& args, const std::optional<fs::path>& targetDir,
          const Streams& streams) {
    std::vector<fs::path> files;
    std::optional<fs::path> target;
    if (!targetDir && args.target) target = winpath::resolve(*args.target);
    for (std::size_t i = 0; i < args.sources.size(); ++i) {
        const bool wildcard = winpath::hasWildcard(args.sources[i]);
        std::vector<fs::path> found = filesOf(args.sources[i]);
        // Into a directory, the join takes the name of the first file found.
        if (!target && targetDir && !found.empty()) {
            target = *targetDir / found.front().filename();
        } else if (!target && !targetDir && i == 0) {
            target = wildcard && !found.empty() ? found.front() : winpath::resolve(args.sources[0]);
        }
        for (fs::path& file : found) {
            // A match that is the target itself would grow it by its own old bytes on every
            // run; only the leading source of an append is read back.
            if (wildcard && target && sameFile(file, *target) && !(i == 0 && !args.target)) {
                continue;
            }
            files.push_back(std::move(file));
        }
    }
    if (files.empty() || !target) {
        writeLine(streams.err, messages::kFileNotFound);
        writeLine(streams.out, messages::fileCount(0, "kopiert"));
        return false;
    }
    if (!parentExists(*target)) {
        writeLine(streams.err, messages::kPathNotFound);
        writeLine(streams.out, messages::fileCount(0, "kopiert"));
        return false;
    }
    try {
        joinFiles(files, *target);
    } catch (const CopyFailure& failure) {
        writeLine(streams.err, failure.what());
        writeLine(streams.out, messages::fileCount(0, "kopiert"));
        return false;
    }
    for (const fs::path& file : files) writeLine(streams.out, file.string());
    writeLine(streams.out, messages::fileCount(1, "kopiert"));
    return true;
}

// Each file of the one source to the target, or under its own name into the target
// directory (the current one when no target is given), replacing what is there.
bool copyEach(const std::string& source, const std::optional<fs::path>& targetDir,
              const std::optional<fs::path>& targetFile, const Streams& streams) {
    const std::vector<fs::path> files = filesOf(source);
    if (files.empty()) {
        writeLine(streams.err, messages::kFileNotFound);
        writeLine(streams.out, messages::fileCount(0, "kopiert"));
        return false;
    }
    const bool wildcard = winpath::hasWildcard(source);
    std::size_t copied = 0;
    bool ok = true;
    for (const fs::path& file : files) {
        const fs::path target = targetFile ? *targetFile : *targetDir / file.filename();
        if (wildcard) writeLine(streams.out, file.string());
        if (sameFile(file, target)) {
            writeLine(streams.err, messages::kCopyOntoItself);
            ok = false;
            continue;
        }
        if (!parentExists(target)) {
            writeLine(streams.err, messages::kPathNotFound);
            ok = false;
            continue;
        }
        try {
            joinFiles({file}, target);
            ++copied;
        } catch (const CopyFailure& failure) {
            writeLine(streams.err, failure.what());
            ok = false;
        }
    }
    writeLine(streams.out, messages::fileCount(copied, "kopiert"));
    return ok;
}

}  // namespace

bool runCopy(const Command& command) {
    const std::optional<CopyArguments> args = parseCopy(command.arguments, command.streams.err);
    if (!args) return false;

    std::optional<fs::path> targetDir;
    std::optional<fs::path> targetFile;
    if (!args->target) {
        if (!args->joined) targetDir = fs::path(".");
    } else {
        const fs::path target = winpath::resolve(*args->target);
        std::error_code ec;
        if (fs::is_directory(target, ec) || endsWithSeparator(*args->target)) {
            targetDir = target;
        } else {
            targetFile = target;
        }
    }
    const bool wildcardIntoFile = winpath::hasWildcard(args->sources.front()) && targetFile;
    if (args->joined || wildcardIntoFile) return join(*args, targetDir, command.streams);
    return copyEach(args->sources.front(), targetDir, targetFile, command.streams);
}

}  // namespace kavinor::kvcmd
