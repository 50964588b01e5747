#include "headless_program.h"

#include <sys/resource.h>

#include <chrono>
#include <stdexcept>

#include "conversion_run.h"

namespace kavinor::bench {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double seconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) * 1e-6;
}

// User and system time of this process and of its children that have been reaped: kvcmd waits
// for the tools, so theirs is in kvcmd's once it is reaped.
double cpuSecondsSoFar() {
    rusage self{};
    rusage children{};
    getrusage(RUSAGE_SELF, &self);
    getrusage(RUSAGE_CHILDREN, &children);
    return seconds(self.ru_utime) + seconds(self.ru_stime) + seconds(children.ru_utime) +
           seconds(children.ru_stime);
}

}  // namespace

HeadlessProgram::HeadlessProgram(const fs::path& toolDir)
    : system_((toolDir / "kvcmd").string()), program_(processes_, toolDir.string()) {
    // As a user starts it: the notice window, confirmed, shows the main window.
    program_.program.start();
    program_.program.frmSplash.cmdOK.click();
}

void HeadlessProgram::confirmSource(const fs::path& dir) {
    mainwindow::FmrMain& window = program_.window;
    window.cmdStart.click();
    // The frame opens at the tool directory; the user moves to the sources.
    if (!window.Dir.setPath(dir.string())) {
        throw std::runtime_error("the directory list cannot move to " + dir.string());
    }
    window.cmdOK.click();
}

void HeadlessProgram::copyAll() {
    program_.window.cmdallehin.click();
}

RunOutcome HeadlessProgram::convert(const fs::path& output) {
    RunOutcome outcome;
    program_.pause.onWait = [&](std::int32_t ms) { outcome.skippedPauseMs += ms; };
    const std::size_t shownBefore = program_.messages.shown.size();
    const double cpuStart = cpuSecondsSoFar();
    Clock::time_point end{};
    program_.messages.onShow = [&] {
        end = Clock::now();
        outcome.cpuSeconds = cpuSecondsSoFar() - cpuStart;
    };
    program_.dialog.answer(true, output.string());

    const Clock::time_point start = Clock::now();
    conversion::cmdKonvert_Click(program_.window);

    program_.messages.onShow = nullptr;
    program_.pause.onWait = nullptr;
    const auto& shown = program_.messages.shown;
    outcome.succeeded = shown.size() == shownBefore + 1 && shown.back() == test::kSuccess;
    if (shown.size() > shownBefore) {
        outcome.seconds = std::chrono::duration<double>(end - start).count();
    }
    return outcome;
}

}  // namespace kavinor::bench
