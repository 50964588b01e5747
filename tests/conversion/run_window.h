#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "conversion_run.h"
#include "test_files.h"
#include "test_program.h"

namespace kavinor::test {

using Files = std::map<std::string, std::string>;
using Lines = std::vector<std::string>;

// The loaded main window on the real file system, with processes that record each start. It
// notes the run's captions, pauses, starts and messages in their order, and checks at each of
// them that no control has changed its enabled state since the click.
class RunWindow : public TestProgram {
public:
    RunWindow(FakeProcesses& processes, const std::filesystem::path& toolDir,
              platform::IconvCodePages pages = platform::IconvCodePages("UTF-8", "UTF-8"))
        : TestProgram(processes, toolDir.string(), std::move(pages)) {
        window.load();
        enabledAtClick_ = enabledStates();
        pause.onWait = [this](std::int32_t ms) { note("wait " + std::to_string(ms)); };
        messages.onShow = [this] { note("message"); };
        processes.onStart = [this](const FakeProcesses::Start& start) {
            const std::string line = start.commandLine.substr(1);
            note("start " + std::filesystem::path(line).filename().string());
            if (line.ends_with("error.bat\"")) atErrorBat = contents(start.workingDir);
            if (atStart) atStart(start);
        };
    }

    // The state a confirmed source choice and a filled target list leave.
    void choose(bool ov2Mode, const std::filesystem::path& sourceDir, const Lines& targets) {
        window.bolOv2Mode = ov2Mode;
        window.strSourceDir = sourceDir.string();
        window.strPattern = window.strSourceDir + (ov2Mode ? "\\*.ov2" : "\\*.asc");
        window.File.setPath(sourceDir.string());
        window.lstAuswahl2.clear();
        for (const std::string& name : targets) window.lstAuswahl2.add(name);
    }

    void convert(const std::filesystem::path& outputPath) {
        dialog.answer(true, outputPath.string());
        enabledAtClick_ = enabledStates();
        conversion::cmdKonvert_Click(window);
    }

    // What the window shows and holds of the run's outcome, one line each.
    Lines state() const {
        std::string sources;
        for (const std::string& name : window.lstAuswahl1.entries()) sources += name + "|";
        return {(window.txtov2.visible() ? "shown " : "hidden ") + window.txtov2.text(),
                window.lblPfad.visible() ? "path label shown" : "path label hidden",
                window.strSourceDir,
                window.strPattern,
                sources,
                window.lblDatei1.caption()};
    }

    // "<caption> wait <ms>", "<caption> start <the start line from the script's name on>",
    // "<caption> message".
    Lines events;
    // The files of the directory where error.bat started, as they were then.
    Files atErrorBat;
    // Acts as the script would, or on what it finds, before it runs.
    std::function<void(const FakeProcesses::Start&)> atStart;

private:
    void note(const std::string& event) {
        events.push_back(window.cmdKonvert.caption() + " " + event);
        EXPECT_EQ(enabledStates(), enabledAtClick_) << event;
    }
    std::vector<bool> enabledStates() const {
        const mainwindow::FmrMain& w = window;
        return {w.cmdKonvert.enabled(), w.lstAuswahl1.enabled(), w.lstAuswahl2.enabled(),
                w.lblDatei1.enabled(),  w.lblDatei2.enabled(),   w.lblPfad.enabled(),
                w.txtov2.enabled(),     w.mnuError.enabled(),    w.File.enabled()};
    }

    std::vector<bool> enabledAtClick_;
};

}  // namespace kavinor::test
