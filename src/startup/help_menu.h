#pragma once

#include "fmr_main.h"
#include "frm_about.h"

// The "?" menu of the main window: the tools download, two support mails, the error-log switch
// and the About window.

namespace kavinor::startup {

void mnuLink_Click(mainwindow::FmrMain& window);
void mnuFeature_Click(mainwindow::FmrMain& window);
void mnuBug_Click(mainwindow::FmrMain& window);
void mnuError_Click(mainwindow::FmrMain& window);
// Returns when the About window has been closed.
void mnuAbout_Click(FrmAbout& frmAbout);

}  // namespace kavinor::startup
