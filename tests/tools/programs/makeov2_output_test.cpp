#include <gtest/gtest.h>

#include <string>

#include "asc_text.h"
#include "ov2_bytes.h"
#include "same_bytes.h"
#include "test_files.h"
#include "tool_test.h"

namespace kavinor::test {
namespace {

using Makeov2Output = ToolTest;

// Four POIs on the edges of the world, so the whole file's rectangle is known.
const std::string kWorldCorners =
    "180.00000,0.00000,\"Ost\"\r\n"
    "0.00000,90.00000,\"Nord\"\r\n"
    "-180.00000,0.00000,\"West\"\r\n"
    "0.00000,-90.00000,\"Sued\"\r\n";

TEST_F(Makeov2Output, SameInputGivesSameBytes) {
    writeFile(work() / "karte.asc", sampleAsc(2000));
    writeFile(work() / "kopie.asc", sampleAsc(2000));
    ASSERT_TRUE(succeeded(run(kMakeov2, {"karte.asc", "eins.ov2"})));
    ASSERT_TRUE(succeeded(run(kMakeov2, {"karte.asc", "zwei.ov2"})));
    ASSERT_TRUE(succeeded(run(kMakeov2, {"kopie.asc", "drei.ov2"})));

    const std::string first = readFile(work() / "eins.ov2");
    EXPECT_FALSE(first.empty());
    EXPECT_TRUE(sameBytes(readFile(work() / "zwei.ov2"), first));
    EXPECT_TRUE(sameBytes(readFile(work() / "drei.ov2"), first));
}

TEST_F(Makeov2Output, BeginsWithOneSkipperOverTheWholeFile) {
    struct Case {
        const char* what;
        std::string text;
        std::int32_t east, north, west, south;
    };
    const Case cases[] = {
        {"one POI", "13.40495,52.52000,\"Berlin\"\r\n", 1340495, 5252000, 1340495, 5252000},
        {"one area full", sampleAsc(28) + kWorldCorners, 18000000, 9000000, -18000000, -9000000},
        {"two areas", sampleAsc(29) + kWorldCorners, 18000000, 9000000, -18000000, -9000000},
        {"many areas", sampleAsc(996) + kWorldCorners, 18000000, 9000000, -18000000, -9000000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(work() / "karte.asc", c.text);
        ASSERT_TRUE(succeeded(run(kMakeov2, {"karte.asc", "karte.ov2"})));
        const std::string bytes = readFile(work() / "karte.ov2");
        ASSERT_GE(bytes.size(), 21u);
        EXPECT_EQ(bytes[0], '\x01');
        EXPECT_EQ(static_cast<std::size_t>(int32At(bytes, 1)), bytes.size());
        EXPECT_EQ(int32At(bytes, 5), c.east);
        EXPECT_EQ(int32At(bytes, 9), c.north);
        EXPECT_EQ(int32At(bytes, 13), c.west);
        EXPECT_EQ(int32At(bytes, 17), c.south);
    }
}

}  // namespace
}  // namespace kavinor::test
