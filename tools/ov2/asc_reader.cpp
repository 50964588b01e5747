#include "asc_reader.h"

#include <array>
#include <cstring>

namespace kavinor::ov2 {
namespace {

constexpr char kCtrlZ = 0x1A;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The bytes that end the plain run of a string: its quote, and what a string may not hold.
constexpr auto kStringStops = [] {
    std::array<bool, 256> stops{};
    for (const unsigned char c : {'"', '\n', '\r', '\0'}) stops[c] = true;
    return stops;
}();

}  // namespace

AscError::AscError(std::string displayName, std::size_t line, std::size_t column, std::string what)
    : FormatError(displayName + ":" + std::to_string(line) + ":" + std::to_string(column) + ": " +
                  what),
      displayName_(std::move(displayName)),
      line_(line),
      column_(column),
      what_(std::move(what)) {}

AscError AscError::below(std::size_t lines) const {
    return AscError(displayName_, line_ + lines, column_, what_);
}

AscReader::AscReader(std::span<char> text, std::string displayName)
    : text_(text.data()), size_(text.size()), displayName_(std::move(displayName)) {}

void AscReader::fail(std::size_t at, const std::string& what) const {
    throw AscError(displayName_, line_, at - lineStart_ + 1, what);
}

void AscReader::skipBlanks() {
    while (pos_ < size_ && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == kCtrlZ)) {
        ++pos_;
    }
}

bool AscReader::atLineEnd() const {
    return pos_ == size_ || text_[pos_] == '\n' || text_[pos_] == '\r';
}

bool AscReader::next(PoiView& poi) {
    for (;;) {
        skipBlanks();
        if (pos_ == size_) return false;
        const char c = text_[pos_];
        if (c == '\n' || c == '\r') {
            pos_ += (c == '\r' && pos_ + 1 < size_ && text_[pos_ + 1] == '\n') ? 2 : 1;
            ++line_;
            lineStart_ = pos_;
        } else if (size_ - pos_ >= 3 && std::memcmp(text_ + pos_, "\xEF\xBB\xBF", 3) == 0) {
            pos_ += 3;
        } else if (c == '\0') {
            fail(pos_, "a NUL byte in the text");
        } else if (c == ';') {
            while (!atLineEnd()) {
                if (text_[pos_] == '\0') fail(pos_, "a NUL byte in a comment");
                ++pos_;
            }
        } else {
            break;
        }
    }

    poi.lon = coordinate("a longitude", 180);
    expectComma("the longitude");
    poi.lat = coordinate("a latitude", 90);
    expectComma("the latitude");
    poi.name = quoted("a name in double quotes");
    skipBlanks();
    poi.extended = pos_ < size_ && text_[pos_] == ',';
    if (poi.extended) {
        expectComma("the name");
        poi.id = quoted("an id in double quotes");
        expectComma("the id");
        poi.extra = quoted("extra data in double quotes");
        skipBlanks();
    } else {
        poi.id = {};
        poi.extra = {};
    }
    // What follows on the line is read as the start of a new line: the next part of a joined
    // text may begin right after the closing quote, with its byte-order mark.
    return true;
}

void AscReader::expectComma(const char* after) {
    skipBlanks();
    if (pos_ == size_ || text_[pos_] != ',') {
        fail(pos_, std::string("expected a comma after ") + after);
    }
    ++pos_;
    skipBlanks();
}

// Decimal text to units of 1/100 000 degree, rounded half away from zero on the digits
// themselves, so no binary floating point ever touches a coordinate. The text and the place in
// it are held in locals: the compiler then keeps them in registers across the digits.
std::int32_t AscReader::coordinate(const char* what, std::int32_t limitDegrees) {
    const char* const text = text_;
    const std::size_t size = size_;
    const std::size_t start = pos_;
    std::size_t pos = start;
    bool negative = false;
    if (pos < size && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == size || !isDigit(text[pos])) fail(start, std::string("expected ") + what);

    std::int64_t degrees = 0;
    for (; pos < size && isDigit(text[pos]); ++pos) {
        // Past the limit the exact value no longer matters, only that it is too large.
        if (degrees <= limitDegrees) degrees = degrees * 10 + (text[pos] - '0');
    }
    std::int64_t fraction = 0;
    int fractionDigits = 0;
    bool roundUp = false;
    bool beyondUnits = false;  // any non-zero digit past the fifth decimal
    if (pos < size && text[pos] == '.') {
        ++pos;
        if (pos == size || !isDigit(text[pos])) {
            fail(pos, "expected a digit after the decimal point");
        }
        for (; pos < size && isDigit(text[pos]) && fractionDigits < 5; ++pos, ++fractionDigits) {
            fraction = fraction * 10 + (text[pos] - '0');
        }
        if (pos < size && isDigit(text[pos])) {
            roundUp = text[pos] >= '5';
            for (; pos < size && isDigit(text[pos]); ++pos) {
                beyondUnits = beyondUnits || text[pos] != '0';
            }
        }
    }
    pos_ = pos;
    if (pos < size && (text[pos] == 'e' || text[pos] == 'E')) {
        fail(pos, "exponents are not allowed in coordinates");
    }
    constexpr std::int64_t kScale[] = {100'000, 10'000, 1'000, 100, 10, 1};
    fraction *= kScale[fractionDigits];

    const std::int64_t limit = std::int64_t{limitDegrees} * kUnitsPerDegree;
    const std::int64_t truncated = degrees * kUnitsPerDegree + fraction;
    if (truncated > limit || (truncated == limit && beyondUnits)) {
        fail(start, std::string(what).substr(std::strlen("a ")) + " " +
                        std::string(text + start, pos - start) + " lies outside -" +
                        std::to_string(limitDegrees) + " to " + std::to_string(limitDegrees));
    }
    const std::int64_t units = truncated + (roundUp ? 1 : 0);
    return static_cast<std::int32_t>(negative ? -units : units);
}

std::string_view AscReader::quoted(const char* what) {
    if (pos_ == size_ || text_[pos_] != '"') fail(pos_, std::string("expected ") + what);
    const std::size_t open = pos_;
    // Locals, not members: stores through a char pointer could alias members and would make
    // the compiler reload them for every byte.
    char* const text = text_;
    const std::size_t size = size_;
    const std::size_t begin = open + 1;
    std::size_t in = begin;
    // Most strings hold no "": their bytes stay where they are until the first stop.
    while (in < size && !kStringStops[static_cast<unsigned char>(text[in])]) ++in;
    std::size_t out = in;  // where unescaped bytes go; trails `in` once a "" was seen
    for (;;) {
        if (in == size) fail(open, "the string has no closing quote");
        const char c = text[in];
        if (c == '"') {
            if (in + 1 < size && text[in + 1] == '"') {
                text[out++] = '"';
                in += 2;
                continue;
            }
            pos_ = in + 1;
            return {text + begin, out - begin};
        }
        if (c == '\n' || c == '\r') fail(open, "the string has no closing quote on its line");
        if (c == '\0') fail(in, "a NUL byte in a string");
        text[out++] = c;
        ++in;
    }
}

}  // namespace kavinor::ov2
