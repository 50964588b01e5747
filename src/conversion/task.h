#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "fmr_main.h"
#include "processes.h"

// Module Task: the start of a script, the watch of its process and the terminate after it.

namespace kavinor::conversion {

enum class Script { Konvert, Komplett, Asc2ov2, Error };

std::string_view ScriptName(Script script);

// The command line that starts `script` from `outDir`, with its console output going to its log
// when `withLog` (never for error.bat).
std::string StartCommandLine(Script script, std::string_view outDir, bool withLog);

// Whether the process `TaskID` still runs; a process that cannot be asked counts as ended.
bool IsTaskRunning(platform::Processes& processes, std::int32_t TaskID);

// Ends the process `TaskID` with exit code 1 if it still runs; failures are ignored.
void KillTask(platform::Processes& processes, std::int32_t TaskID);

// Starts `script` hidden in the output directory, keeps its id in `lngTaskID`, polls until it
// has ended or an end is asked for from outside, and terminates it. A script that cannot be
// started, or is not started because an end was asked for, leaves `lngTaskID` at 0, so nothing
// of an earlier start is watched or terminated.
void RunScript(mainwindow::FmrMain& window, Script script, bool withLog);

}  // namespace kavinor::conversion
