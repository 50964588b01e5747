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

}  // namespace

bool hasWildcard(std::string_view written) {
    return written.find_first_of("*?", lastComponentStart(written)) != std::string_view::npos;
}

bool matchesWildcard(std::string_view pattern, std::string_view name) {
    const auto foldedName = foldCharacters(name);
    if (matchFolded(foldCharacters(pattern), foldedName)) return true;
    return pattern.ends_with(".*") && name.find('.') == std::string_view::npos &&
           matchFolded(foldCharacters(pattern.substr(0, pattern.size() - 2)), foldedName);
}

std::vector<std::filesystem::path> expandWildcard(std::string_view written) {
    const std::size_t start = lastComponentStart(written);
    const std::string_view pattern = written.substr(start);
    const std::filesystem::path dir =
        start == 0 ? std::filesystem::path(".") : resolve(written.substr(0, start));
    std::vector<std::string> names;
    std::error_code ec;
    std::filesystem::directory_iterator it(dir, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::string name = sys::textOf(it->path().filename());
        if (matchesWildcard(pattern, name)) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), lessFolded);
    std::vector<std::filesystem::path> paths;
    paths.reserve(names.size());
    for (const std::string& name : names)
        paths.push_back(start == 0 ? sys::pathFromText(name) : dir / sys::pathFromText(name));
    return paths;
}

}  // namespace kavinor::winpath
