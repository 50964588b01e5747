#include "list_collation.h"

#include <algorithm>
#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace kavinor::platform {

namespace {

// Primary weights by band, so that whole classes of characters sort as blocks: symbols use their
// code point below 0x100, then digits, letters, other characters and last undecodable bytes.
constexpr std::uint32_t kDigits = 0x100;
constexpr std::uint32_t kLetters = 0x200;
constexpr std::uint32_t kOther = 0x300;
constexpr std::uint32_t kInvalid = kOther + 0x110000;

struct Element {
    std::uint32_t primary;
    std::uint32_t secondary;  // 0 for a plain letter, otherwise which diacritic
    std::uint32_t tertiary;   // 0 lower case, 1 upper case
};

struct Decoded {
    char32_t codePoint;
    std::size_t length;
    bool valid;
};

// A bad sequence (overlong, surrogate, out of range, truncated) yields only its lead byte as
// invalid; the bytes after it are read afresh, so every byte string has exactly one reading.
Decoded decode(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    const Decoded invalid{lead, 1, false};
    if (lead < 0x80) return {lead, 1, true};
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || pos + length > text.size()) return invalid;
    char32_t codePoint = lead & (0x3F >> (length - 1));
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) return invalid;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    constexpr std::array<char32_t, 5> kShortest{0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < kShortest[length] || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return invalid;
    }
    return {codePoint, length, true};
}

// Base letters of U+00C0..U+00DF; the lower-case block U+00E0..U+00FF mirrors it. An empty entry
// is a symbol (× and ÷). '{' follows 'z' in ASCII and gives the thorn its own letter after z.
constexpr std::array<std::string_view, 32> kLatin1Letters{
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "{", "ss"};

void appendElements(char32_t c, std::vector<Element>& out) {
    if (c < 0x80) {
        if (c >= '0' && c <= '9') {
            out.push_back({kDigits + (c - '0'), 0, 0});
        } else if ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') {
            out.push_back({kLetters + ((c | 0x20) - 'a'), 0, c < 'a' ? 1u : 0u});
        } else {
            out.push_back({c, 0, 0});
        }
        return;
    }
    if (c < 0x100) {
        const std::string_view base = c == 0xFF ? "y" : c >= 0xC0 ? kLatin1Letters[c & 0x1F] : "";
        if (base.empty()) {
            out.push_back({c, 0, 0});
            return;
        }
        // Upper and lower case share a diacritic weight; ß and æ expand to two letters that both
        // carry it, so "ss" < "ß" and "ae" < "æ" are decided on the secondary level.
        const std::uint32_t secondary = (c & 0xDF) - 0xBF;
        const std::uint32_t tertiary = c < 0xDF ? 1 : 0;
        for (const char letter : base) {
            out.push_back(
                {kLetters + static_cast<std::uint32_t>(letter - 'a'), secondary, tertiary});
        }
        return;
    }
    out.push_back({kOther + c, 0, 0});
}

std::vector<Element> collationElements(std::string_view text) {
    std::vector<Element> elements;
    elements.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const Decoded decoded = decode(text, pos);
        if (decoded.valid) {
            appendElements(decoded.codePoint, elements);
        } else {
            elements.push_back({kInvalid + decoded.codePoint, 0, 0});
        }
        pos += decoded.length;
    }
    return elements;
}

}  // namespace

bool listLess(std::string_view a, std::string_view b) {
    const std::vector<Element> left = collationElements(a);
    const std::vector<Element> right = collationElements(b);
    for (const auto level : {&Element::primary, &Element::secondary, &Element::tertiary}) {
        const auto order = std::lexicographical_compare_three_way(
            left.begin(), left.end(), right.begin(), right.end(),
            [level](const Element& x, const Element& y) { return x.*level <=> y.*level; });
        if (order != 0) return order < 0;
    }
    // Raw bytes last, so that distinct names never compare equivalent.
    return a < b;
}

}  // namespace kavinor::platform
