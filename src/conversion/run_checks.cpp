#include "run_checks.h"

#include <array>
#include <fstream>
#include <set>
#include <system_error>

#include "name_fold.h"
#include "step_scripts.h"
#include "system_text.h"
#include "winpath.h"

namespace kavinor::conversion {
namespace {

namespace fs = std::filesystem;

// Files in the output directory that a run writes and removes; an output of such a name would
// be lost to the run's own clean-up.
constexpr std::array<std::string_view, 15> kRunFiles = {
    "konvert.bat", "komplett.bat", "asc2ov2.bat", "error.bat", "komplett.txt",
    "konvert.log", "komplett.log", "asc2ov2.log", "Error.bug", "version.txt",
    "strich.txt",  "dir.txt",      "date.txt",    "time.txt",  "ConvertTemp"};

// What the Windows interpreter's `copy` puts after a join of texts.
constexpr int kCtrlZ = 0x1A;

bool isRunFile(std::string_view name) {
    for (const std::string_view own : kRunFiles) {
        if (winpath::equalFolded(own, name)) return true;
    }
    return false;
}

// The name each chosen file has in the directory where the scripts gather them; the
// interpreter does not tell names apart by letter case, so neither may two of these.
std::optional<std::string> gatheredName(bool ov2Mode, const std::string& entry) {
    if (!ov2Mode) return entry;
    return TextName(entry);
}

// The .ov2 source is named by its base and ".ov2" in lower case, which the interpreter finds
// without regard to case; another file that it would find first must not be there.
bool namesOwnSource(const mainwindow::FmrMain& window, const std::string& entry) {
    const std::string written = window.strSourceDir + "\\" + *DropLastCharacters(entry, 4) + ".ov2";
    const fs::path found = winpath::resolve(sys::textOf(NativePath(window, written)));
    std::error_code ec;
    if (!fs::exists(found, ec)) return true;
    return fs::equivalent(found,
                          NativePath(window, window.strSourceDir) / NativePath(window, entry), ec);
}

}  // namespace

fs::path NativePath(const mainwindow::FmrMain& window, std::string_view text) {
    return sys::pathFromSystemText(window.platform.codePages.toAnsi(text));
}

std::optional<std::string> RefusalReason(const mainwindow::FmrMain& window) {
    const mainwindow::ScriptSafeNames& safe = window.safeNames;
    const auto unsafe = [](const char* what, std::string_view text) {
        return std::string(what) + " kann in keiner Skriptzeile stehen: " + std::string(text);
    };
    if (!safe.isSafePath(window.strOutDir)) return unsafe("Das Zielverzeichnis", window.strOutDir);
    if (!safe.isSafePath(window.strSourceDir)) {
        return unsafe("Das Quellverzeichnis", window.strSourceDir);
    }
    if (!safe.isSafePath(window.platform.toolDirectory)) {
        return unsafe("Das Programmverzeichnis", window.platform.toolDirectory);
    }
    if (!safe.isSafeName(window.strOutName)) return unsafe("Der Dateiname", window.strOutName);
    if (isRunFile(window.strOutName)) {
        return "Der Dateiname ist der einer Arbeitsdatei des Laufs: " + window.strOutName;
    }
    std::set<std::vector<std::uint64_t>> gathered;
    for (const std::string& entry : window.lstAuswahl2.entries()) {
        const std::optional<std::string> name = gatheredName(window.bolOv2Mode, entry);
        if (!name || !safe.isSafeName(entry)) return unsafe("Die gewählte Datei", entry);
        if (!gathered.insert(winpath::foldCharacters(*name)).second) {
            return "Zwei gewählte Dateien unterscheiden sich nur in der Schreibweise: " + entry;
        }
        if (window.bolOv2Mode && !namesOwnSource(window, entry)) {
            return "Die Skriptzeile für " + entry + " fände eine andere Datei";
        }
    }
    return std::nullopt;
}

std::optional<std::uintmax_t> TotalSize(const fs::path& dir, const std::vector<fs::path>& names) {
    std::uintmax_t total = 0;
    for (const fs::path& name : names) {
        std::error_code ec;
        const fs::path file = dir / name;
        if (!fs::is_regular_file(file, ec)) return std::nullopt;
        const std::uintmax_t size = fs::file_size(file, ec);
        if (ec) return std::nullopt;
        total += size;
    }
    return total;
}

bool JoinedWhole(const fs::path& joined, std::uintmax_t expected) {
    const std::optional<std::uintmax_t> size = TotalSize(joined.parent_path(), {joined.filename()});
    if (size == expected) return true;
    if (size != expected + 1) return false;
    std::ifstream file(joined, std::ios::binary);
    file.seekg(-1, std::ios::end);
    return file.get() == kCtrlZ;
}

}  // namespace kavinor::conversion
