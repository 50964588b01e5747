#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "fmr_main.h"

namespace kavinor::conversion {

// error.bat: gathers version, date, time, the step scripts, a listing of the output directory
// and the logs into Error.bug, then removes every script, log and intermediate file.
std::vector<std::string> ErrorBatLines(std::string_view outDir, std::string_view version);

// Writes error.bat, runs it without a log and deletes it again. After an end asked for from
// outside, which stops the script or keeps it from starting, makes the script's deletions itself.
void RunErrorBundle(mainwindow::FmrMain& window);

// For a run refused before any script: Error.bug with the version and `reason`, whole or not at
// all. An output chosen under that very name is left alone.
void WriteRefusalBundle(const mainwindow::FmrMain& window, const std::string& reason);

}  // namespace kavinor::conversion
