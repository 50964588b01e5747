#include "german_format.h"

#include <cstdio>

namespace kavinor::kvcmd {

std::string groupThousands(std::uint64_t value) {
    const std::string digits = std::to_string(value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0) grouped += '.';
        grouped += digits[i];
    }
    return grouped;
}

std::string alignRight(std::string_view text, std::size_t width) {
    std::string aligned(text.size() < width ? width - text.size() : 0, ' ');
    aligned += text;
    return aligned;
}

std::string germanDate(const std::tm& time) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", time.tm_mday, time.tm_mon + 1,
                  time.tm_year + 1900);
    return text;
}

std::string germanTime(const std::tm& time) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d:%02d", time.tm_hour, time.tm_min);
    return text;
}

std::tm localTime(std::time_t time) {
    std::tm local{};
    localtime_r(&time, &local);
    return local;
}

}  // namespace kavinor::kvcmd
