#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

namespace kavinor::test {

// Equality of two byte strings that, when they differ, reports the sizes and the first
// differing offset instead of dumping megabytes.
inline ::testing::AssertionResult sameBytes(std::string_view actual, std::string_view expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    const auto differs =
        std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end()).first;
    return ::testing::AssertionFailure()
           << actual.size() << " bytes where " << expected.size()
           << " were expected, first difference at offset " << (differs - actual.begin());
}

}  // namespace kavinor::test
