#include "report.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace kavinor::bench {
namespace {

constexpr double kBytesPerMiB = 1024.0 * 1024.0;
constexpr int kLabelWidth = 48;

void printTarget(const char* format, double target, bool met) {
    char text[32];
    std::snprintf(text, sizeof text, format, target);
    std::printf(" %10s %4s", text, met ? "yes" : "NO");
}

}  // namespace

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void printTimeHeader() {
    std::printf("%-*s %9s %9s %9s %10s %4s\n", kLabelWidth, "wall clock per repetition", "best",
                "median", "cpu", "target", "met");
}

void printTime(const std::string& label, const Measurement& measurement,
               std::optional<double> targetSeconds) {
    const double best = *std::min_element(measurement.seconds.begin(), measurement.seconds.end());
    const double middle = median(measurement.seconds);
    std::printf("%-*s %7.3f s %7.3f s %7.3f s", kLabelWidth, label.c_str(), best, middle,
                median(measurement.cpuSeconds));
    if (targetSeconds) printTarget("< %.2f s", *targetSeconds, middle < *targetSeconds);
    std::printf("\n");
}

void printRatio(const std::string& label, double ratio, std::optional<double> target) {
    std::printf("%-*s %29.2f", kLabelWidth, label.c_str(), ratio);
    if (target) printTarget("<= %.1f", *target, ratio <= *target);
    std::printf("\n");
}

void printMemoryHeader() {
    std::printf("%-*s %9s %11s %11s %10s %4s\n", kLabelWidth, "peak memory (max RSS) / input size",
                "ratio", "peak", "input", "target", "met");
}

void printMemory(const std::string& label, const Measurement& measurement,
                 std::optional<double> targetRatio) {
    const double ratio = measurement.peakRatio();
    std::printf("%-*s %9.2f %7.1f MiB %7.1f MiB", kLabelWidth, label.c_str(), ratio,
                measurement.peakBytes / kBytesPerMiB, measurement.inputBytes / kBytesPerMiB);
    if (targetRatio) printTarget("< %.0f", *targetRatio, ratio < *targetRatio);
    std::printf("\n");
}

}  // namespace kavinor::bench
