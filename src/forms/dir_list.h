#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "control.h"

namespace kavinor::forms {

// The directory list: the path from the drive's root down to the current directory, then the
// current directory's subdirectories. Opening an entry moves there.
class DirList final : public Control {
public:
    struct Entry {
        std::string name;  // as shown: the root's whole path, otherwise one path component
        std::string path;
        std::int16_t level;  // 0 for the root; subdirectories one below the current directory
        bool operator==(const Entry&) const = default;
    };

    // What the list needs of the file system. Texts are the program's own.
    struct Source {
        // The sorted subdirectory names of a directory: empty when it cannot be read, nothing
        // when it is no directory.
        std::function<std::optional<std::vector<std::string>>(const std::string&)> subdirectories;
        // The root of the drive that a directory lies on.
        std::function<std::string(const std::string&)> root;
        char separator;
    };

    explicit DirList(Source source) : source_(std::move(source)) {}

    const std::string& path() const { return path_; }
    // Stands at `path` as a new list does, without a change notice.
    void start(const std::string& path);
    // Moves to `path`; when it really changes, `pathChanged` follows. False, and nothing
    // changes, when `path` is no directory.
    bool setPath(const std::string& path);
    // Reads the current directory's subdirectories again.
    void refresh();

    const std::vector<Entry>& entries() const { return entries_; }
    // The position of the current directory among the entries.
    std::int16_t currentIndex() const { return current_; }

    // The user opens the entry at `index`.
    void open(std::int16_t index);

    Signal<> pathChanged;

protected:
    // The window sets a new directory list's place.
    void reset(std::string_view) override {}

private:
    void show(const std::string& path, const std::vector<std::string>& subdirectories);

    Source source_;
    std::string path_;
    std::vector<Entry> entries_;
    std::int16_t current_ = -1;
};

}  // namespace kavinor::forms
