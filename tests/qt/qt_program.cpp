#include "qt_program.h"

#include <QListWidget>
#include <QRegularExpression>
#include <QTest>
#include <filesystem>

#include "repainting_pause.h"

namespace kavinor::test {

void BriefPause::wait(std::int32_t) {
    qt::runEventsFor(1);
}

QtProgram::QtProgram(platform::Processes& system, std::string toolDirectory)
    : processes(system),
      codePages("UTF-8", "UTF-8"),
      platform(processes, pause, paths, codePages, directories, drives, collation, links, dialog,
               messages, std::move(toolDirectory), '/'),
      program(platform, loop),
      frontEnd(program.windows()),
      window(program.fmrMain) {
    drives.table = {{"/", platform::kDriveFixed}};
}

bool QtProgram::startToMainWindow() {
    program.start();
    click(program.frmSplash, "cmdOK");
    // As on a desktop, the main window becomes the active one, which owns the dialogs.
    return QTest::qWaitForWindowActive(&view(window));
}

void QtProgram::click(const forms::Window& owner, std::string_view name) const {
    QWidget* target = view(owner).widgetOf(name);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
}

bool QtProgram::openDirectory(const std::string& path) const {
    auto* dir = widget<QListWidget>("Dir");
    // A double-click is a click and a second press that the system reports as one.
    const QPoint root = dir->visualItemRect(dir->item(0)).center();
    QTest::mouseClick(dir->viewport(), Qt::LeftButton, {}, root);
    QTest::mouseDClick(dir->viewport(), Qt::LeftButton, {}, root);
    for (const auto& part : std::filesystem::path(path).relative_path()) {
        const QString name = QRegularExpression::escape(QString::fromStdString(part.string()));
        // The entries are indented by their depth.
        dir->setCurrentItem(
            dir->findItems("^\\s*" + name + "$", Qt::MatchRegularExpression).value(0));
        QTest::keyClick(dir, Qt::Key_Return);
    }
    return window.Dir.path() == path;
}

}  // namespace kavinor::test
