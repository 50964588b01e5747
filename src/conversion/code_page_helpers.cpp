#include "code_page_helpers.h"

namespace kavinor::conversion {

std::string ANSI_To_DOS(const platform::CodePages& pages, std::string_view sText) {
    const std::string ansi =
        pages.convert(sText, platform::kInternalCodePage, pages.ansiCodePage());
    return pages.convert(ansi, pages.ansiCodePage(), pages.oemCodePage());
}

std::string DOS_To_ANSI(const platform::CodePages& pages, std::string_view sText) {
    const std::string ansi = pages.convert(sText, pages.oemCodePage(), pages.ansiCodePage());
    return pages.convert(ansi, pages.ansiCodePage(), platform::kInternalCodePage);
}

}  // namespace kavinor::conversion
