#include "win32_code_pages.h"

#include <windows.h>

#include <algorithm>
#include <charconv>
#include <map>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

namespace kavinor::platform {
namespace {

constexpr char32_t kUnknown = U'?';

std::optional<UINT> parseCodePage(std::string_view name) {
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

struct CodePage {
    UINT number;
    // Its bytes below 0x80 are ASCII, as in UTF-8 and every Windows page for Latin letters.
    bool asciiCompatible;
};

// The code page of a name, known once per name: a list of files converts its names by the
// thousand.
std::optional<CodePage> codePage(std::string_view name) {
    static std::mutex guard;
    static std::map<std::string, std::optional<CodePage>, std::less<>> known;
    const std::lock_guard lock(guard);
    if (const auto found = known.find(name); found != known.end()) return found->second;
    std::optional<CodePage> page;
    if (const std::optional<UINT> number = parseCodePage(name)) {
        std::string ascii(0x80, '\0');
        for (int c = 1; c < 0x80; ++c) ascii[c] = static_cast<char>(c);
        std::wstring wide(0x80, L'\0');
        const bool same =
            MultiByteToWideChar(*number, 0, ascii.data(), 0x80, wide.data(), 0x80) == 0x80 &&
            std::equal(ascii.begin(), ascii.end(), wide.begin(),
                       [](char a, wchar_t w) { return static_cast<wchar_t>(a) == w; });
        page = CodePage{*number, same};
    }
    known.emplace(std::string(name), page);
    return page;
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

// The whole text in one call each way, when every byte is a character of `source` and every
// character one of `target`; otherwise nothing, and the text goes character by character.
std::optional<std::string> convertWhole(std::string_view bytes, UINT source, UINT target) {
    const int size = static_cast<int>(bytes.size());
    std::wstring wide(bytes.size(), L'\0');
    const int units =
        MultiByteToWideChar(source, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), size);
    if (units == 0) return std::nullopt;
    std::string out(static_cast<std::size_t>(units) * 4, '\0');
    const bool utf8 = target == CP_UTF8;
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(
        target, utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS, wide.data(), units, out.data(),
        static_cast<int>(out.size()), utf8 ? nullptr : "?", utf8 ? nullptr : &usedDefault);
    if (length == 0 || usedDefault) return std::nullopt;
    out.resize(static_cast<std::size_t>(length));
    return out;
}

}  // namespace

Win32CodePages::Win32CodePages()
    : ansi_("CP" + std::to_string(GetACP())), oem_("CP" + std::to_string(GetOEMCP())) {}

Win32CodePages::Win32CodePages(std::string ansi, std::string oem)
    : ansi_(std::move(ansi)), oem_(std::move(oem)) {}

std::string Win32CodePages::convert(std::string_view bytes, std::string_view from,
                                    std::string_view to) const {
    const std::optional<CodePage> source = codePage(from);
    const std::optional<CodePage> target = codePage(to);
    std::string result;
    if (!source || !target) {
        // Without the code pages only ASCII is known to mean the same in both.
        for (const char c : bytes) result += static_cast<unsigned char>(c) < 0x80 ? c : '?';
        return result;
    }
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii && source->asciiCompatible && target->asciiCompatible) return std::string(bytes);
    if (std::optional<std::string> whole = convertWhole(bytes, source->number, target->number)) {
        return *whole;
    }
    for (const char32_t code : decode(bytes, source->number)) {
        encode(code, target->number, result);
    }
    return result;
}

}  // namespace kavinor::platform
