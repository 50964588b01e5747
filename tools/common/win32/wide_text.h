#pragma once

#include <string>
#include <string_view>

// Texts across the Windows system boundary: UTF-16 there, a narrow code page here.

namespace kavinor::sys {

std::wstring widen(std::string_view text, unsigned codePage);
std::string narrow(std::wstring_view text, unsigned codePage);

// The errno value closest to a Windows error code, so messages read as on POSIX.
int errnoOf(unsigned long windowsError);

}  // namespace kavinor::sys
