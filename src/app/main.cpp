// kavinor: the desktop program. It lives in the tool directory, beside kvcmd, the two tools and
// icon.bmp, and shows the program's windows through Qt. A missing tool is no reason not to
// start: the notice tells where to get it, and a run without it ends in the failure message.
#include <QApplication>
#include <QCoreApplication>

#include "front_end.h"
#include "program.h"
#include "program_directory.h"
#include "qt_event_loop.h"
#include "system_platform.h"
#include "window_fonts.h"

int main(int argc, char** argv) {
    using namespace kavinor;
    QApplication application(argc, argv);
    // The program ends when no window of it is loaded, not when Qt sees none shown.
    QApplication::setQuitOnLastWindowClosed(false);
    qt::installFontSubstitutes();
    QApplication::setWindowIcon(qt::programIcon());

    app::SystemPlatform system(platform::programDirectory());
    qt::QtEventLoop loop;
    program::Program program(system.get(), loop);
    const qt::FrontEnd frontEnd(program.windows());
    program.finished.connect([] { QCoreApplication::quit(); });
    program.start();
    return QApplication::exec();
}
