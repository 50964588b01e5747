#include "win32_code_pages.h"

#include <windows.h>

#include <charconv>
#include <optional>
#include <utility>
#include <vector>

namespace kavinor::platform {
namespace {

constexpr char32_t kUnknown = U'?';

std::optional<UINT> codePageNumber(std::string_view name) {
    if (name == "UTF-8" || name == "utf-8" || name == "UTF8") return CP_UTF8;
    if (name.size() < 3 || (name.substr(0, 2) != "CP" && name.substr(0, 2) != "cp")) {
        return std::nullopt;
    }
    UINT number = 0;
    const auto [end, error] = std::from_chars(name.data() + 2, name.data() + name.size(), number);
    if (error != std::errc() || end != name.data() + name.size() || !IsValidCodePage(number)) {
        return std::nullopt;
    }
    return number;
}

// One UTF-8 character at `pos`; a byte that starts no valid sequence is one unknown character.
std::pair<char32_t, std::size_t> decodeUtf8(std::string_view bytes, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(bytes[pos]);
    if (lead < 0x80) return {lead, 1};
    const std::size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4
                               : lead >= 0xE0               ? (lead <= 0xEF ? 3 : 0)
                               : lead >= 0xC2               ? 2
                                                            : 0;
    if (length == 0 || pos + length > bytes.size()) return {kUnknown, 1};
    char32_t code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[pos + k]);
        if ((next & 0xC0) != 0x80) return {kUnknown, 1};
        code = (code << 6) | (next & 0x3F);
    }
    const char32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return {kUnknown, 1};
    }
    return {code, length};
}

void appendUtf8(char32_t code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

char32_t fromUtf16(const wchar_t* units, int count) {
    if (count == 1) return units[0];
    return 0x10000 + ((static_cast<char32_t>(units[0]) - 0xD800) << 10) + (units[1] - 0xDC00);
}

// The characters of `bytes` in a code page the system converts, each byte or byte pair on its
// own, so that one the page does not define becomes one unknown character and nothing else.
std::vector<char32_t> decode(std::string_view bytes, UINT page) {
    std::vector<char32_t> text;
    for (std::size_t pos = 0; pos < bytes.size();) {
        if (page == CP_UTF8) {
            const auto [code, length] = decodeUtf8(bytes, pos);
            text.push_back(code);
            pos += length;
            continue;
        }
        const std::size_t length =
            pos + 1 < bytes.size() && IsDBCSLeadByteEx(page, static_cast<BYTE>(bytes[pos])) ? 2 : 1;
        wchar_t units[2];
        const int count = MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, bytes.data() + pos,
                                              static_cast<int>(length), units, 2);
        text.push_back(count == 0 ? kUnknown : fromUtf16(units, count));
        pos += length;
    }
    return text;
}

void encode(char32_t code, UINT page, std::string& out) {
    if (page == CP_UTF8) {
        appendUtf8(code, out);
        return;
    }
    wchar_t units[2];
    int count = 1;
    if (code >= 0x10000) {
        units[0] = static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
        units[1] = static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        count = 2;
    } else {
        units[0] = static_cast<wchar_t>(code);
    }
    char bytes[8];
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(page, WC_NO_BEST_FIT_CHARS, units, count, bytes,
                                           sizeof bytes, "?", &usedDefault);
    if (length == 0 || usedDefault) {
        out += '?';
    } else {
        out.append(bytes, static_cast<std::size_t>(length));
    }
}

}  // namespace

Win32CodePages::Win32CodePages()
    : ansi_("CP" + std::to_string(GetACP())), oem_("CP" + std::to_string(GetOEMCP())) {}

Win32CodePages::Win32CodePages(std::string ansi, std::string oem)
    : ansi_(std::move(ansi)), oem_(std::move(oem)) {}

std::string Win32CodePages::convert(std::string_view bytes, std::string_view from,
                                    std::string_view to) const {
    const std::optional<UINT> source = codePageNumber(from);
    const std::optional<UINT> target = codePageNumber(to);
    std::string result;
    if (!source || !target) {
        // Without the code pages only ASCII is known to mean the same in both.
        for (const char c : bytes) result += static_cast<unsigned char>(c) < 0x80 ? c : '?';
        return result;
    }
    for (const char32_t code : decode(bytes, *source)) encode(code, *target, result);
    return result;
}

}  // namespace kavinor::platform
