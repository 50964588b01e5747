#pragma once

#include <optional>
#include <string>

#include "measure.h"

namespace kavinor::bench {

// The table of times: best and median wall clock of the repetitions, the median processor
// time (far below the wall clock when other processes held the cores), and the target if the
// step has one. A time target counts as met when the median wall clock meets it.
void printTimeHeader();
void printTime(const std::string& label, const Measurement& measurement,
               std::optional<double> targetSeconds);

// The table of peak memory against input size, for the run where that ratio was largest.
void printMemoryHeader();
void printMemory(const std::string& label, const Measurement& measurement,
                 std::optional<double> targetRatio);

}  // namespace kavinor::bench
