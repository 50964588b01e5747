#include "win32_processes.h"

#include <windows.h>

#include <utility>

#include "wide_text.h"

namespace kavinor::platform {
namespace {

std::wstring interpreterFromEnvironment() {
    std::wstring value(MAX_PATH, L'\0');
    DWORD length =
        GetEnvironmentVariableW(L"COMSPEC", value.data(), static_cast<DWORD>(value.size()));
    if (length >= value.size()) {
        value.resize(length);
        length =
            GetEnvironmentVariableW(L"COMSPEC", value.data(), static_cast<DWORD>(value.size()));
    }
    value.resize(length < value.size() ? length : 0);
    return value;
}

// Whether `line` holds a `>` outside quotation marks.
bool redirectsOutput(std::string_view line) {
    bool quoted = false;
    for (const char c : line) {
        if (c == '"') quoted = !quoted;
        if (c == '>' && !quoted) return true;
    }
    return false;
}

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return handle_; }
    HANDLE release() { return std::exchange(handle_, nullptr); }

private:
    HANDLE handle_;
};

}  // namespace

std::string InterpreterCommandLine(const std::string& commandLine) {
    std::string line = "cmd /c \"" + commandLine;
    if (redirectsOutput(commandLine)) line += " 2>&1";
    return line + "\"";
}

Win32Processes::Win32Processes() : interpreter_(interpreterFromEnvironment()) {}

Win32Processes::Win32Processes(std::string interpreter)
    : interpreter_(sys::widen(interpreter, CP_ACP)) {}

Win32Processes::~Win32Processes() {
    while (!started_.empty()) terminate(started_.begin()->first);
}

std::optional<ProcessId> Win32Processes::start(const std::string& commandLine,
                                               const std::string& workingDir) {
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    const Handle nul(CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited, OPEN_EXISTING, 0,
                                 nullptr));
    if (nul.get() == INVALID_HANDLE_VALUE) return std::nullopt;

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = nul.get();

    std::wstring line = sys::widen(InterpreterCommandLine(commandLine), CP_ACP);
    const std::wstring directory = sys::widen(workingDir, CP_ACP);
    // No process can have a current directory of MAX_PATH characters or more; asked for one,
    // some systems fail the start and Wine corrupts its own memory.
    if (directory.size() >= MAX_PATH) return std::nullopt;
    PROCESS_INFORMATION info{};
    // Suspended until it is in its job, so no tool it starts can escape the terminate.
    if (!CreateProcessW(interpreter_.empty() ? nullptr : interpreter_.c_str(), line.data(), nullptr,
                        nullptr, TRUE, CREATE_NO_WINDOW | CREATE_SUSPENDED, nullptr,
                        directory.c_str(), &startup, &info)) {
        return std::nullopt;
    }
    const Handle thread(info.hThread);
    Handle job(CreateJobObjectW(nullptr, nullptr));
    if (job.get() != nullptr && !AssignProcessToJobObject(job.get(), info.hProcess)) {
        CloseHandle(job.release());
    }
    ResumeThread(thread.get());
    const auto id = static_cast<ProcessId>(info.dwProcessId);
    started_[id] = Started{info.hProcess, job.release()};
    return id;
}

bool Win32Processes::isRunning(ProcessId id) {
    const auto found = started_.find(id);
    if (found == started_.end()) return false;
    if (WaitForSingleObject(found->second.process, 0) == WAIT_TIMEOUT) return true;
    release(id);
    return false;
}

void Win32Processes::terminate(ProcessId id) {
    const auto found = started_.find(id);
    if (found == started_.end()) return;
    const Started& started = found->second;
    if (WaitForSingleObject(started.process, 0) == WAIT_TIMEOUT) {
        if (started.job == nullptr || !TerminateJobObject(started.job, 1)) {
            TerminateProcess(started.process, 1);
        }
        WaitForSingleObject(started.process, INFINITE);
    }
    release(id);
}

void Win32Processes::release(ProcessId id) {
    const auto found = started_.find(id);
    CloseHandle(found->second.process);
    if (found->second.job != nullptr) CloseHandle(found->second.job);
    started_.erase(found);
}

}  // namespace kavinor::platform
