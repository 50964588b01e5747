// The check of the joined text: the Windows interpreter ends its join with one Ctrl-Z.
#include <gtest/gtest.h>

#include <string>

#include "run_checks.h"
#include "temp_dir.h"
#include "test_files.h"

namespace kavinor::test {
namespace {

struct JoinCase {
    std::string joined;
    std::uintmax_t expected;
    bool whole;
};

TEST(JoinedWhole, ExactLengthOrOneTrailingCtrlZ) {
    const JoinCase cases[] = {
        {"abc\r\ndef\r\n", 10, true},          {"abc\r\ndef\r\n\x1A", 10, true},
        {"abc\r\ndef\r\nx", 10, false},        {"abc\r\n\x1A", 10, false},
        {"abc\r\ndef\r\n\x1A\x1A", 10, false}, {"", 0, true},
    };
    TempDir temp;
    for (const JoinCase& c : cases) {
        writeFile(temp.path() / "komplett.txt", c.joined);
        EXPECT_EQ(conversion::JoinedWhole(temp.path() / "komplett.txt", c.expected), c.whole)
            << c.joined.size() << " for " << c.expected;
    }
    EXPECT_FALSE(conversion::JoinedWhole(temp.path() / "fehlt.txt", 0));
}

}  // namespace
}  // namespace kavinor::test
