#include "name_fold.h"

namespace kavinor::winpath {
namespace {

// Length of the UTF-8 sequence led by `lead` that `s` holds at `i`, or 1 for a byte that
// starts no complete sequence.
std::size_t sequenceLength(std::string_view s, std::size_t i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (i + length > s.size()) return 1;
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 1;
    }
    return length;
}

// Whether the byte after 0xC3 makes a lower-case letter (à to þ but ÷); its capital is 0x20 below.
bool isSmallAfterC3(unsigned char second) {
    return second >= 0xA0 && second <= 0xBE && second != 0xB7;
}

}  // namespace

// Folds to upper case, so names sort as on a Windows file system ("A_B" after "AB").
std::vector<std::uint64_t> foldCharacters(std::string_view name) {
    std::vector<std::uint64_t> folded;
    folded.reserve(name.size());
    for (std::size_t i = 0; i < name.size();) {
        const auto c = static_cast<unsigned char>(name[i]);
        const std::size_t length = sequenceLength(name, i);
        std::uint64_t value = 0;
        if (c >= 'a' && c <= 'z') {
            value = c - ('a' - 'A');
        } else if (length == 1) {
            value = c;
        } else if (c == 0xC3) {
            const auto second = static_cast<unsigned char>(name[i + 1]);
            value = 0xC0 + (second - 0x80) - (isSmallAfterC3(second) ? 0x20 : 0);
        } else {
            for (std::size_t k = 0; k < length; ++k) {
                value = (value << 8) | static_cast<unsigned char>(name[i + k]);
            }
        }
        // The length tag keeps a sequence apart from a single byte of the same value.
        folded.push_back(value | (std::uint64_t{length} << 40));
        i += length;
    }
    return folded;
}

// No byte that continues a sequence is a letter or 0xC3, so each 0xC3 leads its letter, and
// folding the byte after it keeps the sequence's length: the key stays as long as the name.
std::string foldedKey(std::string_view name) {
    std::string key(name);
    for (std::size_t i = 0; i < key.size(); ++i) {
        const auto c = static_cast<unsigned char>(key[i]);
        if (c >= 'a' && c <= 'z') {
            key[i] = static_cast<char>(c - ('a' - 'A'));
        } else if (c == 0xC3 && i + 1 < key.size()) {
            const auto second = static_cast<unsigned char>(key[i + 1]);
            if (isSmallAfterC3(second)) key[i + 1] = static_cast<char>(second - 0x20);
        }
    }
    return key;
}

bool equalFolded(std::string_view a, std::string_view b) {
    return a.size() == b.size() && foldedKey(a) == foldedKey(b);
}

bool lessFolded(std::string_view a, std::string_view b) {
    const auto foldedA = foldCharacters(a);
    const auto foldedB = foldCharacters(b);
    if (foldedA != foldedB) return foldedA < foldedB;
    return a < b;
}

}  // namespace kavinor::winpath
