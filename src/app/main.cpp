// kavinor: the desktop program. It lives in the tool directory, beside kvcmd, the two tools and
// icon.bmp, and shows the program's windows through Qt. A missing tool is no reason not to
// start: the notice tells where to get it, and a run without it ends in the failure message.
// Without a display it says so and ends; a signal ends it after a run has cleaned up.
#include <QApplication>

#include "desktop_program.h"
#include "display_guard.h"
#include "program_directory.h"
#include "signal_end_request.h"

int main(int argc, char** argv) {
    const std::string toolDirectory = kavinor::platform::programDirectory();
    kavinor::app::DisplayGuard display(toolDirectory);
    QApplication application(argc, argv);
    display.release();
    int status = 0;
    int endSignal = 0;
    {
        kavinor::app::DesktopProgram kavinor(toolDirectory);
        kavinor.program().start();
        status = QApplication::exec();
        endSignal = kavinor.endSignal();
    }
    // Cleaned up after a signal, the program ends as that signal ends one.
    if (endSignal != 0) kavinor::platform::endBySignal(endSignal);
    return status;
}
