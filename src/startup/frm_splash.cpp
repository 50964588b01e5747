#include "frm_splash.h"

#include <array>
#include <string_view>

#include "configuration.h"
#include "startup_texts.h"

namespace kavinor::startup {
namespace {

using forms::Align;
using forms::Kind;

constexpr std::array kControls{
    forms::ControlLayout{"Frame1", Kind::Frame, "", "", {240, 120, 6825, 4635}, 0},
    forms::ControlLayout{"cmdOK", Kind::Button, "Frame1", "OK", {2880, 4080, 1215, 375}, 4},
    forms::ControlLayout{"lblInfo",
                         Kind::Label,
                         "Frame1",
                         "Info",
                         {3225, 1920, 375, 195},
                         5,
                         {"MS Sans Serif", 8.25, true},
                         Align::Center,
                         true},
    forms::ControlLayout{"lblCopyright",
                         Kind::Label,
                         "Frame1",
                         kCopyright,
                         {2400, 1320, 2655, 255},
                         1,
                         {"Arial", 8.25, false}},
    forms::ControlLayout{"lblVersion",
                         Kind::Label,
                         "Frame1",
                         "Version",
                         {3270, 960, 885, 285},
                         2,
                         {"Arial", 12, true},
                         Align::Right,
                         true},
    forms::ControlLayout{"lblProductName",
                         Kind::Label,
                         "Frame1",
                         "Kavinor",
                         {1680, 240, 3735, 765},
                         3,
                         {"Arial", 32.25, true},
                         Align::Left,
                         true},
};

constexpr forms::WindowLayout kLayout{
    "frmSplash", "", forms::Border::FixedDialog, false, false, false, false, 7230, 4935, true,
    kControls,   {}};

}  // namespace

FrmSplash::FrmSplash(forms::InputGate& gate) : forms::Window(kLayout, gate) {
    add("Frame1", Frame1);
    add("cmdOK", cmdOK);
    add("lblInfo", lblInfo);
    add("lblCopyright", lblCopyright);
    add("lblVersion", lblVersion);
    add("lblProductName", lblProductName);
}

void FrmSplash::Form_Load() {
    lblVersion.setCaption(std::string(kVersionText));
    lblInfo.setCaption(NoticeText());
}

void FrmSplash::cmdOK_Click(forms::Window& fmrMain) {
    fmrMain.show();
    unload();
}

std::string NoticeText() {
    const std::array<std::string_view, 9> lines{
        "ACHTUNG :",
        "Damit dieses Programm einwandfrei funktioniert müssen die ",
        "Programme 'makeov2.exe' und 'dumpov2.exe'in das Programmverzeichnis",
        " kopiert werden! Diese Dateien können unter der Adresse ",
        mainwindow::kToolsAddress,
        "heruntergeladen werden! Die zwei Dateien müssen entpackt(!)",
        " im Programmverzeichnis vorliegen !",
        "",
        " ( Link ist auch im Hilfemenu hinterlegt! )",
    };
    std::string text(lines.front());
    for (std::size_t i = 1; i < lines.size(); ++i) text.append("\r\n").append(lines[i]);
    return text;
}

}  // namespace kavinor::startup
