#include "run_window.h"

#include "configuration.h"
#include "conversion_run.h"

namespace kavinor::test {

RunWindow::RunWindow(platform::Processes& processes, const std::filesystem::path& toolDir,
                     platform::IconvCodePages pages)
    : TestProgram(processes, toolDir.string(), std::move(pages)) {
    window.load();
}

void RunWindow::choose(bool ov2Mode, const std::filesystem::path& sourceDir,
                       const std::vector<std::string>& targets) {
    window.bolOv2Mode = ov2Mode;
    window.strSourceDir = sourceDir.string();
    window.strPattern = window.strSourceDir + (ov2Mode ? "\\*.ov2" : "\\*.asc");
    window.File.setPath(sourceDir.string());
    window.lstAuswahl2.clear();
    for (const std::string& name : targets) window.lstAuswahl2.add(name);
}

void RunWindow::convert(const std::filesystem::path& outputPath) {
    dialog.answer(true, outputPath.string());
    conversion::cmdKonvert_Click(window);
}

ShownMessage failureMessage() {
    return {std::string("Fehler bei Dateierstellung!\r\n"
                        "Bitte ERROR-LOG einschalten und Vorgang erneut ausführen!\r\n"
                        "Die Datei ERROR.BUG wird im Zielverzeichnis erstellt!\r\n"
                        "Diese Datei bitte per eMail an ") +
                std::string(mainwindow::kSupportMail) + " senden!",
            16, "Fehler"};
}

ShownMessage successMessage() {
    return {"Komplette .ov2 Datei wurde erfolgreich erstellt !", 64, "Konvertierung beendet"};
}

}  // namespace kavinor::test
