#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "collation.h"

struct UCollator;

namespace kavinor::platform {

// The lists' order from ICU's German collation: letters with their base letter (ä with a, ß
// with ss), case only where nothing else differs, symbols before digits before letters.
class IcuCollation final : public Collation {
public:
    IcuCollation();
    std::string sortKey(std::string_view text) const override;

private:
    struct Close {
        void operator()(UCollator* collator) const;
    };
    std::unique_ptr<UCollator, Close> collator_;
};

}  // namespace kavinor::platform
