#pragma once

#include <string>
#include <string_view>

namespace kavinor::platform {

// The order of the sorted lists: ascending without regard to letter case, as a German user reads
// names. A name's sort key is computed once; keys compare as plain byte strings, and two distinct
// names never get the same key.
class Collation {
public:
    virtual ~Collation() = default;
    // The key of `text`, one of the program's own (UTF-8) texts.
    virtual std::string sortKey(std::string_view text) const = 0;
};

}  // namespace kavinor::platform
