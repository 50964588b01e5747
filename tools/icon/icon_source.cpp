#include "icon_source.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

namespace kavinor::icon {
namespace {

constexpr int kMaxSide = 1024;

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::vector<std::string_view> splitWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && isBlank(line[pos])) ++pos;
        const std::size_t start = pos;
        while (pos < line.size() && !isBlank(line[pos])) ++pos;
        if (pos > start) words.push_back(line.substr(start, pos - start));
    }
    return words;
}

std::optional<int> parseSide(std::string_view word) {
    int value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size() || value < 1 || value > kMaxSide) {
        return std::nullopt;
    }
    return value;
}

std::optional<Rgb> parseColour(std::string_view word) {
    if (word.size() != 7 || word[0] != '#') return std::nullopt;
    int channels[3];
    for (int i = 0; i < 3; ++i) {
        const int high = hexValue(word[1 + 2 * i]);
        const int low = hexValue(word[2 + 2 * i]);
        if (high < 0 || low < 0) return std::nullopt;
        channels[i] = high * 16 + low;
    }
    return Rgb{static_cast<std::uint8_t>(channels[0]), static_cast<std::uint8_t>(channels[1]),
               static_cast<std::uint8_t>(channels[2])};
}

class Parser {
public:
    explicit Parser(std::string displayName) : displayName_(std::move(displayName)) {}

    IndexedImage run(std::string_view text) {
        std::size_t pos = 0;
        while (pos < text.size()) {
            std::size_t end = text.find('\n', pos);
            if (end == std::string_view::npos) end = text.size();
            ++lineNumber_;
            takeLine(text.substr(pos, end - pos));
            pos = end + 1;
        }
        // Whatever is missing, it is missing at the end of the file.
        lineNumber_ = std::max(lineNumber_, 1);
        if (section_ != Section::Pixels) fail("the file ends before its pixels section");
        const auto rows = image_.pixels.size() / static_cast<std::size_t>(image_.width);
        if (rows < static_cast<std::size_t>(image_.height)) {
            fail("expected " + std::to_string(image_.height) + " pixel rows, found " +
                 std::to_string(rows));
        }
        return std::move(image_);
    }

private:
    enum class Section { Start, Size, Palette, Pixels };

    void takeLine(std::string_view line) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        line = line.substr(0, line.find(';'));
        const std::vector<std::string_view> words = splitWords(line);
        if (words.empty()) return;
        switch (section_) {
            case Section::Start:
                takeSize(words);
                break;
            case Section::Size:
                if (words.size() != 1 || words[0] != "palette") fail("expected 'palette'");
                section_ = Section::Palette;
                break;
            case Section::Palette:
                if (words.size() == 1 && words[0] == "pixels") {
                    startPixels();
                } else {
                    takeColour(words);
                }
                break;
            case Section::Pixels:
                takeRow(line, words);
                break;
        }
    }

    void takeSize(const std::vector<std::string_view>& words) {
        if (words.size() != 3 || words[0] != "size") fail("expected 'size WIDTH HEIGHT'");
        const auto width = parseSide(words[1]);
        const auto height = parseSide(words[2]);
        if (!width || !height) {
            fail("width and height must be whole numbers from 1 to " + std::to_string(kMaxSide));
        }
        image_.width = *width;
        image_.height = *height;
        section_ = Section::Size;
    }

    void takeColour(const std::vector<std::string_view>& words) {
        const int index = words[0].size() == 1 ? hexValue(words[0][0]) : -1;
        const auto colour = words.size() == 2 ? parseColour(words[1]) : std::nullopt;
        if (index < 0 || !colour) fail("expected a palette entry 'DIGIT #RRGGBB' or 'pixels'");
        if (defined_[index]) fail("palette entry " + std::string(words[0]) + " is given twice");
        defined_[index] = true;
        image_.palette[index] = *colour;
    }

    void startPixels() {
        for (int i = 0; i < 16; ++i) {
            if (!defined_[i])
                fail(std::string("palette entry ") + "0123456789ABCDEF"[i] +
                     " is missing; all 16 are needed");
        }
        image_.pixels.reserve(static_cast<std::size_t>(image_.width) * image_.height);
        section_ = Section::Pixels;
    }

    void takeRow(std::string_view line, const std::vector<std::string_view>& words) {
        const std::size_t rows = image_.pixels.size() / static_cast<std::size_t>(image_.width);
        if (rows == static_cast<std::size_t>(image_.height)) {
            fail("more than " + std::to_string(image_.height) + " pixel rows");
        }
        if (words.size() != 1) fail("a pixel row is one run of hex digits");
        const std::string_view row = words[0];
        const std::size_t column = static_cast<std::size_t>(row.data() - line.data()) + 1;
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (hexValue(row[i]) < 0) {
                fail(column + i, std::string("'") + row[i] + "' is not a hex digit");
            }
        }
        if (row.size() != static_cast<std::size_t>(image_.width)) {
            fail("row has " + std::to_string(row.size()) + " pixels, expected " +
                 std::to_string(image_.width));
        }
        for (char c : row) image_.pixels.push_back(static_cast<std::uint8_t>(hexValue(c)));
    }

    [[noreturn]] void fail(const std::string& message) const {
        throw IconSourceError(displayName_ + ":" + std::to_string(lineNumber_) + ": " + message);
    }

    [[noreturn]] void fail(std::size_t column, const std::string& message) const {
        throw IconSourceError(displayName_ + ":" + std::to_string(lineNumber_) + ":" +
                              std::to_string(column) + ": " + message);
    }

    std::string displayName_;
    int lineNumber_ = 0;
    Section section_ = Section::Start;
    bool defined_[16] = {};
    IndexedImage image_;
};

}  // namespace

IndexedImage parseIconSource(std::string_view text, const std::string& displayName) {
    return Parser(displayName).run(text);
}

}  // namespace kavinor::icon
