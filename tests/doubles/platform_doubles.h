#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "directory_fill.h"
#include "drives.h"
#include "end_request.h"
#include "input_gate.h"
#include "links.h"
#include "message_dialog.h"
#include "pause.h"
#include "processes.h"
#include "save_dialog.h"

// Stand-ins for what the windows and the system provide, recording what they were asked.

namespace kavinor::test {

// Each showSave() takes the next answer given in advance and notes "<filter> <index>" it was
// opened with; a cancel keeps the name of the last use, as the real dialog does.
class FakeSaveDialog final : public platform::SaveDialog {
public:
    void answer(bool accept, std::string fileName = {}) {
        answers_.emplace_back(accept, std::move(fileName));
    }
    void setFilter(const std::string& filter) override { filter_ = filter; }
    void setFilterIndex(int index) override { filterIndex_ = index; }
    bool showSave() override {
        shownWith = filter_ + " " + std::to_string(filterIndex_);
        if (answers_.empty()) return false;
        const auto [accept, fileName] = answers_.front();
        answers_.pop_front();
        if (accept) fileName_ = fileName;
        return accept;
    }
    std::string fileName() const override { return fileName_; }

    std::string shownWith;

private:
    std::deque<std::pair<bool, std::string>> answers_;
    std::string filter_;
    int filterIndex_ = 0;
    std::string fileName_;
};

struct ShownMessage {
    std::string text;
    int style;
    std::string title;
    bool operator==(const ShownMessage&) const = default;
};

// `onShow` runs while the box is "open", so a test can look at the window at that moment.
class RecordingMessages final : public platform::MessageDialog {
public:
    void show(const std::string& text, int style, const std::string& title) override {
        shown.push_back({text, style, title});
        if (onShow) onShow();
    }
    std::vector<ShownMessage> shown;
    std::function<void()> onShow;
};

// Pauses without sleeping; `onWait` sees each pause as it is asked for.
class RecordingPause final : public platform::Pause {
public:
    void wait(std::int32_t milliseconds) override {
        if (onWait) onWait(milliseconds);
    }
    std::function<void(std::int32_t)> onWait;
};

// Processes that are only pretended, or handed on to `real`: each start records the command
// line, its working directory and the bytes of the script it names, then `onStart` may act as
// the script would. A pretended process has ended when it is first asked.
class FakeProcesses final : public platform::Processes {
public:
    explicit FakeProcesses(platform::Processes* real = nullptr) : real_(real) {}

    struct Start {
        std::string commandLine;
        std::string workingDir;
        std::string scriptBytes;
    };
    std::optional<platform::ProcessId> start(const std::string& commandLine,
                                             const std::string& workingDir) override {
        // The script is the quoted path at the start of the line, less a blank before the quote.
        std::string script = commandLine.substr(1, commandLine.find('"', 1) - 1);
        if (script.ends_with(' ')) script.pop_back();
        std::ifstream file(script, std::ios::binary);
        starts.push_back({commandLine, workingDir, {std::istreambuf_iterator<char>(file), {}}});
        if (onStart) onStart(starts.back());
        return real_ ? real_->start(commandLine, workingDir) : 4100;
    }
    bool isRunning(platform::ProcessId id) override { return real_ && real_->isRunning(id); }
    void terminate(platform::ProcessId id) override {
        terminated.push_back(id);
        if (real_) real_->terminate(id);
    }

    std::function<void(const Start&)> onStart;
    std::vector<Start> starts;
    std::vector<platform::ProcessId> terminated;

private:
    platform::Processes* real_;
};

// A drive table of the test's; a drive's root and the directory chosen with it are the drive.
class FakeDrives final : public platform::Drives {
public:
    struct Drive {
        std::string name;
        int type;
    };
    std::vector<Drive> table;

    std::vector<std::string> list() override {
        std::vector<std::string> names;
        for (const Drive& drive : table) names.push_back(drive.name);
        return names;
    }
    int type(const std::string& name) override {
        const auto found = std::ranges::find(table, name, &Drive::name);
        return found == table.end() ? platform::kDriveNoRootDir : found->type;
    }
    std::string driveOf(const std::string& path) override {
        std::string best;
        for (const Drive& d : table) {
            if (path.starts_with(d.name) && d.name.size() > best.size()) best = d.name;
        }
        return best;
    }
    std::string root(const std::string& drive) override { return drive; }
    std::string directoryOf(const std::string& drive) override { return drive; }
};

// The real directory fill, with the test's names added to every listing of files, so that a
// list fill meets tens of thousands of files that are not on disk.
class DirectoryFillWithExtras final : public platform::DirectoryFill {
public:
    explicit DirectoryFillWithExtras(platform::DirectoryFill& real) : real_(real) {}
    std::vector<std::string> listFiles(const std::string& pattern) override {
        std::vector<std::string> names = real_.listFiles(pattern);
        names.insert(names.end(), extraFiles.begin(), extraFiles.end());
        return names;
    }
    std::optional<std::vector<std::string>> listDirectories(const std::string& dir) override {
        return real_.listDirectories(dir);
    }
    std::vector<std::string> extraFiles;

private:
    platform::DirectoryFill& real_;
};

// An end asked for from outside as soon as `when` says so; never without it.
class FakeEndRequest final : public platform::EndRequest {
public:
    bool requested() const override { return when && when(); }
    std::function<bool()> when;
};

class RecordingLinks final : public platform::Links {
public:
    void open(const std::string& target) override { opened.push_back(target); }
    std::vector<std::string> opened;
};

// The event loop of a modal window: plays the queued actions, one per turn, until the window is
// done; a modal window that no queued action closes is a test failure, not a hang.
class ScriptedLoop final : public forms::EventLoop {
public:
    void runUntil(const std::function<bool()>& done) override {
        while (!done()) {
            if (actions.empty()) throw std::logic_error("a modal window that nothing closes");
            const std::function<void()> next = std::move(actions.front());
            actions.pop_front();
            next();
        }
    }
    std::deque<std::function<void()>> actions;
};

}  // namespace kavinor::test
