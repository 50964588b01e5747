#include "ov2_reader.h"

#include <gtest/gtest.h>

#include "format_error.h"
#include "ov2_bytes.h"
#include "poi_list.h"

namespace kavinor::ov2 {
namespace {

using namespace test;

std::string errorOf(const std::string& bytes) {
    try {
        readOv2(bytes);
    } catch (const FormatError& e) {
        return e.what();
    }
    return "";
}

// Nested and empty areas and deleted records are passed over, names are bytes, and records
// larger than the reader's buffer, or across its edge, come through whole.
TEST(Ov2Reader, ReadsPoisInFileOrderWhateverTheLayout) {
    const std::string odd = "\xEF\xBB\xBF\x1A\"\xFF;,\t", longName(70'000, 'n');
    const std::string bytes = area(simplePoi(1340495, 5252000, "Berlin") + deletedRecord(9) +
                                   area(extendedPoi(-12776, 5150735, "London", "id-7", "+44 20") +
                                        area("") + area(simplePoi(0, 0, ""))) +
                                   simplePoi(-18000000, -9000000, odd)) +
                              deletedRecord(150'000) + simplePoi(18000000, 9000000, longName) +
                              deletedRecord(5);
    EXPECT_EQ(readOv2(bytes), (std::vector<Poi>{{1340495, 5252000, "Berlin", "", "", false},
                                                {-12776, 5150735, "London", "id-7", "+44 20", true},
                                                {0, 0, "", "", "", false},
                                                {-18000000, -9000000, odd, "", "", false},
                                                {18000000, 9000000, longName, "", "", false}}));
    EXPECT_EQ(readOv2(""), std::vector<Poi>{});
}

TEST(Ov2Reader, CorruptRecordsAreErrorsNamingFileAndOffset) {
    const std::string good = simplePoi(1, 2, "ok");  // 16 bytes
    const std::pair<std::string, std::string> cases[] = {
        {good + "\x07", "offset 16: the file ends inside a record"},
        {good + "\x07" + int32le(20) + std::string(15, 'x'), "offset 16: unknown record type 7"},
        {good + "\x02" + int32le(13) + std::string(8, '\0'),
         "offset 16: record length 13 is less than its minimum of 14"},
        {"\x03" + int32le(15) + std::string(10, '\0'),
         "offset 0: record length 15 is less than its minimum of 16"},
        {std::string(1, '\0') + int32le(4),
         "offset 0: deleted record length 4 is less than its minimum of 5"},
        {skipper(20, 0, 0, 0, 0), "offset 0: area block length 20 is less than its minimum of 21"},
        {good.substr(0, 15), "offset 0: record length 16 runs past the end of its file"},
        {"\x02" + int32le(-5) + std::string(20, 'x'),
         "offset 0: record length -5 is less than its minimum of 14"},
        {skipper(21 + 10, 0, 0, 0, 0) + good,
         "offset 21: record length 16 runs past the end of its area block"},
        {skipper(21 + 3, 0, 0, 0, 0) + good,
         "offset 21: a record runs past the end of its area block"},
        {skipper(60, 0, 0, 0, 0) + good,
         "offset 0: area block length 60 runs past the end of its file"},
        {"\x02" + int32le(16) + int32le(1) + int32le(2) + "abc",
         "offset 0: the name has no terminating NUL"},
        {"\x02" + int32le(17) + int32le(1) + int32le(2) + std::string("a\0b\0", 4),
         "offset 0: 2 bytes follow the last string of the record"},
        {"\x03" + int32le(17) + int32le(1) + int32le(2) + std::string("a\0b\0", 4),
         "offset 0: an extended record holds fewer than three strings"},
        {simplePoi(18000001, 0, "x"), "offset 0: coordinates 18000001, 0 lie outside the world"},
        {good + simplePoi(0, -9000001, "x"),
         "offset 16: coordinates 0, -9000001 lie outside the world"},
    };
    for (const auto& [bytes, message] : cases) EXPECT_EQ(errorOf(bytes), "test.ov2: " + message);
    // A length far beyond a small file is refused before anything is allocated for it.
    for (std::int32_t length : {0x7FFFFFFF, 0x40000000, 1 << 20}) {
        for (char type : {'\x00', '\x01', '\x02', '\x03'}) {
            const std::string bytes = std::string(1, type) + int32le(length) + std::string(95, 'x');
            EXPECT_NE(errorOf(bytes).find("runs past the end of its file"), std::string::npos)
                << int(type) << " " << length;
        }
    }
    MemorySource shortSource(std::string_view(good).substr(0, 10));
    Ov2Reader reader(shortSource, good.size(), "t.ov2");
    PoiView poi;
    EXPECT_THROW(reader.next(poi), FormatError);
}

}  // namespace
}  // namespace kavinor::ov2
