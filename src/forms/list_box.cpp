#include "list_box.h"

#include <algorithm>
#include <stdexcept>

namespace kavinor::forms {

bool ListBox::add(std::string entry) {
    std::string key = sortKey_(entry);
    return add(std::move(entry), std::move(key));
}

bool ListBox::add(std::string entry, std::string key) {
    if (count() == kMaxEntries) return false;
    const auto place = std::upper_bound(keys_.begin(), keys_.end(), key);
    const auto index = static_cast<std::int16_t>(place - keys_.begin());
    keys_.insert(place, std::move(key));
    entries_.insert(entries_.begin() + index, std::move(entry));
    if (selected_ && *selected_ >= index) ++*selected_;
    listChanged.emit({ListChange::Kind::Inserted, index});
    return true;
}

void ListBox::removeAt(std::int16_t index) {
    if (index < 0 || index >= count()) throw std::out_of_range("list box position");
    entries_.erase(entries_.begin() + index);
    keys_.erase(keys_.begin() + index);
    const bool wasSelected = selected_ == index;
    if (wasSelected) {
        selected_.reset();
    } else if (selected_ && *selected_ > index) {
        --*selected_;
    }
    listChanged.emit({ListChange::Kind::Removed, index});
    if (wasSelected) listChanged.emit({ListChange::Kind::Selected, -1});
}

void ListBox::clear() {
    if (entries_.empty()) return;
    entries_.clear();
    keys_.clear();
    selected_.reset();
    listChanged.emit({ListChange::Kind::Cleared, 0});
}

void ListBox::select(std::optional<std::int16_t> index) {
    if (index && (*index < 0 || *index >= count())) throw std::out_of_range("list box position");
    if (selected_ == index) return;
    selected_ = index;
    listChanged.emit({ListChange::Kind::Selected, index.value_or(-1)});
}

void ListBox::choose(std::optional<std::int16_t> index) {
    userInput([this, index] { select(index); });
}

}  // namespace kavinor::forms
