#include "dir_list.h"

#include <utility>

namespace kavinor::forms {

bool DirList::setPath(const std::string& path) {
    if (path == path_) return true;
    const std::optional<std::vector<std::string>> subdirectories = source_.subdirectories(path);
    if (!subdirectories) return false;
    show(path, *subdirectories);
    pathChanged.emit();
    return true;
}

void DirList::start(const std::string& path) {
    show(path, source_.subdirectories(path).value_or(std::vector<std::string>{}));
}

void DirList::refresh() {
    if (path_.empty()) return;
    show(path_, source_.subdirectories(path_).value_or(std::vector<std::string>{}));
}

void DirList::open(std::int16_t index) {
    userInput([this, index] {
        // A copy: moving there replaces the entries.
        if (index >= 0 && index < static_cast<std::int16_t>(entries_.size())) {
            setPath(std::string(entries_[index].path));
        }
    });
}

void DirList::show(const std::string& path, const std::vector<std::string>& subdirectories) {
    const char separator = source_.separator;
    const auto join = [separator](const std::string& dir, const std::string& name) {
        return dir.ends_with(separator) ? dir + name : dir + separator + name;
    };
    path_ = path;
    entries_.clear();
    std::string root = source_.root(path);
    if (root.empty() || !path.starts_with(root)) root = path;
    entries_.push_back({root, root, 0});
    std::string walked = root;
    // The components below the root, each a step further down.
    for (std::size_t start = root.size(); start < path.size();) {
        std::size_t end = path.find(separator, start);
        if (end == std::string::npos) end = path.size();
        if (end > start) {
            walked = join(walked, path.substr(start, end - start));
            entries_.push_back({path.substr(start, end - start), walked,
                                static_cast<std::int16_t>(entries_.size())});
        }
        start = end + 1;
    }
    current_ = static_cast<std::int16_t>(entries_.size() - 1);
    const auto level = static_cast<std::int16_t>(entries_.size());
    for (const std::string& name : subdirectories) {
        if (entries_.size() == 32767) break;
        entries_.push_back({name, join(path, name), level});
    }
    changed.emit();
}

}  // namespace kavinor::forms
