#pragma once

#include <string>

#include "control.h"
#include "window.h"

namespace kavinor::startup {

// The notice window that the program opens with: where the two conversion tools must lie and
// where to get them.
class FrmSplash final : public forms::Window {
public:
    explicit FrmSplash(forms::InputGate& gate);

    forms::Frame Frame1;
    forms::Button cmdOK;
    forms::Label lblInfo;
    forms::Label lblCopyright;
    forms::Label lblVersion;
    forms::Label lblProductName;

    // The confirmation: the main window comes up, and the notice is gone.
    void cmdOK_Click(forms::Window& fmrMain);

protected:
    void Form_Load() override;
};

// The nine lines of the notice, joined by CR LF.
std::string NoticeText();

}  // namespace kavinor::startup
