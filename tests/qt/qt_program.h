#pragma once

#include <QTest>
#include <QtWidgets>
#include <filesystem>
#include <string>
#include <string_view>

#include "front_end.h"
#include "iconv_code_pages.h"
#include "icu_collation.h"
#include "painting_processes.h"
#include "platform_doubles.h"
#include "posix_directory_fill.h"
#include "posix_path_test.h"
#include "program.h"
#include "qt_event_loop.h"
#include "qt_message_dialog.h"
#include "qt_save_dialog.h"
#include "repainting_pause.h"

namespace kavinor::test {

// The run's pauses, cut short: the windows still paint in each.
class BriefPause final : public platform::Pause {
public:
    void wait(std::int32_t) override { qt::runEventsFor(1); }
};

// The whole program shown through the Qt front end with Qt's dialogs, on the real file system
// with `processes`, a tool directory of the test's and one fixed drive, the root.
class QtProgram {
public:
    QtProgram(platform::Processes& system, std::string toolDirectory)
        : processes(system, pause),
          codePages("UTF-8", "UTF-8"),
          platform(processes, pause, paths, codePages, directories, drives, collation, links,
                   dialog, messages, endRequest, std::move(toolDirectory), '/'),
          program(platform, loop),
          frontEnd(program.windows()),
          window(program.fmrMain) {
        drives.table = {{"/", platform::kDriveFixed}};
    }

    qt::WindowView& view(const forms::Window& window) const { return frontEnd.view(window); }
    template <typename Widget = QWidget>
    Widget* widget(std::string_view name, const forms::Window* owner = nullptr) const {
        return qobject_cast<Widget*>(view(owner ? *owner : window).widgetOf(name));
    }

    // Starts the program and clicks the notice's "OK". False when the main window does not
    // become the active window, which owns the dialogs as on a desktop.
    [[nodiscard]] bool startToMainWindow() {
        program.start();
        click(program.frmSplash, "cmdOK");
        return QTest::qWaitForWindowActive(&view(window));
    }

    void click(const forms::Window& owner, std::string_view name) const {
        QWidget* target = view(owner).widgetOf(name);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
    }

    // Moves the directory list to `path` as a user does: a double-click on the drive's root,
    // then Enter on each directory on the way down. False when it does not arrive there.
    [[nodiscard]] bool openDirectory(const std::string& path) const {
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

    BriefPause pause;
    platform::PaintingProcesses processes;
    qt::QtSaveDialog dialog;
    qt::QtMessageDialog messages;
    RecordingLinks links;
    platform::NoEndRequest endRequest;
    FakeDrives drives;
    platform::PosixPathTest paths;
    platform::PosixDirectoryFill directories;
    platform::IconvCodePages codePages;
    platform::IcuCollation collation;
    platform::Platform platform;
    qt::QtEventLoop loop;
    program::Program program;
    qt::FrontEnd frontEnd;
    mainwindow::FmrMain& window;
};

}  // namespace kavinor::test
