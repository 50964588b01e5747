#include "frm_about.h"

#include <array>
#include <string>

#include "startup_texts.h"

namespace kavinor::startup {
namespace {

using forms::Align;
using forms::Kind;

constexpr std::array kControls{
    forms::ControlLayout{"cmdOK", Kind::Button, "", "OK", {2040, 2520, 1335, 495}, 0},
    forms::ControlLayout{"lblVersion",
                         Kind::Label,
                         "",
                         "Version 0.6",
                         {2040, 1200, 1275, 285},
                         3,
                         {"Arial", 12, true},
                         Align::Right,
                         true},
    forms::ControlLayout{"lblCopyright",
                         Kind::Label,
                         "",
                         kCopyright,
                         {1800, 1680, 2655, 255},
                         2,
                         {"Arial", 8.25, false}},
    forms::ControlLayout{"lblLogo",
                         Kind::Label,
                         "",
                         "Kavinor",
                         {1440, 360, 3135, 615},
                         1,
                         {"MS Sans Serif", 24, true}},
};

constexpr forms::WindowLayout kLayout{
    "frmAbout", "About", forms::Border::FixedSingle, true, true, true, false, 5385, 3195, true,
    kControls,  {}};

}  // namespace

FrmAbout::FrmAbout(forms::InputGate& gate) : forms::Window(kLayout, gate) {
    add("cmdOK", cmdOK);
    add("lblVersion", lblVersion);
    add("lblCopyright", lblCopyright);
    add("lblLogo", lblLogo);
    cmdOK.clicked.connect([this] { unload(); });
}

void FrmAbout::Form_Load() {
    lblVersion.setCaption(std::string(kVersionText));
}

}  // namespace kavinor::startup
