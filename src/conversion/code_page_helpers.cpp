#include "code_page_helpers.h"

namespace kavinor::conversion {

std::string ANSI_To_DOS(const platform::CodePages& pages, std::string_view sText) {
    return pages.convert(pages.toAnsi(sText), pages.ansiCodePage(), pages.oemCodePage());
}

std::string DOS_To_ANSI(const platform::CodePages& pages, std::string_view sText) {
    return pages.fromAnsi(pages.convert(sText, pages.oemCodePage(), pages.ansiCodePage()));
}

}  // namespace kavinor::conversion
