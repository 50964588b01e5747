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

std::int32_t lonOf(const std::string& number) {
    return readAsc(number + ",0,\"x\"").at(0).lon;
}

TEST(AscReader, ReadsSimpleAndExtendedRecordsWithBlanksAroundTokens) {
    EXPECT_EQ(readAsc("13.40495,52.52,\"Berlin\"\r\n"
                      " \t-0.12776 ,\t51.50735 , \"London\" , \"id 1\" ,\"x,y\" \t\n"
                      "8,+47.0,\"\""),
              (std::vector<Poi>{{1340495, 5252000, "Berlin", "", "", false},
                                {-12776, 5150735, "London", "id 1", "x,y", true},
                                {800000, 4700000, "", "", "", false}}));
}

TEST(AscReader, CommentsBlankLinesAndAllLineEndsArePassedOver) {
    const auto pois = readAsc(
        "; Burgen\r\n\r\n  ;1,2,\"not a record\"\n\t\n1,1,\"a\"\r2,2,\"b\"\n\r3,3,\"c\"\r\n");
    ASSERT_EQ(pois.size(), 3u);
    EXPECT_EQ(pois[2].name, "c");
}

TEST(AscReader, CoordinatesRoundToFiveDecimalsHalfAwayFromZeroOnTheDigits) {
    EXPECT_EQ(lonOf("-0.12776"), -12776);
    EXPECT_EQ(lonOf("13.404954"), 1340495);
    EXPECT_EQ(lonOf("13.404955"), 1340496);
    EXPECT_EQ(lonOf("-13.404955"), -1340496);
    EXPECT_EQ(lonOf("0.000004999999999999999999"), 0);
    EXPECT_EQ(lonOf("0.000005"), 1);
    EXPECT_EQ(lonOf("-0.000005"), -1);
    EXPECT_EQ(lonOf("-0.0000049"), 0);
    EXPECT_EQ(lonOf("0.1"), 10000);
    EXPECT_EQ(lonOf("+7"), 700000);
    EXPECT_EQ(lonOf("007.5"), 750000);
    // Values a double would not hold exactly still come out exact.
    EXPECT_EQ(lonOf("179.999995"), 18000000);
    EXPECT_EQ(lonOf("0.1234550000000000000001"), 12346);
}

TEST(AscReader, CoordinatesMustLieInsideTheWorldExactly) {
    EXPECT_EQ(lonOf("180"), 18000000);
    EXPECT_EQ(lonOf("-180.000000"), -18000000);
    EXPECT_EQ(readAsc("0,-90,\"x\"").at(0).lat, -9000000);
    EXPECT_EQ(errorOf("180.000001,0,\"x\""),
              "test.asc:1:1: longitude 180.000001 lies outside -180 to 180");
    EXPECT_EQ(errorOf("0, -90.00001,\"x\""),
              "test.asc:1:4: latitude -90.00001 lies outside -90 to 90");
    EXPECT_EQ(errorOf("99999999999999999999999,0,\"x\""),
              "test.asc:1:1: longitude 99999999999999999999999 lies outside -180 to 180");
}

TEST(AscReader, MalformedNumbersAreErrorsAtTheirColumn) {
    struct Case {
        std::string text;
        std::string message;
    } cases[] = {
        {"1.5e3,2,\"x\"", "test.asc:1:4: exponents are not allowed in coordinates"},
        {"1,2E1,\"x\"", "test.asc:1:4: exponents are not allowed in coordinates"},
        {"-,2,\"x\"", "test.asc:1:1: expected a longitude"},
        {".5,2,\"x\"", "test.asc:1:1: expected a longitude"},
        {"5.,2,\"x\"", "test.asc:1:3: expected a digit after the decimal point"},
        {"1,,\"x\"", "test.asc:1:3: expected a latitude"},
        {"1 2,3,\"x\"", "test.asc:1:3: expected a comma after the longitude"},
        {"1,2 \"x\"", "test.asc:1:5: expected a comma after the latitude"},
        {"0x10,2,\"x\"", "test.asc:1:2: expected a comma after the longitude"},
        {"1,2", "test.asc:1:4: expected a comma after the latitude"},
    };
    for (const Case& c : cases) EXPECT_EQ(errorOf(c.text), c.message) << c.text;
}

TEST(AscReader, MalformedStringsAreErrorsNamingLineAndColumn) {
    struct Case {
        std::string text;
        std::string message;
    } cases[] = {
        {"1,2,x", "test.asc:1:5: expected a name in double quotes"},
        {"1,2,\"open", "test.asc:1:5: the string has no closing quote"},
        {"\n\n1,2,\"open\r\n3,4,\"b\"",
         "test.asc:3:5: the string has no closing quote on its line"},
        {"1,2,\"a\",\"id\"", "test.asc:1:13: expected a comma after the id"},
        {"1,2,\"a\",", "test.asc:1:9: expected an id in double quotes"},
        {"1,2,\"a\",\"b\",c", "test.asc:1:13: expected extra data in double quotes"},
        {std::string("1,2,\"a\0b\"", 9), "test.asc:1:7: a NUL byte in a string"},
        {std::string("1,2,\"a\"\n\0", 9), "test.asc:2:1: a NUL byte in the text"},
        {std::string("; note\0\n", 8), "test.asc:1:7: a NUL byte in a comment"},
        {"1,2,\"a\" x", "test.asc:1:9: expected a longitude"},
    };
    for (const Case& c : cases) EXPECT_EQ(errorOf(c.text), c.message) << c.text;
}

TEST(AscReader, DoubledQuotesStandForOneAndOtherBytesPassThrough) {
    const auto pois = readAsc(
        "1,2,\"\"\"Zur Post\"\" in M\xC3\xBCnchen\"\"\",\"\",\"\"\"\"\n"
        "3,4,\"\xFF\x1A\xEF\xBB\xBF;\t\"");
    EXPECT_EQ(pois[0].name, "\"Zur Post\" in M\xC3\xBCnchen\"");
    EXPECT_EQ(pois[0].id, "");
    EXPECT_EQ(pois[0].extra, "\"");
    EXPECT_EQ(pois[1].name, "\xFF\x1A\xEF\xBB\xBF;\t");
}

TEST(AscReader, JoinedPartsReadAsWellAsEachPart) {
    // What copy a+b+c makes of three parts: the second starts with a byte-order mark and
    // carries a Ctrl-Z at its end, the third follows a part without a final line break.
    const std::string joined =
        "\xEF\xBB\xBF; part one\r\n1,1,\"a\"\r\n"
        "\xEF\xBB\xBF"
        "2,2,\"b\"\r\n\x1A"
        "3,3,\"c\"\x1A\xEF\xBB\xBF"
        "4,4,\"d\"4.5,4.5,\"e\" ;tail\r\n\x1A";
    const auto pois = readAsc(joined);
    std::string names;
    for (const Poi& poi : pois) names += poi.name;
    EXPECT_EQ(names, "abcde");
}

TEST(AscReader, AByteOrderMarkOutsideTheStartOfALineIsAnError) {
    EXPECT_EQ(errorOf("1,\xEF\xBB\xBF"
                      "2,\"x\""),
              "test.asc:1:3: expected a latitude");
}

TEST(AscReader, ErrorLinesCountEveryKindOfLineEnd) {
    EXPECT_EQ(errorOf("1,1,\"a\"\r\n2,2,\"b\"\r3,3,\"c\"\n\n  ?"),
              "test.asc:5:3: expected a longitude");
}

}  // namespace
}  // namespace kavinor::ov2
