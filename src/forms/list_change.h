#pragma once

#include <cstdint>

namespace kavinor::forms {

// What changed in a list, so that a view keeps up in constant time per change.
struct ListChange {
    enum class Kind {
        Inserted,  // an entry now stands at `index`; those from there on moved down by one
        Removed,   // the entry at `index` is gone; those after it moved up by one
        Cleared,   // every entry is gone
        Selected,  // the selection is now `index`, or none when `index` is -1
    };
    Kind kind;
    std::int32_t index;
    bool operator==(const ListChange&) const = default;
};

}  // namespace kavinor::forms
