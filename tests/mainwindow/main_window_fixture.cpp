#include "main_window_fixture.h"

#include "test_files.h"

namespace kavinor::test {

MainWindow::MainWindow() {
    for (const char* name : {"dumpov2", "makeov2", "Werkzeug.ov2"}) writeFile(tools() / name, "x");
    for (const char* name : {"zoo.ov2", "Äpfel.ov2", "Birne.OV2", "note.asc", "Alt.asc"}) {
        writeFile(source() / name, "x");
    }
    test.program.start();
    test.program.frmSplash.cmdOK.click();
}

void MainWindow::confirm(forms::Button& opener, const std::filesystem::path& dir) {
    opener.click();
    window.Dir.setPath(dir.string());
    window.cmdOK.click();
}

std::string MainWindow::transferStates() const {
    std::string states;
    for (const forms::Control* c : std::initializer_list<const forms::Control*>{
             &window.cmdalleweg, &window.cmd1weg, &window.cmd1hin, &window.cmdallehin,
             &window.cmdKonvert, &window.lstAuswahl2}) {
        states += c->enabled() ? '1' : '0';
    }
    return states;
}

}  // namespace kavinor::test
