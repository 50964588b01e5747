#include "drive_list.h"

#include <stdexcept>
#include <utility>

namespace kavinor::forms {

void DriveList::fill(std::vector<std::string> drives, std::string current) {
    if (!entries_.empty()) {
        entries_.clear();
        listChanged.emit({ListChange::Kind::Cleared, 0});
    }
    for (std::string& drive : drives) {
        entries_.push_back(std::move(drive));
        listChanged.emit({ListChange::Kind::Inserted, count() - 1});
    }
    if (current != drive_) {
        drive_ = std::move(current);
        changed.emit();
    }
}

void DriveList::removeAt(std::int16_t index) {
    if (index < 0 || index >= count()) throw std::out_of_range("drive list position");
    entries_.erase(entries_.begin() + index);
    listChanged.emit({ListChange::Kind::Removed, index});
}

void DriveList::setDrive(std::string drive) {
    if (drive == drive_) return;
    drive_ = std::move(drive);
    changed.emit();
    driveChanged.emit();
}

void DriveList::choose(std::int16_t index) {
    userInput([this, index] {
        if (index >= 0 && index < count()) setDrive(entries_[index]);
    });
}

void DriveList::focus() {
    userInput([this] { gotFocus.emit(); });
}

}  // namespace kavinor::forms
