#include "error_bundle.h"

#include <exception>
#include <filesystem>
#include <system_error>

#include "atomic_file.h"
#include "name_fold.h"
#include "run_checks.h"
#include "script_file.h"
#include "step_scripts.h"
#include "system_text.h"
#include "task.h"
#include "winpath.h"

namespace kavinor::conversion {
namespace {

constexpr const char* kRule = "------------------------------------";

}  // namespace

std::vector<std::string> ErrorBatLines(std::string_view outDir, std::string_view version) {
    std::string versionLine = "echo Kavinor ";
    versionLine.append(version).append(" >version.txt");
    return {CdLine(outDir),
            versionLine,
            std::string("echo ") + kRule + " >strich.txt",
            "dir >dir.txt",
            "date /t >date.txt",
            "time /t >time.txt",
            "copy version.txt+strich.txt+date.txt+Time.txt+strich.txt+konvert.bat+strich.txt+"
            "komplett.bat+strich.txt+asc2ov2.bat+strich.txt+Dir.txt Error.bug",
            "copy error.bug+strich.txt+konvert.log+strich.txt+komplett.log+strich.txt+"
            "asc2ov2.log+strich.txt+ascov2.log",
            "del date.txt",
            "del time.txt",
            "del dir.txt",
            "del strich.txt",
            "del komplett.bat",
            "del komplett.txt",
            "del konvert.bat",
            "del asc2ov2.bat",
            "del version.txt",
            "del konvert.log",
            "del asc2ov2.log",
            "del komplett.log"};
}

void RunErrorBundle(mainwindow::FmrMain& window) {
    // The system's name of the directory, as for every other file of the run.
    const std::filesystem::path script =
        NativePath(window, window.strOutDir) / ScriptName(Script::Error);
    // A script that could not be written is never started: an older one of that name is not
    // this run's.
    const std::vector<std::string> lines = ErrorBatLines(window.strOutDir, window.strVersion);
    if (!WriteScript(script, lines, window.platform.codePages)) return;
    RunScript(window, Script::Error, false);
    std::error_code ignored;
    std::filesystem::remove(script, ignored);
    // An end asked for from outside stopped error.bat or kept it from starting: its deletions are
    // made here, so that no file of the run stays.
    if (!window.platform.endRequest.requested()) return;
    for (const std::string& line : lines) {
        if (line.starts_with("del ")) {
            std::filesystem::remove(script.parent_path() / NativePath(window, line.substr(4)),
                                    ignored);
        }
    }
}

void WriteRefusalBundle(const mainwindow::FmrMain& window, const std::string& reason) {
    if (winpath::equalFolded(window.strOutName, "Error.bug")) return;
    const platform::CodePages& pages = window.platform.codePages;
    // The same head as the bundle of error.bat; an Error.bug of another letter case is replaced,
    // as the interpreter would.
    const std::string text = "Kavinor " + window.strVersion + " \r\n" + kRule + " \r\n" +
                             "Lauf vor dem ersten Skript abgebrochen:\r\n" + reason + "\r\n";
    try {
        AtomicFile bug(
            winpath::resolve(sys::textOf(NativePath(window, window.strOutDir) / "Error.bug")),
            "Error.bug");
        bug.write(pages.toAnsi(text));
        bug.commit();
    } catch (const std::exception&) {
        // The failure message follows all the same; there is nothing more to tell.
    }
}

}  // namespace kavinor::conversion
