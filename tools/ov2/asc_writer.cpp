#include "asc_writer.h"

namespace kavinor::ov2 {
namespace {

void appendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (std::size_t quote; (quote = text.find('"')) != std::string_view::npos;) {
        out.append(text.substr(0, quote + 1));
        out += '"';
        text.remove_prefix(quote + 1);
    }
    out.append(text);
    out += '"';
}

}  // namespace

void appendCoordinate(std::string& out, std::int32_t units) {
    // Digits are written backwards into a buffer that holds the longest value, "-2147.48364".
    char digits[16];
    char* p = digits + sizeof digits;
    std::int64_t value = units;
    const bool negative = value < 0;
    if (negative) value = -value;
    for (int i = 0; i < 5; ++i, value /= 10) *--p = static_cast<char>('0' + value % 10);
    *--p = '.';
    do {
        *--p = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    if (negative) *--p = '-';
    out.append(p, digits + sizeof digits);
}

void appendAscLine(std::string& out, const PoiView& poi) {
    appendCoordinate(out, poi.lon);
    out += ',';
    appendCoordinate(out, poi.lat);
    out += ',';
    appendQuoted(out, poi.name);
    if (poi.extended) {
        out += ',';
        appendQuoted(out, poi.id);
        out += ',';
        appendQuoted(out, poi.extra);
    }
    out += "\r\n";
}

bool fitsAscString(std::string_view text) {
    // Two single-byte searches beat find_first_of, which tests the set once per byte.
    return text.find('\r') == std::string_view::npos && text.find('\n') == std::string_view::npos;
}

}  // namespace kavinor::ov2
