#pragma once

#include <array>

#include "fmr_main.h"
#include "frm_about.h"
#include "frm_splash.h"
#include "input_gate.h"
#include "platform.h"

namespace kavinor::program {

// The whole program without its front end: the three windows, every control's event wired to
// its handler, and the input gate they share. A front end shows the windows, hands the user's
// input to the controls and ends when `finished` is told.
class Program {
public:
    Program(platform::Platform& platform, forms::EventLoop& loop);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Loads and shows the notice window; nothing else runs until the user acts.
    void start();
    // Whether a window is still loaded: the program runs until none is.
    bool running() const;
    std::array<forms::Window*, 3> windows() { return {&frmSplash, &fmrMain, &frmAbout}; }

    forms::InputGate gate;
    startup::FrmAbout frmAbout;
    startup::FrmSplash frmSplash;
    mainwindow::FmrMain fmrMain;

    // The last window has been unloaded.
    forms::Signal<> finished;

private:
    void checkFinished();

    bool started_ = false;
};

}  // namespace kavinor::program
