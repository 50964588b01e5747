#include "list_box.h"

#include <algorithm>
#include <stdexcept>

namespace kavinor::forms {

bool ListBox::add(std::string entry) {
    if (count() == kMaxEntries) return false;
    const auto place = std::upper_bound(entries_.begin(), entries_.end(), entry, less_);
    const auto index = static_cast<std::int16_t>(place - entries_.begin());
    entries_.insert(place, std::move(entry));
    if (selected_ && *selected_ >= index) ++*selected_;
    changed.emit();
    return true;
}

void ListBox::removeAt(std::int16_t index) {
    if (index < 0 || index >= count()) throw std::out_of_range("list box position");
    entries_.erase(entries_.begin() + index);
    if (selected_ == index) {
        selected_.reset();
    } else if (selected_ && *selected_ > index) {
        --*selected_;
    }
    changed.emit();
}

void ListBox::clear() {
    if (entries_.empty()) return;
    entries_.clear();
    selected_.reset();
    changed.emit();
}

void ListBox::select(std::optional<std::int16_t> index) {
    if (index && (*index < 0 || *index >= count())) throw std::out_of_range("list box position");
    set(selected_, index);
}

}  // namespace kavinor::forms
