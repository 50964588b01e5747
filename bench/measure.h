#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kavinor::bench {

// One process of a step: what it runs, the file it writes and how many bytes it reads.
struct Job {
    std::vector<std::string> argv;
    std::filesystem::path stdoutFile;  // empty when the program writes its output file itself
    std::filesystem::path output;
    std::uint64_t inputBytes = 0;
};

struct Measurement {
    std::vector<double> seconds;     // wall clock of each repetition, its jobs one after another
    std::vector<double> cpuSeconds;  // processor time of each repetition, all its jobs together
    // The single run whose peak resident set was largest against its input size.
    std::uint64_t peakBytes = 0;
    std::uint64_t inputBytes = 1;

    double peakRatio() const { return static_cast<double>(peakBytes) / inputBytes; }
};

// Runs the jobs one after another, `repetitions` times. Before each repetition the outputs
// are removed, so every repetition finds the same files as the first.
Measurement measure(const std::vector<Job>& jobs, int repetitions);

}  // namespace kavinor::bench
