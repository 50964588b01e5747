#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "asc_text.h"
#include "ov2_bytes.h"
#include "test_files.h"
#include "tool_test.h"

namespace kavinor::test {
namespace {

using ErrorPlaces = ToolTest;

// Whether `text` holds "offset N" with exactly that number.
bool namesOffset(const std::string& text, std::size_t offset) {
    const std::string wanted = "offset " + std::to_string(offset);
    const std::size_t at = text.find(wanted);
    return at != std::string::npos &&
           (at + wanted.size() == text.size() ||
            !std::isdigit(static_cast<unsigned char>(text[at + wanted.size()])));
}

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
    const std::string berlin = simplePoi(1340495, 5252000, "Berlin");  // 20 bytes
    std::string tooLong = simplePoi(-12776, 5150735, "London");
    tooLong.replace(1, 4, int32le(1000));
    std::string tooShort = simplePoi(-12776, 5150735, "London");
    tooShort.replace(1, 4, int32le(13));
    const std::string withoutNul = '\x02' + int32le(16) + int32le(0) + int32le(0) + "abc";
    const std::string twoStrings =
        '\x03' + int32le(16) + int32le(0) + int32le(0) + std::string("a\0\0", 3);
    struct Case {
        const char* what;
        std::string bytes;
        std::size_t offset;
    };
    const Case cases[] = {
        {"unknown type", berlin + "\x07" + berlin.substr(1), 20},
        {"length past the end of the file", berlin + tooLong, 20},
        {"length below the minimum", berlin + berlin + tooShort, 40},
        {"name without NUL", berlin + withoutNul, 20},
        {"extended record with two strings", berlin + berlin + twoStrings, 40},
        {"file ends in a record header", berlin + "\x02\x14", 20},
        {"deleted record shorter than its header", berlin + '\x00' + int32le(3) + berlin, 20},
        {"record past the end of its area block",
         skipper(21 + 10, 1340495, 5252000, 1340495, 5252000) + berlin, 21},
        {"area block past the end of the file",
         berlin + skipper(21 + 40, 1340495, 5252000, 1340495, 5252000) + berlin, 20},
        {"bad record after a nested block",
         skipper(21 + 41, 1340495, 5252000, 1340495, 5252000) +
             skipper(21 + 20, 1340495, 5252000, 1340495, 5252000) + berlin + "\x09" +
             berlin.substr(1),
         62},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(work() / "kaputt.ov2", c.bytes);
        const ToolRun result = run(kDumpov2, {"kaputt.ov2", "ziel.asc"});
        ASSERT_TRUE(failedWithOneLine(result, kDumpov2, 1));
        EXPECT_EQ(result.errors.rfind("dumpov2: kaputt.ov2: ", 0), 0u) << result.errors;
        EXPECT_TRUE(namesOffset(result.errors, c.offset)) << result.errors;
    }
}

}  // namespace
}  // namespace kavinor::test
