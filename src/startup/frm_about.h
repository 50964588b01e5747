#pragma once

#include "control.h"
#include "window.h"

namespace kavinor::startup {

// The About window: product name, version, copyright; shown modally from the help menu.
class FrmAbout final : public forms::Window {
public:
    explicit FrmAbout(forms::InputGate& gate);

    forms::Button cmdOK;
    forms::Label lblVersion;
    forms::Label lblCopyright;
    forms::Label lblLogo;

protected:
    void Form_Load() override;
};

}  // namespace kavinor::startup
