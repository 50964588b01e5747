#include "asc_reader.h"

#include <gtest/gtest.h>

#include "format_error.h"
#include "poi_list.h"

namespace kavinor::ov2 {
namespace {

using test::Poi;
using test::readAsc;

std::string errorOf(const std::string& text) {
    try {
        readAsc(text);
    } catch (const FormatError& e) {
        return e.what();
    }
    return "";
}

// Text joined by copy a+b+c: byte-order marks at line starts, a Ctrl-Z after each part, a part
// without a final line break; comments, blank lines, every kind of line end and blanks around
// tokens; doubled quotes for one and every other byte as it is.
TEST(AscReader, ReadsRecordsOfJoinedParts) {
    const std::string text =
        "\xEF\xBB\xBF; Burgen\r\n13.40495,52.52,\"Berlin\"\r\n\r\n  ;1,2,\"kein Punkt\"\n\t\n"
        " \t-0.12776 ,\t51.50735 , \"London\" , \"id 1\" ,\"x,y\" \t\r\xEF\xBB\xBF"
        "8,+47.0,\"\"\n\r\x1A"
        "1,2,\"\"\"Zur Post\"\" in M\xC3\xBCnchen\"\"\",\"\",\"\"\"\"\x1A\xEF\xBB\xBF"
        "3,4,\"\xFF\x1A\xEF\xBB\xBF;\t\"4.5,4.5,\"e\" ;tail\r\n\x1A";
    EXPECT_EQ(
        readAsc(text),
        (std::vector<Poi>{{1340495, 5252000, "Berlin", "", "", false},
                          {-12776, 5150735, "London", "id 1", "x,y", true},
                          {800000, 4700000, "", "", "", false},
                          {100000, 200000, "\"Zur Post\" in M\xC3\xBCnchen\"", "", "\"", true},
                          {300000, 400000, "\xFF\x1A\xEF\xBB\xBF;\t", "", "", false},
                          {450000, 450000, "e", "", "", false}}));
}

// Rounding goes by the digits, so values a double would not hold exactly come out exact.
TEST(AscReader, CoordinatesRoundToFiveDecimalsHalfAwayFromZeroWithinTheWorld) {
    const std::pair<std::string, std::int32_t> cases[] = {
        {"-0.12776", -12776},      {"13.404954", 1340495},   {"13.404955", 1340496},
        {"-13.404955", -1340496},  {"0.000005", 1},          {"-0.000005", -1},
        {"-0.0000049", 0},         {"0.1", 10000},           {"+7", 700000},
        {"007.5", 750000},         {"179.999995", 18000000}, {"180", 18000000},
        {"-180.000000", -18000000}};
    for (const auto& [number, units] : cases) {
        EXPECT_EQ(readAsc(number + ",-90,\"x\"").at(0), (Poi{units, -9000000, "x", "", "", false}))
            << number;
    }
    EXPECT_EQ(readAsc("0.000004999999999999999999,0.1234550000000000000001,\"\"").at(0),
              (Poi{0, 12346, "", "", "", false}));
}

TEST(AscReader, MalformedTextIsAnErrorAtItsLineAndColumn) {
    const std::pair<std::string, std::string> cases[] = {
        {"180.000001,0,\"x\"", "1:1: longitude 180.000001 lies outside -180 to 180"},
        {"0, -90.00001,\"x\"", "1:4: latitude -90.00001 lies outside -90 to 90"},
        {"99999999999999999999999,0,\"x\"",
         "1:1: longitude 99999999999999999999999 lies outside -180 to 180"},
        {"1.5e3,2,\"x\"", "1:4: exponents are not allowed in coordinates"},
        {"1,2E1,\"x\"", "1:4: exponents are not allowed in coordinates"},
        {"-,2,\"x\"", "1:1: expected a longitude"},
        {".5,2,\"x\"", "1:1: expected a longitude"},
        {"5.,2,\"x\"", "1:3: expected a digit after the decimal point"},
        {"1,,\"x\"", "1:3: expected a latitude"},
        {"1 2,3,\"x\"", "1:3: expected a comma after the longitude"},
        {"1,2 \"x\"", "1:5: expected a comma after the latitude"},
        {"0x10,2,\"x\"", "1:2: expected a comma after the longitude"},
        {"1,2", "1:4: expected a comma after the latitude"},
        {"1,\xEF\xBB\xBF"
         "2,\"x\"",
         "1:3: expected a latitude"},
        {"1,2,x", "1:5: expected a name in double quotes"},
        {"1,2,\"open", "1:5: the string has no closing quote"},
        {"\n\n1,2,\"open\r\n3,4,\"b\"", "3:5: the string has no closing quote on its line"},
        {"1,2,\"a\",\"id\"", "1:13: expected a comma after the id"},
        {"1,2,\"a\",", "1:9: expected an id in double quotes"},
        {"1,2,\"a\",\"b\",c", "1:13: expected extra data in double quotes"},
        {std::string("1,2,\"a\0b\"", 9), "1:7: a NUL byte in a string"},
        {std::string("1,2,\"a\"\n\0", 9), "2:1: a NUL byte in the text"},
        {std::string("; note\0\n", 8), "1:7: a NUL byte in a comment"},
        {"1,2,\"a\" x", "1:9: expected a longitude"},
        {"1,1,\"a\"\r\n2,2,\"b\"\r3,3,\"c\"\n\n  ?", "5:3: expected a longitude"},
    };
    for (const auto& [text, message] : cases) EXPECT_EQ(errorOf(text), "test.asc:" + message);
}

}  // namespace
}  // namespace kavinor::ov2
