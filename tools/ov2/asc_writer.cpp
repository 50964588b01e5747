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
    std::int64_t value = units;
    if (value < 0) {
        out += '-';
        value = -value;
    }
    out.append(std::to_string(value / kUnitsPerDegree));
    char decimals[6] = {'.'};
    std::int64_t fraction = value % kUnitsPerDegree;
    for (int i = 5; i >= 1; --i) {
        decimals[i] = static_cast<char>('0' + fraction % 10);
        fraction /= 10;
    }
    out.append(decimals, sizeof decimals);
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
    return text.find_first_of("\r\n") == std::string_view::npos;
}

}  // namespace kavinor::ov2
