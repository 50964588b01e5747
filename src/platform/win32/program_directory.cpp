#include "program_directory.h"

#include <windows.h>

#include <filesystem>

#include "wide_text.h"

namespace kavinor::platform {

std::string programDirectory() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        // A full buffer may have cut the name short.
        if (length < name.size()) {
            name.resize(length);
            break;
        }
        name.resize(name.size() * 2);
    }
    return sys::narrow(std::filesystem::path(name).parent_path().native(), CP_UTF8);
}

}  // namespace kavinor::platform
