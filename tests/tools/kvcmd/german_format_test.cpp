#include "german_format.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

using namespace kavinor::kvcmd;

TEST(GermanFormat, ThousandsAreGroupedWithPoints) {
    EXPECT_EQ(groupThousands(0), "0");
    EXPECT_EQ(groupThousands(999), "999");
    EXPECT_EQ(groupThousands(1000), "1.000");
    EXPECT_EQ(groupThousands(123456), "123.456");
    EXPECT_EQ(groupThousands(1234567), "1.234.567");
    EXPECT_EQ(groupThousands(18446744073709551615u), "18.446.744.073.709.551.615");
}

TEST(GermanFormat, DateAndTimeInTheirShortForms) {
    std::tm time{};
    time.tm_year = 2026 - 1900;
    time.tm_mon = 0;
    time.tm_mday = 5;
    time.tm_hour = 7;
    time.tm_min = 3;
    EXPECT_EQ(germanDate(time), "05.01.2026");
    EXPECT_EQ(germanTime(time), "07:03");
}

TEST(GermanFormat, AlignRightPadsButNeverCuts) {
    EXPECT_EQ(alignRight("1.234", 8), "   1.234");
    EXPECT_EQ(alignRight("123456789", 4), "123456789");
}

}  // namespace
