#include "same_bytes.h"

#include <algorithm>

namespace kavinor::test {

::testing::AssertionResult sameBytes(std::string_view actual, std::string_view expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    const auto [a, e] =
        std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    return ::testing::AssertionFailure()
           << actual.size() << " bytes where " << expected.size()
           << " were expected, first difference at offset " << (a - actual.begin());
}

}  // namespace kavinor::test
