#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "control.h"
#include "list_change.h"

namespace kavinor::forms {

// A sorted list box with single selection. Counts and positions are 16-bit, so it holds at most
// 32,767 entries. Entries are kept in the order of their sort keys, which are computed once per
// entry; entries of equal keys keep the order in which they came.
class ListBox final : public Control {
public:
    using SortKey = std::function<std::string(std::string_view)>;
    static constexpr std::int16_t kMaxEntries = 32767;

    explicit ListBox(SortKey sortKey) : sortKey_(std::move(sortKey)) {}

    std::int16_t count() const { return static_cast<std::int16_t>(entries_.size()); }
    const std::vector<std::string>& entries() const { return entries_; }
    const std::string& sortKey(std::int16_t index) const { return keys_.at(index); }

    // Puts `entry` at its sorted place. False when the list is full.
    bool add(std::string entry);
    // The same with the entry's key already at hand; it must be the key the list would compute.
    bool add(std::string entry, std::string key);
    void removeAt(std::int16_t index);
    void clear();

    std::optional<std::int16_t> selectedIndex() const { return selected_; }
    void select(std::optional<std::int16_t> index);
    // The user's choice of an entry, or of none.
    void choose(std::optional<std::int16_t> index);

    // Each change of the entries or of the selection. The selection follows its entry when
    // others are added or removed before it, which the inserted and removed notices imply.
    Signal<const ListChange&> listChanged;

protected:
    void reset(std::string_view) override { clear(); }

private:
    SortKey sortKey_;
    std::vector<std::string> entries_;
    std::vector<std::string> keys_;
    std::optional<std::int16_t> selected_;
};

}  // namespace kavinor::forms
