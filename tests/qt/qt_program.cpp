#include "qt_program.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
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
      platform{processes,
               pause,
               paths,
               codePages,
               directories,
               drives,
               collation,
               links,
               dialog,
               messages,
               std::move(toolDirectory),
               '/'},
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
    const auto rowOf = [dir](const QString& name) {
        for (int row = 0; row < dir->count(); ++row) {
            if (dir->item(row)->text().trimmed() == name) return row;
        }
        return -1;
    };
    // A double-click is a click and a second press that the system reports as one.
    const QPoint root = dir->visualItemRect(dir->item(0)).center();
    QTest::mouseClick(dir->viewport(), Qt::LeftButton, {}, root);
    QTest::mouseDClick(dir->viewport(), Qt::LeftButton, {}, root);
    for (const auto& part : std::filesystem::path(path).relative_path()) {
        dir->setCurrentRow(rowOf(QString::fromStdString(part.string())));
        QTest::keyClick(dir, Qt::Key_Return);
    }
    return window.Dir.path() == path;
}

DialogAnswers::DialogAnswers(QString fileName) : saveAs(std::move(fileName)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
    timer_.start(5);
}

void DialogAnswers::answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        messages.push_back({box->windowTitle(), box->text(), box->icon(), box->buttons().size()});
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
        ++saveDialogs;
        nameFilters = dialog->nameFilters();
        preselected = dialog->selectedFiles();
        asksToOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        // Typed names open the completion list, which would take the Return.
        name->setText(saveAs);
        QTest::keyClick(name, saveAs.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
    }
}

}  // namespace kavinor::test
