#include "convert.h"

#include <gtest/gtest.h>

#include "format_error.h"
#include "ov2_bytes.h"
#include "poi_list.h"

namespace kavinor::ov2 {
namespace {

using namespace test;

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

// Coordinates with exactly five decimals and their sign also below one degree, strings quoted
// with inner quotes doubled.
TEST(Convert, DumpWritesOneCrLfLinePerPoiInFileOrder) {
    const std::string ov2 = area(simplePoi(-12776, 5150735, "London") + deletedRecord(6)) +
                            extendedPoi(1340495, 5252000, "Berlin", "b\"1", "") +
                            simplePoi(-1, 5, "Gasthof \"Zur Post\"") +
                            extendedPoi(18000000, -9000000, "\"", "id\"\"", "a\x1A\t\xFF") +
                            simplePoi(0, 0, "");
    EXPECT_EQ(dump(ov2),
              "-0.12776,51.50735,\"London\"\r\n"
              "13.40495,52.52000,\"Berlin\",\"b\"\"1\",\"\"\r\n"
              "-0.00001,0.00005,\"Gasthof \"\"Zur Post\"\"\"\r\n"
              "180.00000,-90.00000,\"\"\"\",\"id\"\"\"\"\",\"a\x1A\t\xFF\"\r\n"
              "0.00000,0.00000,\"\"\r\n");
}

// Text of joined parts, escapes, umlauts in Windows-1252 and UTF-8, extended records, more
// records than one area holds and more text than one write. Files laid out differently from
// ours go round in the fuzz targets' seeds.
TEST(Convert, TextRoundTripKeepsEveryRecordExactly) {
    std::string asc = "\xEF\xBB\xBF; Seen\r\n-0.12776,51.50735,\"London\"\r\n";
    for (int i = 0; i < 3000; ++i) {
        asc += std::to_string(i % 17) + "." + std::to_string(10000 + i % 1000) + "," +
               std::to_string(47 + i % 7) + ".5,\"S\xE4\x65 \"\"" + std::to_string(i) + "\"\"\"";
        asc += i % 10 == 0 ? ",\"id" + std::to_string(i) + "\",\"M\xC3\xBChle\"\n" : "\r\n";
    }
    const std::string text = dump(make(asc + "\x1A"));
    EXPECT_EQ(sorted(readAsc(text)), sorted(readAsc(asc)));
    // Dumping and making again changes nothing: the index depends only on the POIs' order.
    EXPECT_EQ(dump(make(text)), text);
}

// A line break in a string is named at the offset of its record, past a deleted one.
TEST(Convert, WhatCannotBeConvertedIsAnErrorSayingWhere) {
    const auto errorOf = [](const std::function<std::string()>& convert) -> std::string {
        try {
            return "no error: " + convert();
        } catch (const FormatError& e) {
            return e.what();
        }
    };
    const std::string before = simplePoi(1, 1, "ok") + deletedRecord(7);
    for (const std::string& bad : {simplePoi(2, 2, "a\nb"), extendedPoi(2, 2, "a", "b\r", "c")}) {
        EXPECT_EQ(errorOf([&] { return dump(before + bad); }),
                  "in.ov2: offset 23: a string holds a line break, which an .asc line cannot "
                  "carry");
    }
    EXPECT_EQ(errorOf([] { return make("1,2,\"a\"\r\n3,x,\"b\"\r\n"); }),
              "in.asc:2:3: expected a latitude");
    EXPECT_EQ(errorOf([] { return make("; nothing\r\n\x1A"); }), "no error: ");
}

}  // namespace
}  // namespace kavinor::ov2
