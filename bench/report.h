#pragma once

#include <optional>
#include <string>
#include <vector>

#include "measure.h"

namespace kavinor::bench {

// The middle value; of an even count, the mean of the two middle ones.
double median(std::vector<double> values);

// The table of times: best and median wall clock of the repetitions, the median processor
// time (far below the wall clock when other processes held the cores), and the target if the
// step has one. A time target counts as met when the median wall clock meets it.
void printTimeHeader();
void printTime(const std::string& label, const Measurement& measurement,
               std::optional<double> targetSeconds);

// A ratio of two medians in the same table, beside its target if it has one: met when within.
void printRatio(const std::string& label, double ratio, std::optional<double> target);

// The table of peak memory against input size, for the run where that ratio was largest.
void printMemoryHeader();
void printMemory(const std::string& label, const Measurement& measurement,
                 std::optional<double> targetRatio);

}  // namespace kavinor::bench
