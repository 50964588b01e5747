#include "platform_doubles.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace kavinor::test {

bool FakeSaveDialog::showSave() {
    ++shown_;
    shownFilter = filter_;
    shownFilterIndex = filterIndex_;
    if (answers_.empty()) return false;
    const auto [accept, fileName] = answers_.front();
    answers_.pop_front();
    if (accept) fileName_ = fileName;
    return accept;
}

std::optional<platform::ProcessId> FakeProcesses::start(const std::string& commandLine,
                                                        const std::string& workingDir) {
    if (failStarts) return std::nullopt;
    // The script is the quoted path at the start of the line, less a blank before the quote.
    std::string script = commandLine.substr(1, commandLine.find('"', 1) - 1);
    if (script.ends_with(' ')) script.pop_back();
    std::ifstream file(script, std::ios::binary);
    starts.push_back({commandLine, workingDir, {std::istreambuf_iterator<char>(file), {}}});
    if (onStart) onStart(starts.back());
    if (real_) return real_->start(commandLine, workingDir);
    remaining_[nextId_] = pollsWhileRunning;
    return nextId_++;
}

bool FakeProcesses::isRunning(platform::ProcessId id) {
    polled.push_back(id);
    if (real_) return real_->isRunning(id);
    const auto process = remaining_.find(id);
    if (process == remaining_.end() || process->second == 0) return false;
    --process->second;
    return true;
}

void FakeProcesses::terminate(platform::ProcessId id) {
    terminated.push_back(id);
    if (real_) real_->terminate(id);
}

std::vector<std::string> DirectoryFillWithExtras::listFiles(const std::string& pattern) {
    std::vector<std::string> names = real_.listFiles(pattern);
    names.insert(names.end(), extraFiles.begin(), extraFiles.end());
    return names;
}

std::vector<std::string> FakeDrives::list() {
    std::vector<std::string> names;
    for (const Drive& drive : table) names.push_back(drive.name);
    return names;
}

int FakeDrives::type(const std::string& drive) {
    for (const Drive& d : table) {
        if (d.name == drive) return d.type;
    }
    return platform::kDriveNoRootDir;
}

std::string FakeDrives::driveOf(const std::string& path) {
    std::string best;
    for (const Drive& d : table) {
        if (path.starts_with(d.name) && d.name.size() > best.size()) best = d.name;
    }
    return best;
}

void ScriptedLoop::runUntil(const std::function<bool()>& done) {
    while (!done()) {
        if (actions.empty()) throw std::logic_error("a modal window that nothing closes");
        const std::function<void()> next = std::move(actions.front());
        actions.pop_front();
        next();
    }
}

}  // namespace kavinor::test
