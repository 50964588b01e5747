#pragma once

#include <string>
#include <string_view>

namespace kavinor::platform {

// The program's texts are UTF-8 inside; files and script lines are written in named code
// pages ("UTF-8", "CP1252", "CP850", ...).
inline constexpr std::string_view kInternalCodePage = "UTF-8";

class CodePages {
public:
    virtual ~CodePages() = default;
    // The system's ANSI code page, in which the program writes its files.
    virtual std::string ansiCodePage() const = 0;
    // The system's console (OEM) code page, which the command interpreter reads.
    virtual std::string oemCodePage() const = 0;
    // `bytes` in code page `from`, converted to code page `to`. A character that `to` lacks, and
    // a byte that is no character of `from`, each become one '?'.
    virtual std::string convert(std::string_view bytes, std::string_view from,
                                std::string_view to) const = 0;

    // A text of the program's own as the system names files: in the ANSI code page.
    std::string toAnsi(std::string_view text) const {
        return convert(text, kInternalCodePage, ansiCodePage());
    }
    std::string fromAnsi(std::string_view bytes) const {
        return convert(bytes, ansiCodePage(), kInternalCodePage);
    }
};

}  // namespace kavinor::platform
