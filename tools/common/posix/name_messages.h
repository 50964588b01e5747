#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The messages between the interpreter and a program it started, over a sequenced-packet socket
// the program finds at the descriptor its environment names: a message is a kind, a directory's
// absolute path, a zero byte and a name. A lookup is answered with the entry found or "-".
namespace kavinor::winpath::names {

inline constexpr const char* kEnvironmentName = "KVCMD_NAMES";
inline constexpr int kProgramDescriptor = 3;
inline constexpr std::size_t kMaxMessage = 16384;

enum Kind : char { kFind = 'F', kAdded = 'A', kRemoved = 'R' };

inline std::string message(Kind kind, std::string_view dir, std::string_view name) {
    std::string text(1, kind);
    text.append(dir).append(1, '\0').append(name);
    return text;
}

struct Message {
    Kind kind;
    std::string dir;
    std::string name;
};

inline std::optional<Message> parse(std::string_view text) {
    const std::size_t zero = text.find('\0');
    if (text.empty() || zero == std::string_view::npos) return std::nullopt;
    const char kind = text[0];
    if (kind != kFind && kind != kAdded && kind != kRemoved) return std::nullopt;
    return Message{static_cast<Kind>(kind), std::string(text.substr(1, zero - 1)),
                   std::string(text.substr(zero + 1))};
}

}  // namespace kavinor::winpath::names
