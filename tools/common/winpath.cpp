#include "winpath.h"

#include <string>
#include <system_error>
#include <vector>

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
    std::vector<std::string_view> components;
    for (std::size_t pos = root.length; pos < written.size();) {
        std::size_t end = pos;
        while (end < written.size() && !isSeparator(written[end])) ++end;
        components.push_back(written.substr(pos, end - pos));
        pos = end;
        while (pos < written.size() && isSeparator(written[pos])) ++pos;
    }

    std::error_code ec;
    // A path the system finds as written has every component as written: one look, not one
    // for each component.
    std::filesystem::path whole = root.path;
    for (const std::string_view component : components) whole /= sys::pathFromText(component);
    if (std::filesystem::exists(std::filesystem::symlink_status(whole, ec))) return whole;

    std::filesystem::path result = std::move(root.path);
    for (const std::string_view component : components) {
        std::filesystem::path exact = result / sys::pathFromText(component);
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
