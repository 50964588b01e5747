#include "desktop_program.h"

#include <QApplication>
#include <QLibraryInfo>

namespace kavinor::app {
namespace {

// Qt's own dialogs speak German, as the windows do.
void translateDialogs(QTranslator& texts) {
    if (texts.load(QStringLiteral("qtbase_de"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&texts);
    }
}

}  // namespace

DesktopProgram::QtSetup::QtSetup() {
    // The program ends when no window of it is loaded, not when Qt sees none shown.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(qt::programIcon());
    translateDialogs(dialogTexts);
}

DesktopProgram::DesktopProgram(const std::string& toolDirectory)
    : system_(toolDirectory),
      program_(system_.get(), loop_),
      frontEnd_(program_.windows()),
      endWatch_(system_.endRequest().wakeDescriptor(), QSocketNotifier::Read) {
    program_.finished.connect([] { QCoreApplication::quit(); });
    // Every event loop returns, the main one last: a run in the middle of a step sees the request
    // in its next poll, ends its script and cleans up before the main loop gets back control.
    QObject::connect(&endWatch_, &QSocketNotifier::activated, [this] {
        endWatch_.setEnabled(false);
        QCoreApplication::exit(128 + endSignal());
    });
}

}  // namespace kavinor::app
