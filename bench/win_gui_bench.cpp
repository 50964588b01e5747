// winguibench TOOL_DIR: times the windows over the system's own controls as Kavinor.exe shows
// them: the start of the program to a shown notice window (each start a new process), filling
// the source list with 32,767 names through the input frame's "OK", and the full copy of them
// with ">>". Prints each figure beside its target.
#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <iterator>
#include <numeric>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "report.h"
#include "system_text.h"
#include "windows_program.h"

namespace {

using kavinor::app::WindowsProgram;
using kavinor::bench::Measurement;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;
namespace sys = kavinor::sys;

constexpr int kRepetitions = 5;
constexpr int kNames = 32767;
constexpr double kTargetSeconds = 0.5;
constexpr auto kPatience = std::chrono::seconds(30);

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The user and kernel time of this process so far.
double processorSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ticks = [](const FILETIME& t) {
        return static_cast<double>(static_cast<std::uint64_t>(t.dwHighDateTime) << 32 |
                                   t.dwLowDateTime);
    };
    return (ticks(kernel) + ticks(user)) / 1e7;
}

// Handles messages through the program's pump until `done` holds and none waits, paints and
// the lists' deferred redraws included. False when that takes longer than kPatience.
bool handleUntil(WindowsProgram& kavinor, const std::function<bool()>& done) {
    const Clock::time_point start = Clock::now();
    MSG waiting;
    while (!done() || PeekMessageW(&waiting, nullptr, 0, 0, PM_NOREMOVE)) {
        if (Clock::now() - start > kPatience) return false;
        // A millisecond at least: for none, runFor returns before it handles anything.
        kavinor.pump().runFor(1);
    }
    return true;
}

fs::path runnerPath() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

void startCommonControls() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

// Kavinor.exe's start until its notice window is shown and painted; then the word and the
// processor time so far on standard output, for the process that started this one.
int showNotice(const std::string& toolDirectory) {
    WindowsProgram kavinor(toolDirectory);
    kavinor.program().start();
    const HWND notice = kavinor.frontEnd().view(kavinor.program().frmSplash).hwnd();
    if (!handleUntil(kavinor, [notice] { return IsWindowVisible(notice) != 0; })) return 1;
    std::printf("shown %.6f\n", processorSeconds());
    std::fflush(stdout);
    return 0;
}

// One start of a new process of this runner, timed from its creation to its word that the
// notice is shown, and that process's own processor time until then.
std::pair<double, double> timeStart(const fs::path& self, std::wstring commandLine) {
    SECURITY_ATTRIBUTES inherited{sizeof(inherited), nullptr, TRUE};
    HANDLE reader, writer;
    if (!CreatePipe(&reader, &writer, &inherited, 0)) throw std::runtime_error("no pipe");
    SetHandleInformation(reader, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writer;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION child{};
    const Clock::time_point start = Clock::now();
    const bool started = CreateProcessW(self.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &child);
    // Only the child holds the writing end now: its end ends the reading.
    CloseHandle(writer);
    char word[64] = {};
    DWORD got = 0;
    const bool read = started && ReadFile(reader, word, sizeof word - 1, &got, nullptr);
    const double seconds = secondsSince(start);
    CloseHandle(reader);
    if (started) {
        WaitForSingleObject(child.hProcess, INFINITE);
        CloseHandle(child.hThread);
        CloseHandle(child.hProcess);
    }
    double cpu = 0;
    if (!read || std::sscanf(word, "shown %lf", &cpu) != 1) {
        throw std::runtime_error("the program did not show its notice window");
    }
    return {seconds, cpu};
}

Measurement measureStarts(const std::string& toolDirectory) {
    const fs::path self = runnerPath();
    const std::wstring commandLine = L"\"" + self.wstring() + L"\" --show-notice \"" +
                                     sys::pathFromText(toolDirectory).wstring() + L"\"";
    Measurement m;
    for (int i = 0; i < kRepetitions; ++i) {
        const auto [seconds, cpu] = timeStart(self, commandLine);
        m.seconds.push_back(seconds);
        m.cpuSeconds.push_back(cpu);
    }
    return m;
}

// The directory of 32,767 empty .ov2 files beside the runner, made once in a shuffled order and
// kept for later runs: Wine searches the whole directory for another case of each new name,
// which makes the files take minutes there.
fs::path sourceFiles() {
    const fs::path dir = runnerPath().parent_path() / "Quelle-32767";
    if (fs::is_directory(dir) && std::distance(fs::directory_iterator(dir), {}) == kNames) {
        return dir;
    }
    std::fprintf(stderr, "winguibench: making %d files in %s once\n", kNames,
                 sys::textOf(dir).c_str());
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::vector<int> order(kNames);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), std::mt19937(2024));
    const char* places[] = {"Burgen", "Seen", "Gipfel", "Ärzte", "Öfen", "Übergänge", "Zoo"};
    for (int i : order) {
        const std::string name = std::string(places[i % 7]) + " " + std::to_string(i) + ".ov2";
        std::FILE* file = sys::openFile(dir / sys::pathFromText(name), "wb");
        if (file == nullptr) throw std::runtime_error("cannot make " + name);
        std::fclose(file);
    }
    return dir;
}

// Clicks `button`, timed until `list` holds every name and no message waits.
void timeClick(WindowsProgram& kavinor, HWND button, HWND list, Measurement& m) {
    const Clock::time_point start = Clock::now();
    const double cpu = processorSeconds();
    SendMessageW(button, BM_CLICK, 0, 0);
    if (!handleUntil(kavinor, [list] { return SendMessageW(list, LB_GETCOUNT, 0, 0) == kNames; })) {
        throw std::runtime_error("a list box did not show all names");
    }
    m.seconds.push_back(secondsSince(start));
    m.cpuSeconds.push_back(processorSeconds() - cpu);
}

// The input frame at `source`, confirmed, then ">>", kRepetitions times in one program.
void measureLists(const std::string& toolDirectory, const fs::path& source, Measurement& fill,
                  Measurement& copy) {
    WindowsProgram kavinor(toolDirectory);
    kavinor::program::Program& program = kavinor.program();
    const auto control = [&](const kavinor::forms::Window& window, const char* name) {
        return kavinor.frontEnd().view(window).controlWindow(name);
    };
    const auto idle = [] { return true; };
    program.start();
    SendMessageW(control(program.frmSplash, "cmdOK"), BM_CLICK, 0, 0);
    for (int i = 0; i < kRepetitions; ++i) {
        SendMessageW(control(program.fmrMain, "cmdStart"), BM_CLICK, 0, 0);
        if (!program.fmrMain.Dir.setPath(sys::textOf(source))) {
            throw std::runtime_error("the directory list did not reach " + sys::textOf(source));
        }
        if (!handleUntil(kavinor, idle)) throw std::runtime_error("the windows do not settle");
        timeClick(kavinor, control(program.fmrMain, "cmdOK"),
                  control(program.fmrMain, "lstAuswahl1"), fill);
        timeClick(kavinor, control(program.fmrMain, "cmdallehin"),
                  control(program.fmrMain, "lstAuswahl2"), copy);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments = sys::programArguments(argc, argv);
    const bool child = arguments.size() == 3 && arguments[1] == "--show-notice";
    if (arguments.size() != 2 && !child) {
        std::fprintf(stderr, "usage: winguibench TOOL_DIRECTORY\n");
        return 2;
    }
    startCommonControls();
    try {
        if (child) return showNotice(arguments[2]);
        fs::path tools = fs::absolute(sys::pathFromText(arguments[1])).lexically_normal();
        // A separator at the end would escape the quote around it on the child's command line.
        if (!tools.has_filename()) tools = tools.parent_path();
        const Measurement starts = measureStarts(sys::textOf(tools));
        Measurement fill;
        Measurement copy;
        measureLists(sys::textOf(tools), sourceFiles(), fill, copy);
        kavinor::bench::printTimeHeader();
        kavinor::bench::printTime("start to a shown notice window", starts, kTargetSeconds);
        kavinor::bench::printTime("fill the source list with 32,767 names", fill, kTargetSeconds);
        kavinor::bench::printTime("copy all 32,767 names with >>", copy, kTargetSeconds);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "winguibench: %s\n", e.what());
        return 1;
    }
    return 0;
}
