#include "percent.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using kavinor::kvcmd::expandPercent;

std::optional<std::string> environment(const std::string& name) {
    if (name == "HOME") return std::string("/home/kartograf");
    return std::nullopt;
}

std::string expand(const std::string& line, const std::vector<std::string>& arguments = {}) {
    return expandPercent(line, arguments, environment);
}

TEST(ExpandPercent, DoubledPercentIsOnePercent) {
    EXPECT_EQ(expand("copy \"100%% Rabatt.asc\""), "copy \"100% Rabatt.asc\"");
    EXPECT_EQ(expand("%%%%"), "%%");
    EXPECT_EQ(expand("%%HOME%%"), "%HOME%");
}

TEST(ExpandPercent, ArgumentsAndVariablesAsInAScript) {
    EXPECT_EQ(expand("echo %0 %1 %2", {"s.bat", "eins"}), "echo s.bat eins ");
    EXPECT_EQ(expand("cd %HOME%\\karten"), "cd /home/kartograf\\karten");
    EXPECT_EQ(expand("echo [%UNSET%]"), "echo []");
}

TEST(ExpandPercent, LonePercentIsDropped) {
    EXPECT_EQ(expand("echo 50% Rabatt"), "echo 50 Rabatt");
    EXPECT_EQ(expand("echo Ende%"), "echo Ende");
    EXPECT_EQ(expand("ohne Zeichen"), "ohne Zeichen");
}

}  // namespace
