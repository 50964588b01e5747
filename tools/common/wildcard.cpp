#include "wildcard.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <system_error>

#include "name_fold.h"
#include "system_text.h"
#include "winpath.h"

namespace kavinor::winpath {
namespace {

std::size_t lastComponentStart(std::string_view written) {
    const std::size_t separator = written.find_last_of("\\/");
    return separator == std::string_view::npos ? 0 : separator + 1;
}

bool matchFolded(const std::vector<std::uint64_t>& pattern,
                 const std::vector<std::uint64_t>& name) {
    static const std::uint64_t star = foldCharacters("*").front();
    static const std::uint64_t question = foldCharacters("?").front();
    std::size_t p = 0;
    std::size_t n = 0;
    // Where the last `*` stood and how much of the name it has taken so far: on a mismatch
    // it takes one character more, so no backtracking beyond the last star is needed.
    std::size_t starAt = pattern.size();
    std::size_t starTook = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == star) {
            starAt = p++;
            starTook = n;
        } else if (p < pattern.size() && (pattern[p] == question || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (starAt != pattern.size()) {
            p = starAt + 1;
            n = ++starTook;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == star) ++p;
    return p == pattern.size();
}

// A pattern folded once, for matching many names.
class FoldedPattern {
public:
    explicit FoldedPattern(std::string_view pattern)
        : whole_(foldCharacters(pattern)), dotStar_(pattern.ends_with(".*")) {
        if (dotStar_) stem_ = foldCharacters(pattern.substr(0, pattern.size() - 2));
    }
    bool matches(std::string_view name, const std::vector<std::uint64_t>& folded) const {
        if (matchFolded(whole_, folded)) return true;
        return dotStar_ && name.find('.') == std::string_view::npos && matchFolded(stem_, folded);
    }

private:
    std::vector<std::uint64_t> whole_;
    std::vector<std::uint64_t> stem_;
    bool dotStar_;
};

// A directory entry whose name matched, with the name as text and folded once: a directory
// may hold tens of thousands.
struct Match {
    std::filesystem::directory_entry entry;
    std::string name;
    std::vector<std::uint64_t> folded;
};

// The entries of the directory that `written` names whose names match its last component, in
// the directory's own order.
std::vector<Match> matchesOf(std::string_view written) {
    const std::size_t start = lastComponentStart(written);
    const FoldedPattern pattern(written.substr(start));
    const std::filesystem::path dir =
        start == 0 ? std::filesystem::path(".") : resolve(written.substr(0, start));
    std::vector<Match> matches;
    std::error_code ec;
    std::filesystem::directory_iterator it(dir, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::string name = sys::textOf(it->path().filename());
        std::vector<std::uint64_t> folded = foldCharacters(name);
        if (pattern.matches(name, folded)) {
            matches.push_back({*it, std::move(name), std::move(folded)});
        }
    }
    return matches;
}

}  // namespace

bool hasWildcard(std::string_view written) {
    return written.find_first_of("*?", lastComponentStart(written)) != std::string_view::npos;
}

bool matchesWildcard(std::string_view pattern, std::string_view name) {
    return FoldedPattern(pattern).matches(name, foldCharacters(name));
}

std::vector<std::filesystem::directory_entry> wildcardMatches(std::string_view written) {
    std::vector<std::filesystem::directory_entry> entries;
    for (Match& match : matchesOf(written)) entries.push_back(std::move(match.entry));
    return entries;
}

std::vector<std::filesystem::path> expandWildcard(std::string_view written) {
    std::vector<Match> found = matchesOf(written);
    // The order of lessFolded, on the names folded for the match.
    std::sort(found.begin(), found.end(), [](const Match& a, const Match& b) {
        return a.folded != b.folded ? a.folded < b.folded : a.name < b.name;
    });
    const bool bare = lastComponentStart(written) == 0;
    std::vector<std::filesystem::path> paths;
    paths.reserve(found.size());
    for (const Match& f : found) paths.push_back(bare ? f.entry.path().filename() : f.entry.path());
    return paths;
}

}  // namespace kavinor::winpath
