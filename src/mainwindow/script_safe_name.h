#pragma once

#include <string_view>

#include "code_pages.h"

namespace kavinor::mainwindow {

// Which names and paths can stand inside a quoted line of a step script and still name exactly
// what they name: none of `"`, control characters or the characters Windows forbids in file
// names (`\ / : * ? < > |`), and every character held by both code pages the script passes
// through on its way to the interpreter. Texts are the program's own (UTF-8).
class ScriptSafeNames {
public:
    ScriptSafeNames(const platform::CodePages& codePages, char separator)
        : codePages_(codePages), separator_(separator) {}

    bool isSafeName(std::string_view name) const;
    // A path whose components between separators are safe names. On a system whose separator
    // is `\`, `/` separates too and a leading drive (`C:`) is allowed.
    bool isSafePath(std::string_view path) const;

private:
    bool survivesCodePages(std::string_view text) const;

    const platform::CodePages& codePages_;
    char separator_;
};

}  // namespace kavinor::mainwindow
