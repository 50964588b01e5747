#include "help_menu.h"

#include <string>
#include <string_view>

#include "configuration.h"

namespace kavinor::startup {
namespace {

// Hands the link over whole; whether a program takes it is not reported.
void openLink(mainwindow::FmrMain& window, std::string_view target) {
    window.platform.links.open(window.platform.codePages.toAnsi(target));
}

std::string mailLink(std::string_view subject) {
    return "mailto:" + std::string(mainwindow::kSupportMail) + "?subject=" + std::string(subject);
}

}  // namespace

void mnuLink_Click(mainwindow::FmrMain& window) {
    openLink(window, mainwindow::kToolsAddress);
}

void mnuFeature_Click(mainwindow::FmrMain& window) {
    openLink(window, mailLink("Feature_request"));
}

void mnuBug_Click(mainwindow::FmrMain& window) {
    openLink(window, mailLink("Bug"));
}

void mnuError_Click(mainwindow::FmrMain& window) {
    window.mnuError.setChecked(!window.mnuError.checked());
}

void mnuAbout_Click(FrmAbout& frmAbout) {
    frmAbout.showModal();
}

}  // namespace kavinor::startup
