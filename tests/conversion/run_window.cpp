#include "run_window.h"

#include <gtest/gtest.h>

#include "conversion_run.h"
#include "test_files.h"

namespace kavinor::test {

RunWindow::RunWindow(FakeProcesses& processes, const std::filesystem::path& toolDir,
                     platform::IconvCodePages pages)
    : TestProgram(processes, toolDir.string(), std::move(pages)) {
    window.load();
    enabledAtClick_ = enabledStates();
    pause.onWait = [this](std::int32_t ms) { note("wait " + std::to_string(ms)); };
    messages.onShow = [this] { note("message"); };
    processes.onStart = [this](const FakeProcesses::Start& start) {
        note("start " + std::filesystem::path(start.commandLine.substr(1)).filename().string());
        if (start.commandLine.ends_with("error.bat\"")) atErrorBat = contents(start.workingDir);
        if (atStart) atStart(start);
    };
}

void RunWindow::choose(bool ov2Mode, const std::filesystem::path& sourceDir, const Lines& targets) {
    window.bolOv2Mode = ov2Mode;
    window.strSourceDir = sourceDir.string();
    window.strPattern = window.strSourceDir + (ov2Mode ? "\\*.ov2" : "\\*.asc");
    window.File.setPath(sourceDir.string());
    window.lstAuswahl2.clear();
    for (const std::string& name : targets) window.lstAuswahl2.add(name);
}

void RunWindow::convert(const std::filesystem::path& outputPath) {
    dialog.answer(true, outputPath.string());
    enabledAtClick_ = enabledStates();
    conversion::cmdKonvert_Click(window);
}

void RunWindow::note(const std::string& event) {
    events.push_back(window.cmdKonvert.caption() + " " + event);
    EXPECT_EQ(enabledStates(), enabledAtClick_) << event;
}

Lines RunWindow::state() const {
    const mainwindow::FmrMain& w = window;
    std::string sources;
    for (const std::string& name : w.lstAuswahl1.entries()) sources += name + "|";
    return {(w.txtov2.visible() ? "shown " : "hidden ") + w.txtov2.text(),
            w.lblPfad.visible() ? "path label shown" : "path label hidden",
            w.strSourceDir,
            w.strPattern,
            sources,
            w.lblDatei1.caption()};
}

std::vector<bool> RunWindow::enabledStates() const {
    const mainwindow::FmrMain& w = window;
    return {w.cmdKonvert.enabled(), w.lstAuswahl1.enabled(), w.lstAuswahl2.enabled(),
            w.lblDatei1.enabled(),  w.lblDatei2.enabled(),   w.lblPfad.enabled(),
            w.txtov2.enabled(),     w.mnuError.enabled(),    w.File.enabled()};
}

}  // namespace kavinor::test
