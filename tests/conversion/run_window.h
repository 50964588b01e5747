#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "configuration.h"
#include "test_program.h"

namespace kavinor::test {

using Files = std::map<std::string, std::string>;
using Lines = std::vector<std::string>;

// The loaded main window on the real file system, with processes that record each start. It
// notes the run's captions, pauses, starts and messages in their order, and checks at each of
// them that no control has changed its enabled state since the click.
class RunWindow : public TestProgram {
public:
    RunWindow(FakeProcesses& processes, const std::filesystem::path& toolDir,
              platform::IconvCodePages codePages = platform::IconvCodePages("UTF-8", "UTF-8"));

    // The state a confirmed source choice and a filled target list leave.
    void choose(bool ov2Mode, const std::filesystem::path& sourceDir, const Lines& targets);
    // Clicks the conversion button with the dialog answering `outputPath`.
    void convert(const std::filesystem::path& outputPath);

    // "<caption> wait <ms>", "<caption> start <the start line from the script's name on>",
    // "<caption> message".
    Lines events;
    // The files of the directory where error.bat started, as they were then.
    Files atErrorBat;
    // Acts as the script would, or on what it finds, before it runs.
    std::function<void(const FakeProcesses::Start&)> atStart;

    // What the window shows and holds of the run's outcome, one line each.
    Lines state() const;

private:
    void note(const std::string& event);
    std::vector<bool> enabledStates() const;

    std::vector<bool> enabledAtClick_;
};

inline const ShownMessage kFailure{
    std::string("Fehler bei Dateierstellung!\r\nBitte ERROR-LOG einschalten und Vorgang erneut "
                "ausführen!\r\nDie Datei ERROR.BUG wird im Zielverzeichnis erstellt!\r\n"
                "Diese Datei bitte per eMail an ") +
        std::string(mainwindow::kSupportMail) + " senden!",
    16, "Fehler"};
inline const ShownMessage kSuccess{"Komplette .ov2 Datei wurde erfolgreich erstellt !", 64,
                                   "Konvertierung beendet"};

}  // namespace kavinor::test
