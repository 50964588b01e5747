#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

#include "front_end.h"
#include "iconv_code_pages.h"
#include "icu_collation.h"
#include "platform_doubles.h"
#include "posix_directory_fill.h"
#include "posix_path_test.h"
#include "program.h"
#include "qt_event_loop.h"
#include "qt_message_dialog.h"
#include "qt_save_dialog.h"
#include "repainting_processes.h"

namespace kavinor::test {

// The run's pauses, cut short: the windows still paint in each.
class BriefPause final : public platform::Pause {
public:
    void wait(std::int32_t milliseconds) override;
    std::vector<std::int32_t> waits;
};

// The whole program shown through the Qt front end, on the real file system with `processes`,
// a tool directory of the test's and one fixed drive, the root. Its dialogs are Qt's.
class QtProgram {
public:
    QtProgram(platform::Processes& processes, std::string toolDirectory);

    qt::WindowView& view(const forms::Window& window) const { return frontEnd.view(window); }
    // The widget of `name` in `window`, of the type the test expects.
    template <typename Widget>
    Widget* widget(const forms::Window& window, std::string_view name) const {
        return qobject_cast<Widget*>(view(window).widgetOf(name));
    }
    // Starts the program and confirms the notice with its "OK", as a user does. False when the
    // main window does not become the active window.
    [[nodiscard]] bool startToMainWindow();
    // Clicks the widget of `name` in `window` with the mouse.
    void click(const forms::Window& window, std::string_view name) const;
    // Moves the directory list to `path` as a user does: a double-click on the drive's root,
    // then Enter on each directory on the way down. False when it does not arrive there.
    [[nodiscard]] bool openDirectory(const std::string& path) const;

    qt::RepaintingProcesses processes;
    BriefPause pause;
    qt::QtSaveDialog dialog;
    qt::QtMessageDialog messages;
    RecordingLinks links;
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

// Answers the modal dialogs that the program shows, as a user would: a save dialog with
// `saveAs`, or a cancel while it is empty; a message box with OK. Records what each showed.
class DialogAnswers {
public:
    explicit DialogAnswers(QString fileName = {});

    struct Message {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        int buttons;
    };
    std::vector<Message> messages;
    int saveDialogs = 0;
    QStringList nameFilters;
    QStringList preselected;
    bool asksToOverwrite = true;
    QString saveAs;

private:
    void answer();
    QTimer timer_;
};

}  // namespace kavinor::test
