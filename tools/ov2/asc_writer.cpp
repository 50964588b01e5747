#include "asc_writer.h"

#include <charconv>
#include <cstdint>
#include <cstring>

namespace kavinor::ov2 {
namespace {

constexpr std::uint64_t kOnes = 0x0101'0101'0101'0101;

// Whether any byte of `word` is `byte`; exact, without a branch per byte.
constexpr std::uint64_t hasByte(std::uint64_t word, unsigned char byte) {
    const std::uint64_t x = word ^ (kOnes * byte);
    return (x - kOnes) & ~x & (kOnes << 7);
}

// Whether `text` holds a quote or a line break: the bytes a line cannot take as they are.
bool needsCare(std::string_view text) {
    const auto careIn = [&](std::size_t at) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + at, 8);
        return (hasByte(word, '"') | hasByte(word, '\r') | hasByte(word, '\n')) != 0;
    };
    if (text.size() < 8) {
        for (const char c : text) {
            if (c == '"' || c == '\r' || c == '\n') return true;
        }
        return false;
    }
    // Whole words, the last one ending with the text's last byte.
    for (std::size_t at = 0; at + 8 < text.size(); at += 8) {
        if (careIn(at)) return true;
    }
    return careIn(text.size() - 8);
}

char* putQuoted(char* out, std::string_view text, bool& lineBreak) {
    *out++ = '"';
    if (!needsCare(text)) {
        if (!text.empty()) std::memcpy(out, text.data(), text.size());
        out += text.size();
    } else {
        for (const char c : text) {
            *out++ = c;
            if (c == '"') *out++ = '"';
            if (c == '\r' || c == '\n') lineBreak = true;
        }
    }
    *out++ = '"';
    return out;
}

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// A coordinate as degrees with exactly five decimals ("-0.12776"); at most 12 bytes.
char* putCoordinate(char* out, std::int32_t units) {
    std::uint32_t value = static_cast<std::uint32_t>(units);
    if (units < 0) {
        *out++ = '-';
        value = 0u - value;
    }
    out = std::to_chars(out, out + 5, value / 100'000).ptr;
    std::uint32_t fraction = value % 100'000;
    *out++ = '.';
    *out++ = static_cast<char>('0' + fraction / 10'000);
    fraction %= 10'000;
    std::memcpy(out, kDigitPairs + 2 * (fraction / 100), 2);
    std::memcpy(out + 2, kDigitPairs + 2 * (fraction % 100), 2);
    return out + 4;
}

}  // namespace

std::size_t ascLineBound(const PoiView& poi) {
    // Two coordinates, four commas, six quotes, CR LF; every string byte at most doubled.
    return 2 * 12 + 4 + 6 + 2 + 2 * (poi.name.size() + poi.id.size() + poi.extra.size());
}

char* writeAscLine(char* out, const PoiView& poi, bool& lineBreak) {
    out = putCoordinate(out, poi.lon);
    *out++ = ',';
    out = putCoordinate(out, poi.lat);
    *out++ = ',';
    out = putQuoted(out, poi.name, lineBreak);
    if (poi.extended) {
        *out++ = ',';
        out = putQuoted(out, poi.id, lineBreak);
        *out++ = ',';
        out = putQuoted(out, poi.extra, lineBreak);
    }
    *out++ = '\r';
    *out++ = '\n';
    return out;
}

void appendAscLine(std::string& out, const PoiView& poi) {
    const std::size_t old = out.size();
    out.resize(old + ascLineBound(poi));
    bool lineBreak = false;
    out.resize(
        static_cast<std::size_t>(writeAscLine(out.data() + old, poi, lineBreak) - out.data()));
}

}  // namespace kavinor::ov2
