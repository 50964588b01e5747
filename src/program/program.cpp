#include "program.h"

#include "conversion_run.h"
#include "help_menu.h"

namespace kavinor::program {

Program::Program(platform::Platform& platform, forms::EventLoop& loop)
    : gate(loop), frmAbout(gate), frmSplash(gate), fmrMain(platform, gate, frmSplash, frmAbout) {
    frmSplash.cmdOK.clicked.connect([this] { frmSplash.cmdOK_Click(fmrMain); });
    fmrMain.cmdKonvert.clicked.connect([this] { conversion::cmdKonvert_Click(fmrMain); });
    fmrMain.mnuLink.clicked.connect([this] { startup::mnuLink_Click(fmrMain); });
    fmrMain.mnuFeature.clicked.connect([this] { startup::mnuFeature_Click(fmrMain); });
    fmrMain.mnuBug.clicked.connect([this] { startup::mnuBug_Click(fmrMain); });
    fmrMain.mnuError.clicked.connect([this] { startup::mnuError_Click(fmrMain); });
    fmrMain.mnuAbout.clicked.connect([this] { startup::mnuAbout_Click(frmAbout); });
    for (forms::Window* window : windows()) {
        window->changed.connect([this] { checkFinished(); });
    }
}

void Program::start() {
    started_ = true;
    frmSplash.show();
}

bool Program::running() const {
    return frmSplash.loaded() || fmrMain.loaded() || frmAbout.loaded();
}

void Program::checkFinished() {
    if (started_ && !running()) {
        started_ = false;
        finished.emit();
    }
}

}  // namespace kavinor::program
