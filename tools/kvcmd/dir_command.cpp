#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "arguments.h"
#include "builtins.h"
#include "german_format.h"
#include "messages.h"
#include "name_fold.h"
#include "wildcard.h"
#include "winpath.h"

namespace kavinor::kvcmd {
namespace {

namespace fs = std::filesystem;

struct Listed {
    std::string name;
    fs::path path;
};

std::string entryLine(const Listed& entry, std::uint64_t& files, std::uint64_t& directories,
                      std::uint64_t& bytes) {
    std::error_code ec;
    const auto written = fs::last_write_time(entry.path, ec);
    const std::tm time = localTime(
        ec ? 0 : std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written)));
    std::string line = germanDate(time) + "  " + germanTime(time);
    if (fs::is_directory(entry.path, ec)) {
        ++directories;
        line += "    <DIR>         ";
    } else {
        const std::uintmax_t size = fs::file_size(entry.path, ec);
        const std::uint64_t known = ec ? 0 : size;
        ++files;
        bytes += known;
        line += alignRight(groupThousands(known), 18);
    }
    return line + " " + entry.name;
}

// The directory as the heading names it: absolute, without `.` and a trailing separator.
fs::path shownPath(const fs::path& directory) {
    std::error_code ec;
    fs::path shown = fs::absolute(directory, ec).lexically_normal();
    if (!shown.has_filename() && shown != shown.root_path()) shown = shown.parent_path();
    return shown;
}

}  // namespace

// The listing a German Windows installation prints: a heading with the directory, one line per
// entry with date, time and size or <DIR>, and the totals with the free space.
bool runDir(const Command& command) {
    std::vector<Word> words = splitWords(command.arguments);
    if (!takeSwitches(words, {}, command.streams.err)) return false;
    if (words.size() > 1) {
        writeLine(command.streams.err, messages::kSyntax);
        return false;
    }
    std::error_code ec;
    fs::path directory = ".";
    std::vector<Listed> entries;
    const fs::path named = words.empty() ? fs::path(".") : winpath::resolve(words[0].text);
    if (fs::is_directory(named, ec)) {
        directory = named;
        for (fs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
            entries.push_back({it->path().filename().string(), it->path()});
        }
        if (ec) {
            writeLine(command.streams.err, messages::forError(ec));
            return false;
        }
        std::sort(entries.begin(), entries.end(), [](const Listed& a, const Listed& b) {
            return winpath::lessFolded(a.name, b.name);
        });
        const fs::path shown = shownPath(directory);
        if (shown != shown.root_path()) entries.insert(entries.begin(), {"..", directory / ".."});
        entries.insert(entries.begin(), {".", directory});
    } else {
        const std::string& written = words[0].text;
        std::vector<fs::path> matches;
        if (winpath::hasWildcard(written)) {
            matches = winpath::expandWildcard(written);
        } else if (fs::exists(named, ec)) {
            matches.push_back(named);
        }
        if (matches.empty()) {
            writeLine(command.streams.err, messages::fileNotFoundNamed(written));
            return false;
        }
        directory = matches.front().has_parent_path() ? matches.front().parent_path() : ".";
        for (const fs::path& match : matches) {
            entries.push_back({match.filename().string(), match});
        }
    }

    std::string listing = " Verzeichnis von " + shownPath(directory).string() + "\r\n\r\n";
    std::uint64_t files = 0;
    std::uint64_t directories = 0;
    std::uint64_t bytes = 0;
    for (const Listed& entry : entries) {
        listing += entryLine(entry, files, directories, bytes) + "\r\n";
    }
    const fs::space_info space = fs::space(directory, ec);
    listing += alignRight(std::to_string(files), 16) + " Datei(en)," +
               alignRight(groupThousands(bytes), 15) + " Bytes\r\n";
    listing += alignRight(std::to_string(directories), 16) + " Verzeichnis(se)," +
               alignRight(groupThousands(ec ? 0 : space.available), 16) + " Bytes frei\r\n";
    writeText(command.streams.out, listing);
    return true;
}

}  // namespace kavinor::kvcmd
