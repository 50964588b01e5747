#include "winpath.h"

#include <string>
#include <system_error>

#include "folded_names.h"
#include "system_text.h"

namespace kavinor::winpath {
namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
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
            result = result / sys::pathFromText(*folded);
        } else {
            result = std::move(exact);
        }
    }
    return result;
}

}  // namespace kavinor::winpath
