#include "conversion_run.h"

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "atomic_file.h"
#include "configuration.h"
#include "error_bundle.h"
#include "name_fold.h"
#include "run_checks.h"
#include "script_file.h"
#include "step_scripts.h"
#include "system_text.h"
#include "task.h"
#include "winpath.h"

namespace kavinor::conversion {
namespace {

namespace fs = std::filesystem;
using mainwindow::FmrMain;

constexpr const char* kFilter = "LUV-Dateien (*.ov2)|*.ov2";
constexpr const char* kScratchName = "KonvertTemp";

// Whether the interpreter, which finds names without regard to case, would find `path`.
bool isTaken(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(winpath::resolve(sys::textOf(path)), ec));
}

std::string stepCaption(int step) {
    return "*** Bitte warten ! Schritt " + std::to_string(step) + " / 4 ***";
}

// The unfinished outputs of tools in `dir`: a tool that was ended from outside leaves one.
std::set<fs::path> toolTemporaries(const fs::path& dir) {
    std::set<fs::path> found;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (isTemporaryName(it->path().filename().string())) found.insert(it->path());
    }
    return found;
}

// Steps 1 to 4 of one run. Each failing operation is skipped and the run goes on, but the run
// keeps track of whether every chosen file reached komplett.txt; when one did not, step 3 is
// left out, so an earlier output of the chosen name stays as it was. After an end asked for from
// outside no script starts and no pause is made: the run only cleans up.
class ConversionSteps {
public:
    explicit ConversionSteps(FmrMain& window)
        : window_(window), outDir_(NativePath(window, window.strOutDir)) {}

    // Whether this run wrote the output and it holds every chosen file.
    bool run(const std::string& outputPath);

private:
    void konvert();
    void komplett();
    void asc2ov2();
    void tidyUp();

    bool ended() const { return window_.platform.endRequest.requested(); }
    void pause(std::int32_t milliseconds) {
        if (!ended()) window_.Wait(milliseconds);
    }
    bool writeAndRun(Script script, const std::vector<std::string>& lines);
    std::optional<fs::path> makeScratch();
    std::vector<fs::path> namesOf(const std::vector<std::string>& texts) const;
    const std::vector<std::string>& entries() const { return window_.lstAuswahl2.entries(); }

    FmrMain& window_;
    const fs::path outDir_;

    bool complete_ = true;
    std::optional<fs::path> scratch_;
    std::optional<std::uintmax_t> expectedSize_;
    std::set<fs::path> temporariesBefore_;
};

bool ConversionSteps::run(const std::string& outputPath) {
    platform::PathTest& paths = window_.platform.paths;
    const std::string nativeOutput = window_.platform.codePages.toAnsi(outputPath);
    const std::optional<platform::FileStamp> before = paths.stamp(nativeOutput);
    if (const std::optional<std::string> refusal = RefusalReason(window_)) {
        // The failure message promises an Error.bug while the error log is on.
        if (window_.mnuError.checked()) WriteRefusalBundle(window_, *refusal);
        return false;
    }

    temporariesBefore_ = toolTemporaries(outDir_);
    if (window_.bolOv2Mode) konvert();
    window_.cmdKonvert.setCaption(stepCaption(2));
    pause(3000);
    komplett();
    window_.cmdKonvert.setCaption(stepCaption(3));
    asc2ov2();
    window_.cmdKonvert.setCaption(stepCaption(4));
    pause(3000);
    tidyUp();

    const std::optional<platform::FileStamp> after = paths.stamp(nativeOutput);
    return complete_ && after && after != before;
}

bool ConversionSteps::writeAndRun(Script script, const std::vector<std::string>& lines) {
    // An older script of that name, left because this one could not be written, is not run.
    if (!WriteScript(outDir_ / ScriptName(script), lines, window_.platform.codePages)) {
        return false;
    }
    RunScript(window_, script, window_.mnuError.checked());
    return true;
}

// A directory of a name that nothing in the output directory has yet, whatever the letter case,
// and that is not the output's name.
std::optional<fs::path> ConversionSteps::makeScratch() {
    for (int number = 1; number <= 100; ++number) {
        const std::string name = number == 1 ? kScratchName : kScratchName + std::to_string(number);
        std::error_code ec;
        if (winpath::equalFolded(name, window_.strOutName) || isTaken(outDir_ / name)) continue;
        if (fs::create_directory(outDir_ / name, ec)) return name;
        if (ec) return std::nullopt;
    }
    return std::nullopt;
}

std::vector<fs::path> ConversionSteps::namesOf(const std::vector<std::string>& texts) const {
    std::vector<fs::path> names;
    for (const std::string& text : texts) names.push_back(NativePath(window_, text));
    return names;
}

// Step 1, .ov2 input only: one text per chosen file, in a scratch directory of the run's own,
// so that neither other .asc files of the output directory are merged nor are they deleted.
void ConversionSteps::konvert() {
    scratch_ = makeScratch();
    if (!scratch_) {
        complete_ = false;
        return;
    }
    const std::string workDir = window_.strOutDir + scratch_->string();
    writeAndRun(Script::Konvert, KonvertLines(workDir, window_.platform.toolDirectory,
                                              window_.strSourceDir, entries()));
    std::vector<std::string> texts;
    for (const std::string& entry : entries()) {
        if (std::optional<std::string> text = TextName(entry)) texts.push_back(std::move(*text));
    }
    expectedSize_ = TotalSize(outDir_ / *scratch_, namesOf(texts));
    if (texts.size() != entries().size() || !expectedSize_) complete_ = false;
}

// Step 2: komplett.txt joins the texts; it must be as long as they are together.
void ConversionSteps::komplett() {
    std::error_code ec;
    const fs::path joined = outDir_ / "komplett.txt";
    fs::remove(joined, ec);
    if (window_.bolOv2Mode) {
        if (!scratch_) return;
        writeAndRun(Script::Komplett, KomplettOv2Lines(window_.strOutDir + scratch_->string()));
    } else {
        // A ConvertTemp that is there already is not the run's: its files would be merged and
        // could be overwritten and deleted.
        if (isTaken(outDir_ / "ConvertTemp")) {
            complete_ = false;
            return;
        }
        scratch_ = "ConvertTemp";
        expectedSize_ = TotalSize(NativePath(window_, window_.strSourceDir), namesOf(entries()));
        writeAndRun(Script::Komplett,
                    KomplettAscLines(window_.strOutDir, window_.strSourceDir, entries()));
    }
    if (!expectedSize_ || !JoinedWhole(joined, *expectedSize_)) {
        complete_ = false;
    }
}

void ConversionSteps::asc2ov2() {
    if (!complete_) return;
    if (!writeAndRun(
            Script::Asc2ov2,
            Asc2ov2Lines(window_.strOutDir, window_.platform.toolDirectory, window_.strOutName))) {
        complete_ = false;
    }
}

// Step 4, and the removal of the scratch directory with the texts of step 1 or the copies of
// .asc input; after an end from outside, also of what the ended tools left unfinished.
void ConversionSteps::tidyUp() {
    std::error_code ignored;
    if (window_.mnuError.checked()) {
        RunErrorBundle(window_);
    } else {
        for (const char* name : {"komplett.bat", "komplett.txt", "konvert.bat", "asc2ov2.bat"}) {
            fs::remove(outDir_ / name, ignored);
        }
    }
    if (ended()) {
        for (const fs::path& left : toolTemporaries(outDir_)) {
            if (!temporariesBefore_.contains(left)) fs::remove(left, ignored);
        }
    }
    if (scratch_) fs::remove_all(outDir_ / *scratch_, ignored);
}

void reportFailure(FmrMain& window) {
    std::string text =
        "Fehler bei Dateierstellung!\r\n"
        "Bitte ERROR-LOG einschalten und Vorgang erneut ausführen!\r\n"
        "Die Datei ERROR.BUG wird im Zielverzeichnis erstellt!\r\n"
        "Diese Datei bitte per eMail an ";
    text.append(mainwindow::kSupportMail).append(" senden!");
    window.platform.messages.show(text, platform::kStyleStop, "Fehler");
}

void reportSuccess(FmrMain& window, const std::string& outputPath) {
    window.platform.messages.show("Komplette .ov2 Datei wurde erfolgreich erstellt !",
                                  platform::kStyleInformation, "Konvertierung beendet");
    window.txtov2.setText(outputPath);
    window.txtov2.setVisible(true);
    window.lblPfad.setVisible(true);
    window.strSourceDir = window.File.path();
    window.strPattern = window.strSourceDir + (window.bolOv2Mode ? "\\*.ov2" : "\\*.asc");
    window.FillSourceList();
}

}  // namespace

void cmdKonvert_Click(FmrMain& window) {
    platform::SaveDialog& dialog = window.platform.saveDialog;
    dialog.setFilter(kFilter);
    dialog.setFilterIndex(1);
    const bool chosen = dialog.showSave();
    const std::string chosenPath = dialog.fileName();
    const std::size_t cut = chosenPath.rfind(window.platform.separator);
    window.strOutName = cut == std::string::npos ? chosenPath : chosenPath.substr(cut + 1);
    window.strOutDir = chosenPath.substr(0, chosenPath.size() - window.strOutName.size());
    // A cancelled dialog still holds the name of its last use; the click ends all the same.
    if (!chosen || chosenPath.empty()) return;

    window.cmdKonvert.setCaption(stepCaption(1));
    window.Wait(2000);
    const bool wroteAll = ConversionSteps(window).run(chosenPath);
    window.cmdKonvert.setCaption("LUV Datei erstellen");
    // The program ends now: no message waits for the user.
    if (window.platform.endRequest.requested()) return;

    const std::string outputPath = dialog.fileName();
    if (wroteAll && window.IsFilePath(outputPath)) {
        reportSuccess(window, outputPath);
    } else {
        reportFailure(window);
    }
}

}  // namespace kavinor::conversion
