#include "task.h"

#include <optional>

namespace kavinor::conversion {

std::string_view ScriptName(Script script) {
    switch (script) {
        case Script::Konvert:
            return "konvert.bat";
        case Script::Komplett:
            return "komplett.bat";
        case Script::Asc2ov2:
            return "asc2ov2.bat";
        case Script::Error:
            break;
    }
    return "error.bat";
}

std::string StartCommandLine(Script script, std::string_view outDir, bool withLog) {
    std::string line = "\"";
    line.append(outDir).append(ScriptName(script));
    if (!withLog || script == Script::Error) return line.append("\"");
    // The blanks differ from script to script; the interpreter ignores a blank before the
    // closing quotation mark.
    switch (script) {
        case Script::Konvert:
            return line.append("\" >konvert.log");
        case Script::Komplett:
            return line.append(" \" >komplett.log");
        case Script::Asc2ov2:
        case Script::Error:
            break;
    }
    return line.append(" \">asc2ov2.log");
}

bool IsTaskRunning(platform::Processes& processes, std::int32_t TaskID) {
    return processes.isRunning(TaskID);
}

void KillTask(platform::Processes& processes, std::int32_t TaskID) {
    processes.terminate(TaskID);
}

void RunScript(mainwindow::FmrMain& window, Script script, bool withLog) {
    platform::Platform& platform = window.platform;
    window.lngTaskID = 0;
    if (platform.endRequest.requested()) return;
    const platform::CodePages& pages = platform.codePages;
    const std::optional<platform::ProcessId> id =
        platform.processes.start(pages.toAnsi(StartCommandLine(script, window.strOutDir, withLog)),
                                 pages.toAnsi(window.strOutDir));
    window.lngTaskID = id.value_or(0);
    // An end asked for from outside stops the watch; the terminate then ends the script early.
    while (IsTaskRunning(platform.processes, window.lngTaskID) &&
           !platform.endRequest.requested()) {
    }
    KillTask(platform.processes, window.lngTaskID);
}

}  // namespace kavinor::conversion
