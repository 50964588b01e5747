#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

namespace kavinor::kvcmd {

// 1234567 as "1.234.567".
std::string groupThousands(std::uint64_t value);

std::string alignRight(std::string_view text, std::size_t width);

// "06.12.2026" and "11:05", the short forms a German Windows installation prints.
std::string germanDate(const std::tm& time);
std::string germanTime(const std::tm& time);

std::tm localTime(std::time_t time);

}  // namespace kavinor::kvcmd
