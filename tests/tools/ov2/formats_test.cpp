#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>

#include "area_index.h"
#include "asc_reader.h"
#include "atomic_file.h"
#include "convert.h"
#include "format_error.h"
#include "ov2_bytes.h"
#include "poi_list.h"
#include "temp_dir.h"

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

std::string errorOf(const std::function<std::string()>& convert) {
    try {
        return "no error: " + convert();
    } catch (const FormatError& e) {
        return e.what();
    }
}

// Records larger than the reader's buffer, or across its edge, come through whole.
TEST(Formats, DumpWritesOneCrLfLinePerPoiInFileOrderWhateverTheLayout) {
    const std::string odd = "\xEF\xBB\xBF\x1A\t\xFF;,", longName(70'000, 'n');
    const std::string ov2 = area(simplePoi(-12776, 5150735, "London") + deletedRecord(9) +
                                 area(extendedPoi(1340495, 5252000, "Berlin", "b\"1", "") +
                                      area("") + area(simplePoi(-1, 5, "Gasthof \"Zur Post\""))) +
                                 extendedPoi(18000000, -9000000, "\"", "id\"\"", odd)) +
                            deletedRecord(150'000) + simplePoi(-18000000, 9000000, longName) +
                            simplePoi(0, 0, "") + deletedRecord(5);
    EXPECT_EQ(dump(ov2),
              "-0.12776,51.50735,\"London\"\r\n"
              "13.40495,52.52000,\"Berlin\",\"b\"\"1\",\"\"\r\n"
              "-0.00001,0.00005,\"Gasthof \"\"Zur Post\"\"\"\r\n"
              "180.00000,-90.00000,\"\"\"\",\"id\"\"\"\"\",\"" +
                  odd + "\"\r\n-180.00000,90.00000,\"" + longName +
                  "\"\r\n0.00000,0.00000,\"\"\r\n");
    EXPECT_EQ(dump(""), "");
}

TEST(Formats, CorruptRecordsAreErrorsNamingFileAndOffset) {
    const std::string good = simplePoi(1, 2, "ok");  // 16 bytes
    const std::string deleted = deletedRecord(7);
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
        {poiRecord('\x02', 1, 2, "abc"), "offset 0: the name has no terminating NUL"},
        {poiRecord('\x02', 1, 2, std::string("a\0b\0", 4)),
         "offset 0: 2 bytes follow the last string of the record"},
        {poiRecord('\x03', 1, 2, std::string("a\0b\0", 4)),
         "offset 0: an extended record holds fewer than three strings"},
        {simplePoi(18000001, 0, "x"), "offset 0: coordinates 18000001, 0 lie outside the world"},
        {good + simplePoi(0, -9000001, "x"),
         "offset 16: coordinates 0, -9000001 lie outside the world"},
        {good + deleted + simplePoi(2, 2, "a\nb"),
         "offset 23: a string holds a line break, which an .asc line cannot carry"},
        {good + deleted + extendedPoi(2, 2, "a", "b\r", "c"),
         "offset 23: a string holds a line break, which an .asc line cannot carry"},
    };
    for (const auto& [bytes, message] : cases) {
        EXPECT_EQ(errorOf([&] { return dump(bytes); }), "in.ov2: " + message);
    }
    // A length far beyond a small file is refused before anything is allocated for it.
    for (std::int32_t length : {0x7FFFFFFF, 0x40000000, 1 << 20}) {
        for (char type : {'\x00', '\x01', '\x02', '\x03'}) {
            const std::string bytes = std::string(1, type) + int32le(length) + std::string(95, 'x');
            EXPECT_NE(errorOf([&] { return dump(bytes); }).find("runs past the end of its file"),
                      std::string::npos)
                << int(type) << " " << length;
        }
    }
    MemorySource shortSource(std::string_view(good).substr(0, 10));
    Ov2Reader reader(shortSource, good.size(), "t.ov2");
    PoiView poi;
    EXPECT_THROW(reader.next(poi), FormatError);
}

// Text joined by copy a+b+c: a byte-order mark and a Ctrl-Z at each part's edge. Rounding goes
// by the digits, so values a double would not hold exactly come out exact.
TEST(Formats, AscReadsRecordsOfJoinedPartsRoundingHalfAwayFromZero) {
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

TEST(Formats, MalformedTextIsAnErrorAtItsLineAndColumn) {
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
    for (const auto& [text, message] : cases) {
        EXPECT_EQ(errorOf([&] { return make(text); }), "in.asc:" + message);
    }
    EXPECT_EQ(errorOf([] { return make("; nothing\r\n\x1A"); }), "no error: ");
}

// Quotes and line breaks at every place of a string, which is checked a word at a time, and
// strings longer than an output chunk, in both directions.
TEST(Formats, EveryQuoteAndLineBreakIsFoundAndLongStringsPassWhole) {
    for (std::size_t size = 1; size <= 18; ++size) {
        for (std::size_t at = 0; at < size; ++at) {
            std::string name(size, 'a');
            name[at] = '"';
            std::string escaped = name;
            escaped.insert(at, 1, '"');
            EXPECT_EQ(dump(simplePoi(0, 0, name)), "0.00000,0.00000,\"" + escaped + "\"\r\n");
            name[at] = '\n';
            EXPECT_EQ(errorOf([&] { return dump(simplePoi(0, 0, name)); }),
                      "in.ov2: offset 0: a string holds a line break, which an .asc line cannot "
                      "carry")
                << size << " " << at;
        }
    }
    const std::string longName(300'000, 'n'), quotes(150'000, '"');
    const std::string ov2 = simplePoi(1, 2, "a") + simplePoi(3, 4, longName) +
                            extendedPoi(5, 6, "b", quotes, "") + simplePoi(7, 8, "c");
    const std::string asc = dump(ov2);
    EXPECT_EQ(asc, "0.00001,0.00002,\"a\"\r\n0.00003,0.00004,\"" + longName +
                       "\"\r\n0.00005,0.00006,\"b\",\"" + std::string(300'000, '"') +
                       "\",\"\"\r\n0.00007,0.00008,\"c\"\r\n");
    EXPECT_EQ(dump(make(asc)), asc);
}

// A large text is read as two pieces side by side: its POIs and errors are those of one reading,
// lines counted from the start of the text, the first error in the text the one reported.
TEST(Formats, ALargeTextReadsAsOneWhereverItsErrorsLie) {
    std::string text;
    for (int i = 0; i < 60'000; ++i) {
        text += std::to_string(i % 170) + "." + std::to_string(i % 97) + ",1,\"Ort " +
                std::to_string(i) +
                (i % 3 == 0   ? "\"\r\n"
                 : i % 3 == 1 ? "\"\n"
                              : "\"\r");
    }
    ASSERT_GT(text.size(), std::size_t{1} << 20);
    std::vector<Poi> pois = readAsc(text);
    EXPECT_EQ(pois.size(), 60'000u);
    EXPECT_EQ(readOv2(make(text)).size(), 60'000u);
    const auto oneReading = [](std::string asc) {
        return errorOf([&] {
            AscReader reader(std::span<char>(asc.data(), asc.size()), "in.asc");
            for (PoiView poi; reader.next(poi);) {
            }
            return std::string();
        });
    };
    std::string bad = text;
    bad[text.find("\"Ort 59000\"")] = '?';
    EXPECT_EQ(errorOf([&] { return make(bad); }), oneReading(bad));
    EXPECT_NE(oneReading(bad).find("asc:59001:"), std::string::npos) << oneReading(bad);
    bad[text.find("Ort 1000\"")] = '\0';
    EXPECT_EQ(errorOf([&] { return make(bad); }), oneReading(bad));
    EXPECT_NE(oneReading(bad).find("asc:1001:"), std::string::npos) << oneReading(bad);
}

// The southern half of the grid takes latitudes 0 and 1 whatever order a partition leaves equal
// keys in; the line running east splits between longitudes 15 and 16.
TEST(Formats, AreasSplitAtTheMedianOfTheWiderSideBreakingTiesByInputOrder) {
    const auto indexed = [](const std::vector<std::pair<std::int32_t, std::int32_t>>& places) {
        std::string bodies;
        std::vector<IndexedPoi> pois;
        for (const auto& [lon, lat] : places) {
            pois.push_back({lon, lat, 2, static_cast<std::uint32_t>(bodies.size())});
            bodies += "\x02" + std::to_string(pois.size() % 10) + '\0';
        }
        StringSink sink;
        writeIndexedOv2(pois, bodies.data(), sink);
        return sink.bytes;
    };
    std::vector<std::pair<std::int32_t, std::int32_t>> grid, line;
    std::string south, north;
    for (int i = 0; i < 40; ++i) {
        grid.emplace_back(0, i % 4);
        (i % 4 < 2 ? south : north) += simplePoi(0, i % 4, std::to_string((i + 1) % 10));
    }
    const std::string southArea = skipper(21 + south.size(), 0, 1, 0, 0) + south;
    const std::string northArea = skipper(21 + north.size(), 0, 3, 0, 2) + north;
    EXPECT_EQ(indexed(grid), skipper(21 + southArea.size() + northArea.size(), 0, 3, 0, 0) +
                                 southArea + northArea);
    for (int i = 63; i >= 0; --i) line.emplace_back(i / 2 * 1000, 100);
    EXPECT_EQ(indexed(line).substr(21, 21), skipper(21 + 32 * 15, 15000, 100, 0, 100));
    EXPECT_EQ(indexed({}), "");
}

// Walks the area at `at` of an indexed file; each POI below an area must lie inside its bounds.
// Returns where the area ends and adds its POIs to `found`.
using Places = std::vector<std::pair<std::int32_t, std::int32_t>>;

std::size_t walkArea(const std::string& ov2, std::size_t at, Places& found) {
    const auto field = [&](std::size_t offset) {
        std::int32_t value;
        std::memcpy(&value, ov2.data() + offset, 4);
        return value;
    };
    const std::size_t end = at + static_cast<std::size_t>(field(at + 1));
    const std::int32_t east = field(at + 5), north = field(at + 9), west = field(at + 13),
                       south = field(at + 17);
    const std::size_t first = found.size();
    std::vector<std::size_t> halves;
    for (std::size_t next = at + 21; next < end;) {
        if (ov2[next] == '\x01') {
            halves.push_back(next);
            next = walkArea(ov2, next, found);
        } else {
            found.emplace_back(field(next + 5), field(next + 9));
            next += static_cast<std::size_t>(field(next + 1));
        }
    }
    for (std::size_t i = first; i < found.size(); ++i) {
        const auto [lon, lat] = found[i];
        EXPECT_TRUE(lon >= west && lon <= east && lat >= south && lat <= north)
            << "POI " << lon << "," << lat << " outside the area at " << at;
    }
    // A median split leaves no POI of the lower half beyond one of the upper half.
    if (halves.size() == 2) {
        const std::size_t low = halves[0], high = halves[1];
        EXPECT_TRUE(field(low + 5) <= field(high + 13) || field(low + 9) <= field(high + 17))
            << "the halves of the area at " << at << " overlap";
    }
    return end;
}

// Around each size where the writer changes its path (one area, a split, two threads, a cut by
// buckets first), over the
// whole globe with its edges: every area's bounds hold its POIs, every POI comes out once, and
// the bytes do not depend on the threads, nor on a file taking its halves where they belong.
TEST(Formats, EveryAreaHoldsItsPoisOnEveryPathOfTheWriter) {
    std::mt19937 random(4711);
    const std::int32_t edges[] = {-18000000, 18000000, -9000000, 9000000, 0};
    const TempDir dir;
    for (const std::size_t count : {1, 31, 32, 33, 63, 64, 65, 97, 1000, 4099, 20000}) {
        std::string bodies;
        std::vector<IndexedPoi> pois;
        Places places;
        for (std::size_t i = 0; i < count; ++i) {
            std::int32_t lon = std::uniform_int_distribution(-18000000, 18000000)(random);
            std::int32_t lat = std::uniform_int_distribution(-9000000, 9000000)(random);
            // Some on the antimeridian, the poles and the equator, some in one tight cluster.
            if (i % 7 == 0) lon = edges[i % 2];
            if (i % 11 == 0) lat = edges[2 + i % 3];
            if (i % 5 == 0) lon = 1000 + static_cast<std::int32_t>(i % 3);
            places.emplace_back(lon, lat);
            pois.push_back({lon, lat, 2, static_cast<std::uint32_t>(bodies.size())});
            // Appended piece by piece: a concatenation trips GCC 12's false -Wrestrict at -O3.
            bodies += '\x02';
            bodies += std::to_string(i);
            bodies += '\0';
        }
        std::vector<IndexedPoi> again = pois, onceMore = pois;
        StringSink threads, oneThread;
        writeIndexedOv2(pois, bodies.data(), threads);
        writeIndexedOv2(again, bodies.data(), oneThread, true);
        EXPECT_TRUE(threads.bytes == oneThread.bytes) << count << " POIs";
        // A file takes its halves at their offsets, from two threads.
        AtomicFile file(dir.path() / "index.ov2", "index.ov2");
        writeIndexedOv2(onceMore, bodies.data(), file);
        file.commit();
        std::ifstream stored(dir.path() / "index.ov2", std::ios::binary);
        EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(stored), {}) == threads.bytes)
            << count << " POIs";
        Places written;
        EXPECT_EQ(walkArea(threads.bytes, 0, written), threads.bytes.size());
        std::sort(places.begin(), places.end());
        std::sort(written.begin(), written.end());
        EXPECT_EQ(written, places) << count << " POIs";
    }
}

}  // namespace
}  // namespace kavinor::ov2
