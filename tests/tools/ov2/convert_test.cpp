#include "convert.h"

#include <gtest/gtest.h>

#include "format_error.h"
#include "ov2_bytes.h"
#include "poi_list.h"

namespace kavinor::ov2 {
namespace {

using test::Poi;

std::string dump(const std::string& ov2) {
    MemorySource source(ov2);
    Ov2Reader reader(source, ov2.size(), "in.ov2");
    StringSink sink;
    dumpToAsc(reader, sink);
    return sink.bytes;
}

std::string make(std::string asc) {
    StringSink sink;
    makeFromAsc(std::span<char>(asc.data(), asc.size()), "in.asc", sink);
    return sink.bytes;
}

// One CR LF line per POI in file order: coordinates with exactly five decimals and their sign
// also below one degree, strings quoted with inner quotes doubled.
TEST(Convert, DumpWritesOneCrLfLinePerPoiInFileOrder) {
    const std::string ov2 =
        test::area(test::simplePoi(-12776, 5150735, "London") + test::deletedRecord(6)) +
        test::extendedPoi(1340495, 5252000, "Berlin", "b\"1", "") +
        test::simplePoi(-1, 5, "Gasthof \"Zur Post\"") +
        test::extendedPoi(18000000, -9000000, "\"", "id\"\"", "a\x1A\t\xFF") +
        test::simplePoi(0, 0, "");
    EXPECT_EQ(dump(ov2),
              "-0.12776,51.50735,\"London\"\r\n"
              "13.40495,52.52000,\"Berlin\",\"b\"\"1\",\"\"\r\n"
              "-0.00001,0.00005,\"Gasthof \"\"Zur Post\"\"\"\r\n"
              "180.00000,-90.00000,\"\"\"\",\"id\"\"\"\"\",\"a\x1A\t\xFF\"\r\n"
              "0.00000,0.00000,\"\"\r\n");
}

TEST(Convert, TextRoundTripKeepsEveryRecordExactly) {
    // Joined parts, escapes, umlauts in Windows-1252 and UTF-8, extended records and more
    // records than one area holds.
    std::string asc = "\xEF\xBB\xBF; Seen\r\n-0.12776,51.50735,\"London\"\r\n";
    for (int i = 0; i < 300; ++i) {
        asc += std::to_string(i % 17) + "." + std::to_string(10000 + i) + "," +
               std::to_string(47 + i % 7) + ".5,\"S\xE4\x65 \"\"" + std::to_string(i) + "\"\"\"";
        asc += i % 10 == 0 ? ",\"id" + std::to_string(i) + "\",\"M\xC3\xBChle\"\n" : "\r\n";
    }
    asc += "\x1A";
    const std::string ov2 = make(asc);
    const std::string text = dump(ov2);
    EXPECT_EQ(test::sorted(test::readAsc(text)), test::sorted(test::readAsc(asc)));
    // Dumping and making again changes nothing: the index depends only on the POIs' order.
    EXPECT_EQ(dump(make(text)), text);
}

TEST(Convert, BinaryRoundTripKeepsEveryPoiOfAForeignLayout) {
    // A file laid out differently from ours: deleted records, nested areas with loose
    // rectangles, POIs outside any area.
    const std::string ov2 =
        test::simplePoi(1, 1, "erst") +
        test::area(test::deletedRecord(20) +
                   test::area(test::extendedPoi(-18000000, 9000000, "x", "", "\xFF")) +
                   test::simplePoi(18000000, -9000000, "\"quoted\"")) +
        test::simplePoi(0, 0, "");
    EXPECT_EQ(test::sorted(test::readOv2(make(dump(ov2)))), test::sorted(test::readOv2(ov2)));
}

TEST(Convert, AStringWithALineBreakCannotBeDumpedAndSaysWhere) {
    for (const std::string& bad :
         {test::simplePoi(2, 2, "a\nb"), test::extendedPoi(2, 2, "a", "b\r", "c")}) {
        try {
            dump(test::simplePoi(1, 1, "ok") + bad);
            ADD_FAILURE() << "no error";
        } catch (const FormatError& e) {
            EXPECT_STREQ(e.what(),
                         "in.ov2: offset 16: a string holds a line break, which an .asc line "
                         "cannot carry");
        }
    }
}

TEST(Convert, EmptyTextMakesAnEmptyFile) {
    EXPECT_EQ(make(""), "");
    EXPECT_EQ(make("; nothing\r\n\x1A"), "");
}

TEST(Convert, BadTextIsAnErrorWithFileLineAndColumn) {
    try {
        make("1,2,\"a\"\r\n3,x,\"b\"\r\n");
        FAIL() << "no error";
    } catch (const FormatError& e) {
        EXPECT_STREQ(e.what(), "in.asc:2:3: expected a latitude");
    }
}

}  // namespace
}  // namespace kavinor::ov2
