#include "icon_source.h"

#include <gtest/gtest.h>

#include <string>

namespace kavinor::icon {
namespace {

std::string palette() {
    std::string text = "palette\n";
    for (const char digit : std::string("0123456789ABCDEF"))
        text += digit + std::string(" #102030\n");
    return text;
}

// Line 1 size, 2-18 palette, 19 "pixels", rows from line 20 on.
std::string source(const std::string& rows, const std::string& size = "size 3 2\n") {
    return size + palette() + "pixels\n" + rows;
}

std::string errorOf(const std::string& text) {
    try {
        parseIconSource(text, "icon.txt");
    } catch (const IconSourceError& e) {
        return e.what();
    }
    return "no error";
}

TEST(IconSource, ReadsSizePaletteAndRowsTopFirst) {
    const std::string text =
        "; a comment line\r\n"
        "size 3 2   ; trailing comment\r\n"
        "\r\n"
        "palette\r\n"
        "F #FFFFFF\r\n"
        "0 #000000\r\n"
        "1 #a0b1C2\r\n" +
        std::string(
            "2 #000000\r\n3 #000000\r\n4 #000000\r\n5 #000000\r\n6 #000000\r\n"
            "7 #000000\r\n8 #000000\r\n9 #000000\r\na #000000\r\nB #000000\r\n"
            "C #000000\r\nD #000000\r\nE #000000\r\n") +
        "pixels\r\n"
        "  1F0\r\n"
        "\tAbc\r\n";
    const IndexedImage image = parseIconSource(text, "icon.txt");
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.palette[1], (Rgb{0xA0, 0xB1, 0xC2}));
    EXPECT_EQ(image.palette[15], (Rgb{0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(image.pixels, (std::vector<std::uint8_t>{1, 15, 0, 10, 11, 12}));
}

TEST(IconSource, BadPixelRowsNameTheirLine) {
    EXPECT_EQ(errorOf(source("123\n12\n")), "icon.txt:21: row has 2 pixels, expected 3");
    EXPECT_EQ(errorOf(source("1234\n")), "icon.txt:20: row has 4 pixels, expected 3");
    EXPECT_EQ(errorOf(source("123\n1G3\n")), "icon.txt:21:2: 'G' is not a hex digit");
    EXPECT_EQ(errorOf(source("  12g\n")), "icon.txt:20:5: 'g' is not a hex digit");
    EXPECT_EQ(errorOf(source("12 3\n")), "icon.txt:20: a pixel row is one run of hex digits");
    EXPECT_EQ(errorOf(source("123\n123\n123\n")), "icon.txt:22: more than 2 pixel rows");
    EXPECT_EQ(errorOf(source("123\n\n")), "icon.txt:21: expected 2 pixel rows, found 1");
}

TEST(IconSource, PaletteMustNameEachOfTheSixteenIndexesOnce) {
    std::string missing = source("123\n123\n");
    missing.erase(missing.find("7 #102030\n"), 10);
    EXPECT_EQ(errorOf(missing), "icon.txt:18: palette entry 7 is missing; all 16 are needed");

    std::string twice = source("123\n123\n");
    twice.insert(twice.find("pixels"), "a #000000\n");
    EXPECT_EQ(errorOf(twice), "icon.txt:19: palette entry a is given twice");

    for (const std::string bad :
         {"G #102030", "10 #102030", "1 102030", "1 #10203", "1 #1020ZZ", "1 #102030 #405060"}) {
        std::string text = source("123\n123\n");
        text.replace(text.find("1 #102030"), 9, bad);
        EXPECT_EQ(errorOf(text), "icon.txt:4: expected a palette entry 'DIGIT #RRGGBB' or 'pixels'")
            << bad;
    }
}

TEST(IconSource, SizeAndSectionsComeInOrder) {
    EXPECT_EQ(errorOf(""), "icon.txt:1: the file ends before its pixels section");
    EXPECT_EQ(errorOf("palette\n"), "icon.txt:1: expected 'size WIDTH HEIGHT'");
    EXPECT_EQ(errorOf("size 3 2\npixels\n"), "icon.txt:2: expected 'palette'");
    for (const std::string size : {"size 0 2\n", "size 3 1025\n", "size 3 2x\n", "size -3 2\n"}) {
        EXPECT_EQ(errorOf(source("123\n123\n", size)),
                  "icon.txt:1: width and height must be whole numbers from 1 to 1024")
            << size;
    }
}

}  // namespace
}  // namespace kavinor::icon
