#include <gtest/gtest.h>

#include <string>

#include "ov2_bytes.h"
#include "test_files.h"
#include "tool_test.h"

namespace kavinor::test {
namespace {

using Dumpov2Output = ToolTest;

TEST_F(Dumpov2Output, WritesEachPoiInFileOrderAsOneCrLfLineWithFiveDecimals) {
    const std::string inner =
        extendedPoi(5, -5, "Kiosk \"Eck\"", "K-1", "") + simplePoi(-18000000, -9000000, "Rand");
    const std::string records =
        simplePoi(1340495, 5252000, "Berlin") + deletedRecord(8) +
        simplePoi(-12776, 5150735, "London") +
        skipper(static_cast<std::int32_t>(21 + inner.size()), 5, -5, -18000000, -9000000) + inner +
        simplePoi(0, 0, "M\xFCnchen & Co; $x") + simplePoi(18000000, 9000000, "");
    writeFile(work() / "karte.ov2", skipper(static_cast<std::int32_t>(21 + records.size()),
                                            18000000, 9000000, -18000000, -9000000) +
                                        records);

    ASSERT_TRUE(succeeded(run(kDumpov2, {"karte.ov2", "karte.asc"})));
    EXPECT_EQ(readFile(work() / "karte.asc"),
              "13.40495,52.52000,\"Berlin\"\r\n"
              "-0.12776,51.50735,\"London\"\r\n"
              "0.00005,-0.00005,\"Kiosk \"\"Eck\"\"\",\"K-1\",\"\"\r\n"
              "-180.00000,-90.00000,\"Rand\"\r\n"
              "0.00000,0.00000,\"M\xFCnchen & Co; $x\"\r\n"
              "180.00000,90.00000,\"\"\r\n");
}

}  // namespace
}  // namespace kavinor::test
