#include "icu_collation.h"

#include <unicode/ucol.h>
#include <unicode/ustring.h>

#include <stdexcept>
#include <vector>

namespace kavinor::platform {

void IcuCollation::Close::operator()(UCollator* collator) const {
    ucol_close(collator);
}

IcuCollation::IcuCollation() {
    UErrorCode status = U_ZERO_ERROR;
    collator_.reset(ucol_open("de", &status));
    if (U_FAILURE(status)) throw std::runtime_error(u_errorName(status));
}

std::string IcuCollation::sortKey(std::string_view text) const {
    // Bytes that are no UTF-8 read as U+FFFD; the raw bytes after the key tell such names apart.
    UErrorCode status = U_ZERO_ERROR;
    std::vector<UChar> utf16(text.size() + 1);
    int32_t length = 0;
    u_strFromUTF8WithSub(utf16.data(), static_cast<int32_t>(utf16.size()), &length, text.data(),
                         static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &status);
    if (U_FAILURE(status)) length = 0;
    std::string key(static_cast<std::size_t>(length) * 4 + 16, '\0');
    for (;;) {
        const int32_t needed = ucol_getSortKey(collator_.get(), utf16.data(), length,
                                               reinterpret_cast<uint8_t*>(key.data()),
                                               static_cast<int32_t>(key.size()));
        if (needed <= static_cast<int32_t>(key.size())) {
            // The key ends in its only 0 byte, which now separates it from the raw bytes: equal
            // keys of distinct names (canonically equivalent forms) still order apart.
            key.resize(static_cast<std::size_t>(needed));
            break;
        }
        key.resize(static_cast<std::size_t>(needed));
    }
    key.append(text);
    return key;
}

}  // namespace kavinor::platform
