#include <gtest/gtest.h>

#include <string>

#include "asc_text.h"
#include "ov2_bytes.h"
#include "same_bytes.h"
#include "test_files.h"
#include "tool_test.h"

namespace kavinor::test {
namespace {

// What the programs write; the formats' finer rules are tested on the library.
using Output = ToolTest;

TEST_F(Output, DumpWritesFileOrderAndMakeKeepsEveryPoi) {
    // An index and deleted records around the POIs; neither belongs to the text.
    const std::string records = deletedRecord(8) + sampleOv2(300) + deletedRecord(5);
    writeFile(work() / "karte.ov2", skipper(static_cast<std::int32_t>(21 + records.size()),
                                            18000000, 9000000, -18000000, -9000000) +
                                        records);
    ASSERT_TRUE(succeeded(run(kDumpov2, {"karte.ov2", "eins.asc"})));
    ASSERT_TRUE(succeeded(run(kMakeov2, {"eins.asc", "neu.ov2"})));
    ASSERT_TRUE(succeeded(run(kDumpov2, {"neu.ov2", "zwei.asc"})));

    EXPECT_EQ(readFile(work() / "eins.asc"), sampleAsc(300));
    EXPECT_EQ(sortedLines(readFile(work() / "zwei.asc")), sortedLines(sampleAsc(300)));
}

TEST_F(Output, MakeThenDumpGivesTheRecordsInFiveDecimals) {
    writeFile(work() / "karte.asc", sampleAsc(700) +
                                        " -0.12776 ,\t51.5 , \"London\"\n"
                                        "+13.404954,52.520005,\"Berlin\"\n"
                                        "-0.000005,0.000004,\"Null\",\"\",\"\"\n");
    ASSERT_TRUE(succeeded(run(kMakeov2, {"karte.asc", "karte.ov2"})));
    ASSERT_TRUE(succeeded(run(kDumpov2, {"karte.ov2", "zurueck.asc"})));
    EXPECT_EQ(sortedLines(readFile(work() / "zurueck.asc")),
              sortedLines(sampleAsc(700) + "-0.12776,51.50000,\"London\"\r\n"
                                           "13.40495,52.52001,\"Berlin\"\r\n"
                                           "-0.00001,0.00000,\"Null\",\"\",\"\"\r\n"));
}

TEST_F(Output, MakeWritesTheSameBytesForTheSameTextUnderOneSkipper) {
    writeFile(work() / "karte.asc", sampleAsc(2000) + "180,90,\"Ecke\"\r\n-180,-90,\"Ecke\"\r\n");
    ASSERT_TRUE(succeeded(run(kMakeov2, {"karte.asc", "eins.ov2"})));
    ASSERT_TRUE(succeeded(run(kMakeov2, {"karte.asc", "zwei.ov2"})));

    const std::string bytes = readFile(work() / "eins.ov2");
    EXPECT_TRUE(sameBytes(readFile(work() / "zwei.ov2"), bytes));
    ASSERT_GE(bytes.size(), 21u);
    EXPECT_EQ(bytes[0], '\x01');
    EXPECT_EQ(static_cast<std::size_t>(int32At(bytes, 1)), bytes.size());
    EXPECT_EQ(int32At(bytes, 5), 18000000);
    EXPECT_EQ(int32At(bytes, 9), 9000000);
    EXPECT_EQ(int32At(bytes, 13), -18000000);
    EXPECT_EQ(int32At(bytes, 17), -9000000);
}

}  // namespace
}  // namespace kavinor::test
