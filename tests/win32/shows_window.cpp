// shows_window PROGRAM.exe: starts the program and waits up to 15 s for a visible top-level window
// of its process, then ends it. Exit status 0 when such a window showed, 1 when none did, 2 when
// the program could not start.
#include <windows.h>

#include <string>
#include <utility>

int wmain(int argc, wchar_t** argv) {
    std::wstring commandLine = L"\"" + std::wstring(argc == 2 ? argv[1] : L"") + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (argc != 2 || !CreateProcessW(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0,
                                     nullptr, nullptr, &startup, &started)) {
        return 2;
    }
    // The process, and whether a window of it showed.
    std::pair<DWORD, bool> search{started.dwProcessId, false};
    const auto visit = [](HWND window, LPARAM search) -> BOOL {
        auto& [process, found] = *reinterpret_cast<std::pair<DWORD, bool>*>(search);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        found = owner == process && IsWindowVisible(window);
        return !found;
    };
    // A program that ends before its window shows has failed too.
    for (int tries = 0; tries < 150 && !search.second; ++tries) {
        if (WaitForSingleObject(started.hProcess, 100) != WAIT_TIMEOUT) break;
        EnumWindows(visit, reinterpret_cast<LPARAM>(&search));
    }
    TerminateProcess(started.hProcess, 0);
    WaitForSingleObject(started.hProcess, 5000);
    return search.second ? 0 : 1;
}
