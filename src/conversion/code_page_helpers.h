#pragma once

#include <string>
#include <string_view>

#include "code_pages.h"

namespace kavinor::conversion {

// `sText`, a text of the program's own, as bytes of the console (OEM) code page: first in the
// system's ANSI code page, then converted to the console page, as the interpreter reads it.
std::string ANSI_To_DOS(const platform::CodePages& pages, std::string_view sText);

// The inverse: bytes of the console code page, through the ANSI code page, back to a text of
// the program's own.
std::string DOS_To_ANSI(const platform::CodePages& pages, std::string_view sText);

}  // namespace kavinor::conversion
