// kavinor: the desktop program. It lives in the tool directory, beside kvcmd, the two tools and
// icon.bmp, and shows the program's windows through Qt. A missing tool is no reason not to
// start: the notice tells where to get it, and a run without it ends in the failure message.
#include <QApplication>

#include "desktop_program.h"
#include "program_directory.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    kavinor::app::DesktopProgram kavinor(kavinor::platform::programDirectory());
    kavinor.program().start();
    return QApplication::exec();
}
