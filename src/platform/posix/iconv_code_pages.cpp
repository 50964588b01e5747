#include "iconv_code_pages.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace kavinor::platform {
namespace {

// The locale's character set, read without touching the program's global locale. The C locale's
// plain ASCII would turn every umlaut into '?', so it counts as UTF-8, as does a locale that
// cannot be made.
std::string localeCodePage() {
    const locale_t locale = ::newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(0));
    if (locale == static_cast<locale_t>(0)) return "UTF-8";
    std::string codeset = ::nl_langinfo_l(CODESET, locale);
    ::freelocale(locale);
    if (codeset.empty() || codeset == "ANSI_X3.4-1968" || codeset == "ASCII") return "UTF-8";
    return codeset;
}

}  // namespace

class Converter {
public:
    Converter(std::string_view to, std::string_view from)
        : handle_(::iconv_open(std::string(to).c_str(), std::string(from).c_str())) {}
    ~Converter() {
        if (valid()) ::iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    // Back to the initial state, for the next text.
    void reset() { ::iconv(handle_, nullptr, nullptr, nullptr, nullptr); }

    // Appends to `out` what it converts of `in`, up to the first byte sequence it cannot convert,
    // and returns how many bytes of `in` it took.
    std::size_t append(std::string_view in, std::string& out) {
        char* inPos = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        while (inLeft > 0 && run(&inPos, &inLeft, out)) {
        }
        return in.size() - inLeft;
    }

    // Appends what a stateful code page needs to return to its initial shift state.
    void finish(std::string& out) { run(nullptr, nullptr, out); }

private:
    // One iconv call into a buffer; whether it stopped only because that buffer was full.
    bool run(char** inPos, std::size_t* inLeft, std::string& out) {
        char buffer[512];
        char* outPos = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = ::iconv(handle_, inPos, inLeft, &outPos, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPos - buffer));
        return result == static_cast<std::size_t>(-1) && errno == E2BIG;
    }

    iconv_t handle_;
};

namespace {

// The length of the well-formed UTF-8 character at the start of `bytes`: no overlong form, no
// surrogate, nothing beyond U+10FFFF; 0 when there is none.
std::size_t wellFormedLength(std::string_view bytes) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    const std::size_t length = lead >= 0xF5   ? 0
                               : lead >= 0xF0 ? 4
                               : lead >= 0xE0 ? 3
                               : lead >= 0xC2 ? 2
                                              : 0;
    if (length == 0 || bytes.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
    }
    const unsigned char second = byte(1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
        return 0;
    }
    return length;
}

// UTF-8 to UTF-8 needs no converter: the well-formed characters stay, each other byte becomes
// '?'. The fill of a list converts each of thousands of names this way several times.
std::string validUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    std::size_t run = 0;  // the start of the well-formed run not yet copied
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = wellFormedLength(bytes.substr(i));
        if (length > 0) {
            i += length;
            continue;
        }
        text.append(bytes.substr(run, i - run)).push_back('?');
        run = ++i;
    }
    return text.append(bytes.substr(run));
}

// The length of the UTF-8 character whose first byte is `lead`; 1 for a stray byte.
std::size_t utf8Length(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

}  // namespace

IconvCodePages::IconvCodePages() : ansi_(localeCodePage()), oem_(ansi_) {}

IconvCodePages::IconvCodePages(std::string ansi, std::string oem)
    : ansi_(std::move(ansi)), oem_(std::move(oem)) {}

IconvCodePages::IconvCodePages(IconvCodePages&&) noexcept = default;
IconvCodePages& IconvCodePages::operator=(IconvCodePages&&) noexcept = default;
IconvCodePages::~IconvCodePages() = default;

Converter& IconvCodePages::converter(std::string_view to, std::string_view from) const {
    std::unique_ptr<Converter>& kept = converters_[{std::string(to), std::string(from)}];
    if (!kept) kept = std::make_unique<Converter>(to, from);
    kept->reset();
    return *kept;
}

// Two passes through UTF-8 keep the two kinds of failure apart, which iconv reports alike: while
// decoding, a stop is a byte that is no character of `from`; while encoding the valid UTF-8 that
// decoding made, a stop is a character that `to` lacks.
std::string IconvCodePages::convert(std::string_view bytes, std::string_view from,
                                    std::string_view to) const {
    if (from == kInternalCodePage && to == kInternalCodePage) return validUtf8(bytes);
    Converter& decoder = converter("UTF-8", from);
    Converter& encoder = converter(to, "UTF-8");
    if (!decoder.valid() || !encoder.valid()) {
        // Without a converter only ASCII is known to mean the same in both code pages.
        std::string ascii(bytes);
        for (char& c : ascii) {
            if (static_cast<unsigned char>(c) >= 0x80) c = '?';
        }
        return ascii;
    }

    std::string text;
    while (!bytes.empty()) {
        bytes.remove_prefix(decoder.append(bytes, text));
        if (bytes.empty()) break;
        text += '?';
        bytes.remove_prefix(1);
    }

    std::string result;
    std::string_view rest = text;
    while (!rest.empty()) {
        rest.remove_prefix(encoder.append(rest, result));
        if (rest.empty()) break;
        encoder.append("?", result);
        rest.remove_prefix(
            std::min(utf8Length(static_cast<unsigned char>(rest.front())), rest.size()));
    }
    encoder.finish(result);
    return result;
}

}  // namespace kavinor::platform
