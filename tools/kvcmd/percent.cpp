#include "percent.h"

namespace kavinor::kvcmd {

std::string expandPercent(std::string_view line, const std::vector<std::string>& arguments,
                          const Environment& environment) {
    std::string result;
    result.reserve(line.size());
    std::size_t pos = 0;
    while (pos < line.size()) {
        const std::size_t percent = line.find('%', pos);
        if (percent == std::string_view::npos) {
            result += line.substr(pos);
            break;
        }
        result += line.substr(pos, percent - pos);
        pos = percent + 1;
        if (pos == line.size()) break;
        const char next = line[pos];
        if (next == '%') {
            result += '%';
            ++pos;
        } else if (next >= '0' && next <= '9') {
            const auto index = static_cast<std::size_t>(next - '0');
            if (index < arguments.size()) result += arguments[index];
            ++pos;
        } else if (const std::size_t close = line.find('%', pos); close != std::string_view::npos) {
            if (auto value = environment(std::string(line.substr(pos, close - pos)))) {
                result += *value;
            }
            pos = close + 1;
        }
    }
    return result;
}

}  // namespace kavinor::kvcmd
