#include "winpath.h"

#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace kavinor::winpath {
namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

// Case-folds one character at `i`, advancing `i`; multi-byte UTF-8 letters of the Latin-1
// block fold to their lower-case code point, everything else to its own byte.
unsigned foldNext(std::string_view s, std::size_t& i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c >= 'A' && c <= 'Z') {
        ++i;
        return c + ('a' - 'A');
    }
    if (c == 0xC3 && i + 1 < s.size()) {
        const auto next = static_cast<unsigned char>(s[i + 1]);
        if (next >= 0x80 && next <= 0xBF) {
            i += 2;
            unsigned code = 0xC0 + (next - 0x80);
            if (code >= 0xC0 && code <= 0xDE && code != 0xD7) code += 0x20;
            return 0x100 | code;  // kept apart from single bytes of the same value
        }
    }
    ++i;
    return c;
}

std::optional<std::filesystem::path> findFolded(const std::filesystem::path& dir,
                                                std::string_view name) {
    std::error_code ec;
    std::filesystem::directory_iterator it(dir.empty() ? "." : dir, ec);
    if (ec) return std::nullopt;
    std::optional<std::string> best;
    for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        std::string candidate = it->path().filename().string();
        // Several spellings may match; the smallest keeps the choice independent of the
        // order in which the directory lists them.
        if (equalFolded(candidate, name) && (!best || candidate < *best)) best = candidate;
    }
    if (!best) return std::nullopt;
    return dir / *best;
}

}  // namespace

bool equalFolded(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (foldNext(a, i) != foldNext(b, j)) return false;
    }
    return i == a.size() && j == b.size();
}

std::filesystem::path resolve(std::string_view written) {
    std::filesystem::path result;
    std::size_t pos = 0;
    if (!written.empty() && isSeparator(written.front())) {
        result = "/";
        while (pos < written.size() && isSeparator(written[pos])) ++pos;
    }
    while (pos < written.size()) {
        std::size_t end = pos;
        while (end < written.size() && !isSeparator(written[end])) ++end;
        const std::string_view component = written.substr(pos, end - pos);
        pos = end;
        while (pos < written.size() && isSeparator(written[pos])) ++pos;

        std::filesystem::path exact = result / std::string(component);
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
