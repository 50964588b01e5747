#include "script_file.h"

#include <fstream>
#include <system_error>

#include "code_page_helpers.h"

namespace kavinor::conversion {

std::string EncodeScriptLine(const platform::CodePages& pages, const std::string& line) {
    std::string doubled;
    doubled.reserve(line.size());
    for (const char c : line) {
        doubled += c;
        if (c == '%') doubled += '%';
    }
    return ANSI_To_DOS(pages, doubled);
}

bool WriteScript(const std::filesystem::path& path, const std::vector<std::string>& lines,
                 const platform::CodePages& pages) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    // A file that cannot even be opened is not ours to remove.
    if (!file.is_open()) return false;
    for (const std::string& line : lines) file << EncodeScriptLine(pages, line) << "\r\n";
    file.close();
    if (!file.fail()) return true;
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return false;
}

}  // namespace kavinor::conversion
