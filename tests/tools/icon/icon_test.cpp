#include <gtest/gtest.h>

#include <tuple>

#include "bmp_writer.h"
#include "ico_writer.h"
#include "icon_source.h"
#include "ov2_bytes.h"
#include "run_tool.h"
#include "temp_dir.h"
#include "test_files.h"

namespace kavinor::icon {
namespace {

using test::int32le;
using namespace std::string_literals;

std::string encode(const IndexedImage& image) {
    StringSink sink;
    writeBmp(image, sink);
    return sink.bytes;
}

// An odd width: each row ends in a lone high nibble and is padded to 4 bytes.
TEST(BmpWriter, FourBitBottomUpBitmapByteForByte) {
    IndexedImage image{3, 2, {}, {0x1, 0x2, 0x3, 0xA, 0xB, 0xC}};
    std::string palette;
    for (int i = 0; i < 16; ++i) {
        image.palette[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(0x10 + i),
                            static_cast<std::uint8_t>(0x20 + i)};
        palette +=
            {static_cast<char>(0x20 + i), static_cast<char>(0x10 + i), static_cast<char>(i), '\0'};
    }
    const std::string planes = int32le(1 | 4 << 16);
    EXPECT_EQ(encode(image), "BM" + int32le(126) + int32le(0) + int32le(118) + int32le(40) +
                                 int32le(3) + int32le(2) + planes + int32le(0) + int32le(8) +
                                 int32le(3780) + int32le(3780) + int32le(16) + int32le(0) +
                                 palette + std::string("\xAB\xC0\0\0\x12\x30\0\0", 8));
    image.pixels[4] = 16;
    EXPECT_THROW(encode(image), std::invalid_argument);
    image.pixels.pop_back();
    EXPECT_THROW(encode(image), std::invalid_argument);
}

// Line 1 size, 3 palette, 4-19 its entries (F first), 20 pixels, rows from line 21.
std::string source(const std::string& rows, const std::string& size = "size 3 2") {
    std::string text = size + "   ; a comment\r\n\r\npalette\r\n";
    for (const char digit : std::string("F0123456789aBcDE")) {
        text += digit + std::string(" #a0b1C") + digit + "\r\n";
    }
    return text + "pixels\r\n" + rows;
}

std::string errorOf(const std::string& text) {
    try {
        parseIconSource(text, "icon.txt");
    } catch (const IconSourceError& e) {
        return e.what();
    }
    return "no error";
}

TEST(IconSource, ReadsSizePaletteAndRowsAndNamesWhereItFails) {
    const IndexedImage image = parseIconSource("; Kopf\r\n" + source("  1F0\r\n\tAbc\r\n"), "i");
    EXPECT_EQ(
        std::tie(image.width, image.height, image.palette[1], image.palette[15], image.pixels),
        std::make_tuple(3, 2, Rgb{0xA0, 0xB1, 0xC1}, Rgb{0xA0, 0xB1, 0xCF},
                        std::vector<std::uint8_t>{1, 15, 0, 10, 11, 12}));

    std::string missing = source("123\n123\n");
    missing.erase(missing.find("7 #"), 11);
    std::string twice = source("123\n123\n");
    twice.insert(twice.find("pixels"), "a #000000\n");
    const std::string badPalette =
        "icon.txt:6: expected a palette entry 'DIGIT #RRGGBB' or 'pixels'";
    const std::string badSize = "icon.txt:1: width and height must be whole numbers from 1 to 1024";
    std::vector<std::pair<std::string, std::string>> cases = {
        {source("123\n12\n"), "icon.txt:22: row has 2 pixels, expected 3"},
        {source("1234\n"), "icon.txt:21: row has 4 pixels, expected 3"},
        {source("123\n1G3\n"), "icon.txt:22:2: 'G' is not a hex digit"},
        {source("  12g\n"), "icon.txt:21:5: 'g' is not a hex digit"},
        {source("12 3\n"), "icon.txt:21: a pixel row is one run of hex digits"},
        {source("123\n123\n123\n"), "icon.txt:23: more than 2 pixel rows"},
        {source("123\n\n"), "icon.txt:22: expected 2 pixel rows, found 1"},
        {missing, "icon.txt:19: palette entry 7 is missing; all 16 are needed"},
        {twice, "icon.txt:20: palette entry a is given twice"},
        {"", "icon.txt:1: the file ends before its pixels section"},
        {"palette\n", "icon.txt:1: expected 'size WIDTH HEIGHT'"},
        {"size 3 2\npixels\n", "icon.txt:2: expected 'palette'"},
        {source(std::string(1024, 'F') + "\n", "size 1024 1"), "no error"},
    };
    for (const std::string bad :
         {"G #102030", "10 #102030", "1 102030", "1 #10203", "1 #1020ZZ", "1 #102030 #405060"}) {
        std::string text = source("123\n123\n");
        cases.emplace_back(text.replace(text.find("1 #a0b1C1"), 9, bad), badPalette);
    }
    for (const std::string size : {"size 0 2", "size 3 1025", "size 3 2x", "size -3 2"}) {
        cases.emplace_back(source("123\n123\n", size), badSize);
    }
    for (const auto& [text, message] : cases) EXPECT_EQ(errorOf(text), message) << text;
}

TEST(MakeIcon, DrawsTheBuiltIconAndRefusesBadInput) {
    const std::string built = test::readFile(KAVINOR_ICON_BMP);
    EXPECT_EQ(built, encode(parseIconSource(test::readFile(KAVINOR_ICON_SOURCE), "icon.txt")));
    EXPECT_EQ(built.size(), 118u + 32 * 16);

    test::TempDir dir;
    test::writeFile(dir.path() / "icon.txt", "size 2 1\npalette\n");
    test::writeFile(dir.path() / "icon.bmp", "old");
    const auto run = [&](const std::vector<std::string>& args) {
        return test::runTool(KAVINOR_MAKE_ICON, args, dir.path(), dir.path() / "stderr");
    };
    const test::ToolRun bad = run({"icon.txt", "icon.bmp"}), usage = run({"only-one.txt"});
    EXPECT_EQ(
        std::tie(bad.exitCode, bad.errors, usage.exitCode, usage.errors),
        std::make_tuple(1, "make_icon: icon.txt:2: the file ends before its pixels section\n"s, 2,
                        "make_icon: usage: make_icon SOURCE.txt OUTPUT.bmp | SOURCE.txt... "
                        "OUTPUT.ico\n"s));
    EXPECT_EQ(
        test::contents(dir.path()),
        (std::map<std::string, std::string>{
            {"icon.bmp", "old"}, {"icon.txt", "size 2 1\npalette\n"}, {"stderr", usage.errors}}));
}

// Each image: the icon's info header (the height counts the mask too), then the bitmap's palette
// and rows, then a mask that is all clear.
TEST(MakeIcon, DrawsTheIconFileOfBothBitmaps) {
    std::string directory = "\0\0\1\0\2\0"s, images;
    for (const auto& [bmp, side] : {std::pair(test::readFile(KAVINOR_ICON_BMP), 32),
                                    std::pair(test::readFile(KAVINOR_ICON16_BMP), 16)}) {
        const std::string image = int32le(40) + int32le(side) + int32le(2 * side) +
                                  int32le(1 | 4 << 16) + int32le(0) +
                                  int32le(side * side / 2 + side * 4) + std::string(16, '\0') +
                                  bmp.substr(54) + std::string(side * 4, '\0');
        directory += std::string{static_cast<char>(side), static_cast<char>(side), 16, 0} +
                     int32le(1 | 4 << 16) + int32le(static_cast<int>(image.size())) +
                     int32le(static_cast<int>(38 + images.size()));
        images += image;
    }
    EXPECT_EQ(test::readFile(KAVINOR_ICON_FILE), directory + images);
    // The same file drawn here, by the program the build draws it with.
    test::TempDir dir;
    const std::string source = KAVINOR_ICON_SOURCE;
    const test::ToolRun drawn = test::runTool(
        KAVINOR_MAKE_ICON,
        {source, source.substr(0, source.size() - 4) + "16.txt", (dir.path() / "k.ico").string()},
        dir.path(), dir.path() / "stderr");
    EXPECT_EQ(drawn.exitCode, 0) << drawn.errors;
    EXPECT_EQ(test::readFile(dir.path() / "k.ico"), directory + images);

    StringSink sink;
    EXPECT_THROW(writeIco({{257, 1, {}, std::vector<std::uint8_t>(257)}}, sink),
                 std::invalid_argument);
}

}  // namespace
}  // namespace kavinor::icon
