// What Windows reads from Kavinor.exe: the version record that the file's properties show, the
// icon that Explorer and the program's windows draw, and the manifest.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "test_files.h"

namespace kavinor::test {
namespace {

const std::wstring kProgram = std::filesystem::path(KAVINOR_PROGRAM_FILE).wstring();

TEST(ProgramFile, VersionRecordInGerman) {
    std::vector<char> record(GetFileVersionInfoSizeW(kProgram.c_str(), nullptr));
    ASSERT_TRUE(GetFileVersionInfoW(kProgram.c_str(), 0, record.size(), record.data()));
    const auto query = [&](const std::wstring& path) {
        void* value = nullptr;
        UINT size = 0;
        return VerQueryValueW(record.data(), path.c_str(), &value, &size) ? value : nullptr;
    };
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(query(L"\\"));
    const auto* language = static_cast<const WORD*>(query(L"\\VarFileInfo\\Translation"));
    ASSERT_TRUE(fixed && language);
    EXPECT_EQ(std::vector<DWORD>({fixed->dwFileVersionMS, fixed->dwFileVersionLS,
                                  fixed->dwProductVersionMS, fixed->dwProductVersionLS, language[0],
                                  language[1]}),
              std::vector<DWORD>({7, 5, 7, 5, 0x0407, 1200}));
    const std::pair<const wchar_t*, const wchar_t*> strings[] = {
        {L"CompanyName", L"OEM"},       {L"ProductName", L"Kavinor"},
        {L"InternalName", L"Kavinor"},  {L"OriginalFilename", L"Kavinor.exe"},
        {L"FileVersion", L"0.07.0005"}, {L"ProductVersion", L"0.07.0005"}};
    for (const auto& [name, value] : strings) {
        const auto* text = query(std::wstring(L"\\StringFileInfo\\040704B0\\") + name);
        EXPECT_EQ(std::wstring(text ? static_cast<const wchar_t*>(text) : L"missing"), value);
    }
}

// The numbers of the resource types RT_ICON, RT_GROUP_ICON and RT_MANIFEST.
constexpr WORD kIcon = 3, kIconGroup = 14, kManifest = 24;

std::string resource(HMODULE module, WORD type, WORD id) {
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(type));
    if (!found) return "missing";
    return {static_cast<const char*>(LockResource(LoadResource(module, found))),
            SizeofResource(module, found)};
}

// The group lists two images, 32 and 16 pixels of 16 colours, each the icon file's own.
TEST(ProgramFile, IconGroupAndManifest) {
    const HMODULE module = LoadLibraryExW(kProgram.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(module);
    const std::string ico = readFile(KAVINOR_ICON_FILE);
    const std::string group = resource(module, kIconGroup, 1);
    ASSERT_EQ(group.size(), 6u + 2 * 14);
    EXPECT_EQ(group.substr(0, 6), std::string("\0\0\1\0\2\0", 6));
    for (int i = 0; i < 2; ++i) {
        const char side = i == 0 ? 32 : 16;
        const char* entry = group.data() + 6 + 14 * i;
        EXPECT_EQ(std::string(entry, 8), std::string({side, side, 16, 0, 1, 0, 4, 0}));
        const auto offset = *reinterpret_cast<const DWORD*>(ico.data() + 6 + 16 * i + 12);
        EXPECT_EQ(resource(module, kIcon, *reinterpret_cast<const WORD*>(entry + 12)),
                  ico.substr(offset, *reinterpret_cast<const DWORD*>(entry + 8)));
    }
    EXPECT_EQ(resource(module, kManifest, 1), readFile(KAVINOR_MANIFEST));
    FreeLibrary(module);
}

}  // namespace
}  // namespace kavinor::test
