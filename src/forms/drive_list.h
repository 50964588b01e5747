#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "control.h"
#include "list_change.h"

namespace kavinor::forms {

// The drive list: the drives to choose from, and the current drive. Entries are drive names
// ("c:", or a mount point); the current drive need not be among them, for the drive filter may
// have removed its entry.
class DriveList final : public Control {
public:
    const std::vector<std::string>& entries() const { return entries_; }
    std::int16_t count() const { return static_cast<std::int16_t>(entries_.size()); }
    // Replaces every entry, as a new list reads the system's drives, and stands at `current`
    // without a change notice.
    void fill(std::vector<std::string> drives, std::string current);
    void removeAt(std::int16_t index);

    const std::string& drive() const { return drive_; }
    // Makes `drive` the current drive; when it really changes, `driveChanged` follows.
    void setDrive(std::string drive);

    // The user's choice of the entry at `index`.
    void choose(std::int16_t index);
    // The list receives the input focus.
    void focus();

    Signal<const ListChange&> listChanged;
    Signal<> driveChanged;
    Signal<> gotFocus;

protected:
    // The window fills a new drive list from the system.
    void reset(std::string_view) override {}

private:
    std::vector<std::string> entries_;
    std::string drive_;
};

}  // namespace kavinor::forms
