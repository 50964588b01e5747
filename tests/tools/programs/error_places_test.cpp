#include <gtest/gtest.h>

#include <string>

#include "asc_text.h"
#include "ov2_bytes.h"
#include "test_files.h"
#include "tool_test.h"

namespace kavinor::test {
namespace {

using ErrorPlaces = ToolTest;

TEST_F(ErrorPlaces, BadTextNamesFileLineAndColumnAsWritten) {
    // Lines 1 to 5 hold a byte-order mark, comments, a blank line and records, ended by
    // CR LF, LF and CR, so every kind of line counts towards line 17.
    std::string text =
        "\xEF\xBB\xBF; Sammlung\r\n"
        "13.40495,52.52000,\"Berlin\"\r\n"
        "\r\n"
        "\t-0.12776 , 51.50735 , \"London\" , \"L\" , \"\"\n"
        "; Kommentar\r";
    text += sampleAsc(11);
    text += "12.3456,\"Name ohne Breite\"\r\n";
    text += sampleAsc(3);
    writeFile(work() / "komplett.txt", text);
    writeFile(work() / "unter" / "komplett.txt", text);

    for (const auto& [written, prefix] :
         {std::pair{"komplett.txt", "makeov2: komplett.txt:17:9: "},
          {"UNTER\\\\Komplett.TXT", "makeov2: UNTER\\\\Komplett.TXT:17:9: "}}) {
        SCOPED_TRACE(written);
        const ToolRun result = run(kMakeov2, {written, "ziel.ov2"});
        ASSERT_TRUE(failedWithOneLine(result, kMakeov2, 1));
        EXPECT_EQ(result.errors.rfind(prefix, 0), 0u) << result.errors;
        EXPECT_NE(result.errors.find("latitude"), std::string::npos) << result.errors;
    }
}

TEST_F(ErrorPlaces, CorruptBinaryNamesTheOffsetOfTheBadRecord) {
    // A bad record after a nested area: the offset counts every byte before it.
    const std::string berlin = simplePoi(1340495, 5252000, "Berlin");  // 20 bytes
    writeFile(work() / "kaputt.ov2", skipper(21 + 41, 0, 0, 0, 0) + skipper(21 + 20, 0, 0, 0, 0) +
                                         berlin + "\x09" + berlin.substr(1));
    const ToolRun result = run(kDumpov2, {"kaputt.ov2", "ziel.asc"});
    ASSERT_TRUE(failedWithOneLine(result, kDumpov2, 1));
    EXPECT_EQ(result.errors, "dumpov2: kaputt.ov2: offset 62: unknown record type 9\n");
}

}  // namespace
}  // namespace kavinor::test
