#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "control.h"

namespace kavinor::forms {

// A sorted list box with single selection. Counts and positions are 16-bit, so it holds at
// most 32,767 entries.
class ListBox final : public Control {
public:
    using Less = std::function<bool(std::string_view, std::string_view)>;
    static constexpr std::int16_t kMaxEntries = 32767;

    explicit ListBox(Less less) : less_(std::move(less)) {}

    std::int16_t count() const { return static_cast<std::int16_t>(entries_.size()); }
    const std::vector<std::string>& entries() const { return entries_; }

    // Puts `entry` at its sorted place, after entries that sort equal. False when the list is
    // full.
    bool add(std::string entry);
    void removeAt(std::int16_t index);
    void clear();

    std::optional<std::int16_t> selectedIndex() const { return selected_; }
    void select(std::optional<std::int16_t> index);

private:
    Less less_;
    std::vector<std::string> entries_;
    std::optional<std::int16_t> selected_;
};

}  // namespace kavinor::forms
