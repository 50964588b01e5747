#include "ov2_reader.h"

#include <gtest/gtest.h>

#include "format_error.h"
#include "ov2_bytes.h"
#include "poi_list.h"

namespace kavinor::ov2 {
namespace {

using test::area;
using test::deletedRecord;
using test::extendedPoi;
using test::int32le;
using test::Poi;
using test::readOv2;
using test::simplePoi;
using test::skipper;

// The message of the FormatError that reading `bytes` throws, or "" when it reads cleanly.
std::string errorOf(const std::string& bytes) {
    try {
        readOv2(bytes);
    } catch (const FormatError& e) {
        return e.what();
    }
    return "";
}

TEST(Ov2Reader, ReadsPoisInFileOrderPassingOverSkippersAndDeletedRecords) {
    const std::string bytes = area(simplePoi(1340495, 5252000, "Berlin") + deletedRecord(9) +
                                   area(extendedPoi(-12776, 5150735, "London", "id-7", "+44 20") +
                                        area(simplePoi(0, 0, ""))) +
                                   simplePoi(-18000000, -9000000, "S\xFC\x64pol")) +
                              simplePoi(18000000, 9000000, "Nordost");
    EXPECT_EQ(readOv2(bytes),
              (std::vector<Poi>{{1340495, 5252000, "Berlin", "", "", false},
                                {-12776, 5150735, "London", "id-7", "+44 20", true},
                                {0, 0, "", "", "", false},
                                {-18000000, -9000000, "S\xFC\x64pol", "", "", false},
                                {18000000, 9000000, "Nordost", "", "", false}}));
}

TEST(Ov2Reader, EmptyFilesAndEmptyAreasHoldNoPois) {
    EXPECT_TRUE(readOv2("").empty());
    EXPECT_TRUE(readOv2(area(area("")) + deletedRecord(5)).empty());
}

TEST(Ov2Reader, NamesAreBytesPassedThroughUnchanged) {
    const std::string name = "\xEF\xBB\xBF\x1A\"\xFF;,\t";
    EXPECT_EQ(readOv2(simplePoi(1, 2, name)).at(0).name, name);
}

// A source that hands out one byte at a time, so every record straddles a read boundary.
class TrickleSource final : public ByteSource {
public:
    explicit TrickleSource(std::string_view data) : data_(data) {}
    std::size_t read(char* buffer, std::size_t size) override {
        if (data_.empty() || size == 0) return 0;
        *buffer = data_.front();
        data_.remove_prefix(1);
        return 1;
    }

private:
    std::string_view data_;
};

TEST(Ov2Reader, RecordsLargerThanItsBufferAndSplitReadsComeThroughWhole) {
    const std::string longName(200'000, 'n');
    const std::string bytes = simplePoi(1, 2, "a") + area(simplePoi(3, 4, longName)) +
                              deletedRecord(150'000) + simplePoi(5, 6, "b");
    TrickleSource source(bytes);
    Ov2Reader reader(source, bytes.size(), "t.ov2");
    PoiView poi;
    std::vector<std::string> names;
    while (reader.next(poi)) names.emplace_back(poi.name);
    EXPECT_EQ(names, (std::vector<std::string>{"a", longName, "b"}));
}

TEST(Ov2Reader, RecordOffsetNamesWhereTheReturnedPoiBegins) {
    const std::string first = simplePoi(1, 2, "a");
    const std::string bytes = first + deletedRecord(7) + simplePoi(3, 4, "b");
    MemorySource source(bytes);
    Ov2Reader reader(source, bytes.size(), "t.ov2");
    PoiView poi;
    ASSERT_TRUE(reader.next(poi));
    EXPECT_EQ(reader.recordOffset(), 0u);
    ASSERT_TRUE(reader.next(poi));
    EXPECT_EQ(reader.recordOffset(), first.size() + 7);
}

TEST(Ov2Reader, CorruptRecordsAreErrorsNamingFileAndOffset) {
    const std::string good = simplePoi(1, 2, "ok");  // 16 bytes
    struct Case {
        std::string bytes;
        std::string message;
    } cases[] = {
        {good + "\x07", "test.ov2: offset 16: the file ends inside a record"},
        {good + std::string("\x07") + int32le(20) + std::string(15, 'x'),
         "test.ov2: offset 16: unknown record type 7"},
        {good + std::string(1, '\x02') + int32le(13) + std::string(8, '\0'),
         "test.ov2: offset 16: record length 13 is less than its minimum of 14"},
        {std::string(1, '\x03') + int32le(15) + std::string(10, '\0'),
         "test.ov2: offset 0: record length 15 is less than its minimum of 16"},
        {std::string(1, '\x00') + int32le(4),
         "test.ov2: offset 0: deleted record length 4 is less "
         "than its minimum of 5"},
        {skipper(20, 0, 0, 0, 0),
         "test.ov2: offset 0: area block length 20 is less than its "
         "minimum of 21"},
        {good.substr(0, 15), "test.ov2: offset 0: record length 16 runs past the end of its file"},
        {std::string(1, '\x02') + int32le(-5) + std::string(20, 'x'),
         "test.ov2: offset 0: record length -5 is less than its minimum of 14"},
        {skipper(21 + 10, 0, 0, 0, 0) + good,
         "test.ov2: offset 21: record length 16 runs past the end of its area block"},
        {skipper(21 + 3, 0, 0, 0, 0) + good,
         "test.ov2: offset 21: a record runs past the end of its area block"},
        {skipper(60, 0, 0, 0, 0) + good,
         "test.ov2: offset 0: area block length 60 runs past the "
         "end of its file"},
        {std::string(1, '\x02') + int32le(16) + int32le(1) + int32le(2) + "abc",
         "test.ov2: offset 0: the name has no terminating NUL"},
        {std::string(1, '\x02') + int32le(17) + int32le(1) + int32le(2) + std::string("a\0b\0", 4),
         "test.ov2: offset 0: 2 bytes follow the last string of the record"},
        {std::string(1, '\x03') + int32le(17) + int32le(1) + int32le(2) + std::string("a\0b\0", 4),
         "test.ov2: offset 0: an extended record holds fewer than three strings"},
        {simplePoi(18000001, 0, "x"),
         "test.ov2: offset 0: coordinates 18000001, 0 lie outside the world"},
        {good + simplePoi(0, -9000001, "x"),
         "test.ov2: offset 16: coordinates 0, -9000001 lie outside the world"},
    };
    for (const Case& c : cases) EXPECT_EQ(errorOf(c.bytes), c.message);
}

TEST(Ov2Reader, HugeLengthsInASmallFileAreErrorsNotAllocations) {
    for (std::int32_t length : {0x7FFFFFFF, 0x40000000, 1 << 20}) {
        for (char type : {'\x00', '\x01', '\x02', '\x03'}) {
            const std::string bytes = std::string(1, type) + int32le(length) + std::string(95, 'x');
            EXPECT_NE(errorOf(bytes).find("runs past the end of its file"), std::string::npos)
                << int(type) << " " << length;
        }
    }
}

TEST(Ov2Reader, ASourceShorterThanItsDeclaredSizeIsAnError) {
    const std::string bytes = simplePoi(1, 2, "abc");
    MemorySource source(std::string_view(bytes).substr(0, 10));
    Ov2Reader reader(source, bytes.size(), "t.ov2");
    PoiView poi;
    EXPECT_THROW(reader.next(poi), FormatError);
}

}  // namespace
}  // namespace kavinor::ov2
