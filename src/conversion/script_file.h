#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "code_pages.h"

namespace kavinor::conversion {

// A script line as the interpreter must read it: every `%` doubled, since the interpreter reads
// `%%` as one `%` and would expand anything else, and the whole line in the console code page.
std::string EncodeScriptLine(const platform::CodePages& pages, const std::string& line);

// Creates or truncates the script at `path` and writes `lines`, each encoded and ended by CR LF.
// A script that cannot be written whole is removed, so no half script is ever started. Returns
// whether the script is complete.
bool WriteScript(const std::filesystem::path& path, const std::vector<std::string>& lines,
                 const platform::CodePages& pages);

}  // namespace kavinor::conversion
