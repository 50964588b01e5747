#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "asc_text.h"
#include "ov2_bytes.h"
#include "test_files.h"
#include "tool_test.h"

namespace kavinor::test {
namespace {

using RoundTrip = ToolTest;

TEST_F(RoundTrip, MakeThenDumpGivesTheSameRecords) {
    const std::string text = sampleAsc(700) +
                             "-0.12776,51.50735,\"London\"\r\n"
                             "180.00000,-90.00000,\"Ecke\"\r\n"
                             "-180.00000,90.00000,\"\"\r\n"
                             "0.00001,-0.00001,\"Leer\",\"\",\"\"\r\n"
                             "8.00000,50.00000,\"Sag \"\"Hallo\"\"\",\"\"\"\",\"a,b;c\"\r\n";
    writeFile(work() / "karte.asc", text);
    ASSERT_TRUE(succeeded(run(kMakeov2, {"karte.asc", "karte.ov2"})));
    ASSERT_TRUE(succeeded(run(kDumpov2, {"karte.ov2", "zurueck.asc"})));

    const std::vector<std::string> lines = sortedLines(readFile(work() / "zurueck.asc"));
    EXPECT_EQ(lines, sortedLines(text));
    EXPECT_TRUE(std::binary_search(lines.begin(), lines.end(), "-0.12776,51.50735,\"London\""));
}

TEST_F(RoundTrip, WrittenCoordinatesComeBackInFiveDecimals) {
    writeFile(work() / "karte.asc",
              " -0.12776 ,\t51.5 , \"London\"\n"
              "+13.404954,52.520005,\"Berlin\"\n"
              "-0.000005,0.000004,\"Null\"\n"
              "7,-45.1,\"Ganz\"\n");
    ASSERT_TRUE(succeeded(run(kMakeov2, {"karte.asc", "karte.ov2"})));
    ASSERT_TRUE(succeeded(run(kDumpov2, {"karte.ov2", "zurueck.asc"})));
    EXPECT_EQ(sortedLines(readFile(work() / "zurueck.asc")),
              sortedLines("-0.12776,51.50000,\"London\"\r\n"
                          "13.40495,52.52001,\"Berlin\"\r\n"
                          "-0.00001,0.00000,\"Null\"\r\n"
                          "7.00000,-45.10000,\"Ganz\"\r\n"));
}

TEST_F(RoundTrip, DumpThenMakeKeepsEveryPoi) {
    // An index and deleted records around the POIs; neither belongs to the text.
    const std::string records = deletedRecord(8) + sampleOv2(300) + deletedRecord(5);
    const std::string bytes = skipper(static_cast<std::int32_t>(21 + records.size()), 18000000,
                                      9000000, -18000000, -9000000) +
                              records;
    writeFile(work() / "karte.ov2", bytes);
    ASSERT_TRUE(succeeded(run(kDumpov2, {"karte.ov2", "eins.asc"})));
    ASSERT_TRUE(succeeded(run(kMakeov2, {"eins.asc", "neu.ov2"})));
    ASSERT_TRUE(succeeded(run(kDumpov2, {"neu.ov2", "zwei.asc"})));

    EXPECT_EQ(readFile(work() / "eins.asc"), sampleAsc(300));
    EXPECT_EQ(sortedLines(readFile(work() / "zwei.asc")), sortedLines(sampleAsc(300)));
}

}  // namespace
}  // namespace kavinor::test
