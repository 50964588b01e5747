#include "desktop_program.h"

#include <QApplication>
#include <QLibraryInfo>

#include "window_fonts.h"

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

DesktopProgram::DesktopProgram(const std::string& toolDirectory)
    : system_(toolDirectory), program_(system_.get(), loop_), frontEnd_(program_.windows()) {
    // The program ends when no window of it is loaded, not when Qt sees none shown.
    QApplication::setQuitOnLastWindowClosed(false);
    qt::installFontSubstitutes();
    QApplication::setWindowIcon(qt::programIcon());
    translateDialogs(dialogTexts_);
    program_.finished.connect([] { QCoreApplication::quit(); });
}

}  // namespace kavinor::app
