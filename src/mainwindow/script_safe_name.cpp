#include "script_safe_name.h"

#include <algorithm>
#include <string>

namespace kavinor::mainwindow {
namespace {

constexpr std::string_view kForbidden = "\"\\/:*?<>|";

bool hasForbiddenCharacter(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || kForbidden.find(c) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool ScriptSafeNames::survivesCodePages(std::string_view text) const {
    const std::string ansi = codePages_.toAnsi(text);
    const std::string oem =
        codePages_.convert(ansi, codePages_.ansiCodePage(), codePages_.oemCodePage());
    return codePages_.convert(oem, codePages_.oemCodePage(), codePages_.ansiCodePage()) == ansi &&
           codePages_.fromAnsi(ansi) == text;
}

bool ScriptSafeNames::isSafeName(std::string_view name) const {
    return !name.empty() && !hasForbiddenCharacter(name) && survivesCodePages(name);
}

bool ScriptSafeNames::isSafePath(std::string_view path) const {
    if (path.empty() || !survivesCodePages(path)) return false;
    const bool windows = separator_ == '\\';
    if (windows && path.size() >= 2 && path[1] == ':' &&
        std::string_view("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ").find(path[0]) !=
            std::string_view::npos) {
        path.remove_prefix(2);
    }
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find(separator_, start);
        if (windows) end = std::min(end, path.find('/', start));
        if (end == std::string_view::npos) end = path.size();
        if (hasForbiddenCharacter(path.substr(start, end - start))) return false;
        start = end + 1;
    }
    return true;
}

}  // namespace kavinor::mainwindow
