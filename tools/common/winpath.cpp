#include "winpath.h"

#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "name_fold.h"
#include "system_text.h"

namespace kavinor::winpath {
namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

std::optional<std::filesystem::path> findFolded(const std::filesystem::path& dir,
                                                std::string_view name) {
    std::error_code ec;
    std::filesystem::directory_iterator it(dir.empty() ? "." : dir, ec);
    if (ec) return std::nullopt;
    std::optional<std::string> best;
    for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        std::string candidate = sys::textOf(it->path().filename());
        // Several spellings may match; the smallest keeps the choice independent of the
        // order in which the directory lists them.
        if (equalFolded(candidate, name) && (!best || candidate < *best)) best = candidate;
    }
    if (!best) return std::nullopt;
    return dir / sys::pathFromText(*best);
}

}  // namespace

std::filesystem::path resolve(std::string_view written) {
    sys::Root root = sys::rootOf(written);
    std::filesystem::path result = std::move(root.path);
    std::size_t pos = root.length;
    while (pos < written.size()) {
        std::size_t end = pos;
        while (end < written.size() && !isSeparator(written[end])) ++end;
        const std::string_view component = written.substr(pos, end - pos);
        pos = end;
        while (pos < written.size() && isSeparator(written[pos])) ++pos;

        std::filesystem::path exact = result / sys::pathFromText(component);
        std::error_code ec;
        if (component == "." || component == ".." ||
            std::filesystem::exists(std::filesystem::symlink_status(exact, ec))) {
            result = std::move(exact);
        } else if (auto folded = findFolded(result, component)) {
            result = std::move(*folded);
        } else {
            result = std::move(exact);
        }
    }
    return result;
}

}  // namespace kavinor::winpath
