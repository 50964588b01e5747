#pragma once

#include <gtest/gtest.h>

#include <string_view>

namespace kavinor::test {

// Equality of two byte strings that, when they differ, reports the sizes and the first
// differing offset instead of dumping megabytes.
::testing::AssertionResult sameBytes(std::string_view actual, std::string_view expected);

}  // namespace kavinor::test
