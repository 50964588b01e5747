#include "asc_writer.h"

#include <gtest/gtest.h>

namespace kavinor::ov2 {
namespace {

std::string coordinate(std::int32_t units) {
    std::string out;
    appendCoordinate(out, units);
    return out;
}

TEST(AscWriter, CoordinatesHaveExactlyFiveDecimalsAndKeepTheSignBelowOneDegree) {
    EXPECT_EQ(coordinate(-12776), "-0.12776");
    EXPECT_EQ(coordinate(1340495), "13.40495");
    EXPECT_EQ(coordinate(0), "0.00000");
    EXPECT_EQ(coordinate(-1), "-0.00001");
    EXPECT_EQ(coordinate(5), "0.00005");
    EXPECT_EQ(coordinate(18000000), "180.00000");
    EXPECT_EQ(coordinate(-9000000), "-90.00000");
}

TEST(AscWriter, LinesQuoteStringsDoubleInnerQuotesAndEndInCrLf) {
    std::string out;
    appendAscLine(out, {100000, -200000, "Gasthof \"Zur Post\"", "", "", false});
    appendAscLine(out, {1, 2, "\"", "id\"\"", "", true});
    EXPECT_EQ(out,
              "1.00000,-2.00000,\"Gasthof \"\"Zur Post\"\"\"\r\n"
              "0.00001,0.00002,\"\"\"\",\"id\"\"\"\"\",\"\"\r\n");
}

TEST(AscWriter, OnlyLineBreaksKeepAStringOutOfALine) {
    EXPECT_TRUE(fitsAscString("a\"b\x1A\t\xFF"));
    EXPECT_FALSE(fitsAscString("a\nb"));
    EXPECT_FALSE(fitsAscString("a\r"));
}

}  // namespace
}  // namespace kavinor::ov2
