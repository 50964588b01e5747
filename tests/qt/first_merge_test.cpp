#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>
#include <csignal>
#include <filesystem>

#include "desktop_program.h"
#include "main_window_pixels.h"
#include "poi_files.h"
#include "posix_processes.h"
#include "qt_program.h"
#include "run_tool.h"
#include "temp_dir.h"
#include "test_files.h"

// The three windows through the real Qt widgets at 96 dpi, clicked through a newcomer's first
// merge with the real interpreter and tools; the program's end by a signal, and its start
// without a display.

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;

void expectPlaces(const qt::WindowView& view, QSize client, const std::vector<PixelPlace>& places) {
    EXPECT_EQ(view.client()->size(), client) << view.objectName().toStdString();
    for (const PixelPlace& p : places) {
        EXPECT_EQ(view.widgetOf(p.name)->geometry(), QRect(p.left, p.top, p.width, p.height))
            << p.name;
    }
}

Qt::WindowFlags frameFlags(const QWidget& window) {
    return window.windowFlags() & (Qt::WindowType_Mask | Qt::WindowTitleHint |
                                   Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint);
}

std::string fontOf(const QWidget* widget) {
    const QFont font = widget->font();
    return QStringLiteral("%1 %2").arg(font.family()).arg(font.pointSizeF()).toStdString() +
           (font.bold() ? " bold" : "");
}

QColor topLeft(const QIcon& icon, int side) {
    const QImage image = icon.pixmap(side, side).toImage();
    EXPECT_EQ(image.size(), QSize(side, side));
    return image.pixelColor(0, 0);
}

void clickRow(QListWidget* list, const QString& entry) {
    const QListWidgetItem* item = list->findItems(entry, Qt::MatchExactly).value(0);
    ASSERT_NE(item, nullptr) << entry.toStdString();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// The focused widget's name from `start` on, after each of `forward` presses of Tab, then of
// `back` presses of Shift+Tab.
std::vector<std::string> tabWalk(QWidget* start, int forward, int back) {
    start->setFocus();
    std::vector<std::string> names{start->objectName().toStdString()};
    for (int i = 0; i < forward + back; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                        i < forward ? Qt::NoModifier : Qt::ShiftModifier);
        names.push_back(QApplication::focusWidget()->objectName().toStdString());
    }
    return names;
}

// Answers the program's modal dialog as a user does: a save dialog with `saveAs` typed, or
// cancelled while it is empty; a message box with OK. Logs what each showed.
void answerDialog(const QString& saveAs, std::vector<std::string>& log) {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        log.push_back(QStringLiteral("%1: %2 (%3, %4 button)")
                          .arg(box->windowTitle(), box->text().section('\n', 0, 0),
                               QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(box->icon()))
                          .arg(box->buttons().size())
                          .toStdString());
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        const bool asks = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        // Without a name offered, the dialog shows the current directory.
        log.push_back(QStringLiteral("save %1 as %2%3")
                          .arg(dialog->nameFilters().join(';'),
                               name->text().isEmpty() ? "" : dialog->selectedFiles().value(0),
                               asks ? ", asking to overwrite" : "")
                          .toStdString());
        // Typed names open the completion list, which would take the Return.
        name->setText(saveAs);
        QTest::keyClick(name, saveAs.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
    }
}

TEST(FirstMerge, WindowByWindowFromTheNoticeToTheMergedFile) {
    ASSERT_EQ(QApplication::primaryScreen()->logicalDotsPerInch(), 96);
    const TempDir temp;
    const fs::path tools = temp.path() / "Werkzeuge";
    const fs::path source = temp.path() / "Meine Karten";
    const fs::path output = temp.path() / "Ausgabe" / "alle.ov2";
    fs::create_directories(output.parent_path());
    fs::create_directories(tools);
    for (const char* name : {"kvcmd", "dumpov2", "makeov2", "icon.bmp"}) {
        fs::copy_file(fs::path(KAVINOR_TOOL_DIR) / name, tools / name);
    }
    const std::vector<Poi> burgen{{712345, 4812345, "Burg", "", "", false}};
    const std::vector<Poi> seen{{812345, 4712345, "See", "id", "x", true},
                                {812346, 4712346, "Weiher", "", "", false}};
    writeFile(source / "burgen.ov2", ov2File(burgen));
    writeFile(source / "seen.ov2", ov2File(seen));
    writeFile(source / "gipfel.ov2", ov2File({{1, 2, "Gipfel", "", "", false}}));
    platform::PosixProcesses system{(tools / "kvcmd").string()};
    FakeProcesses processes{&system};
    QtProgram app{processes, tools.string()};
    const startup::FrmSplash& notice = app.program.frmSplash;
    const startup::FrmAbout& about = app.program.frmAbout;
    const auto label = [&](const forms::Window& window, std::string_view name) {
        return app.widget<QLabel>(name, &window);
    };

    // The notice: a plain dialog frame out of the task bar.
    app.program.start();
    EXPECT_TRUE(app.view(notice).isVisible() && !app.view(app.window).isVisible());
    EXPECT_EQ(frameFlags(app.view(notice)), Qt::Tool);
    expectPlaces(app.view(notice), {482, 329},
                 {{"Frame1", 16, 8, 455, 309},
                  {"cmdOK", 192, 272, 81, 25},
                  {"lblCopyright", 160, 88, 177, 17}});
    EXPECT_TRUE(app.widget<QGroupBox>("Frame1", &notice)->title().isEmpty());
    // Labels that size themselves to their text keep the edge or centre their alignment names.
    const QLabel* info = label(notice, "lblInfo");
    EXPECT_EQ(info->text().count('\n'), 8);
    EXPECT_EQ(info->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_LE(std::abs(info->geometry().center().x() + 0.5 - 227.5), 1.0);
    EXPECT_EQ(fontOf(info), "MS Sans Serif 8.25 bold");
    EXPECT_EQ(label(notice, "lblVersion")->geometry().right() + 1, 277);
    EXPECT_EQ(fontOf(label(notice, "lblVersion")), "Arial 12 bold");
    EXPECT_EQ(label(notice, "lblProductName")->geometry().topLeft(), QPoint(112, 16));
    EXPECT_EQ(fontOf(label(notice, "lblProductName")), "Arial 32.25 bold");

    // The main window, with its icon, fonts and menu. Enter presses the focused button.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app.view(notice)));
    ASSERT_EQ(QApplication::focusWidget(), app.widget("cmdOK", &notice));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    qt::WindowView& main = app.view(app.window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    expectPlaces(main, {kMainClientWidth, kMainClientHeight},
                 {std::begin(kMainWindowPixels), std::end(kMainWindowPixels)});
    EXPECT_EQ(main.size(), QSize(kMainClientWidth, kMainClientHeight + main.menuBar()->height()));
    // Both images of the program icon, drawn from the icon sources with their frame colour.
    for (const int side : {16, 32})
        EXPECT_EQ(topLeft(main.windowIcon(), side), QColor(0x6E, 0x6A, 0x60));
    EXPECT_EQ(app.widget<QPushButton>("cmdStart")->text(), "Convert \".ov2\"");
    EXPECT_EQ(app.widget<QGroupBox>("fraAuswahl")->title(), "Konvertierungs - Auswahl");
    const QLabel* logo = label(app.window, "lblLogo");
    EXPECT_EQ(logo->text(), "Kavinor V0.75");
    EXPECT_EQ(logo->alignment(), Qt::AlignLeft | Qt::AlignTop);
    EXPECT_EQ(fontOf(logo), "MS Sans Serif 24 bold");
    EXPECT_EQ(fontOf(app.widget("cmdStart")), "MS Sans Serif 8.25");
    EXPECT_EQ(QFontInfo(app.widget("cmdStart")->font()).family(), "Liberation Sans");
    // Earlier in the layout is drawn above: the input frame over both lists.
    const QObjectList& stacked = main.client()->children();
    EXPECT_GT(stacked.indexOf(app.widget("fraInput")), stacked.indexOf(app.widget("lstAuswahl1")));
    EXPECT_GT(stacked.indexOf(app.widget("fraInput")), stacked.indexOf(app.widget("cmdKonvert")));
    QStringList menu;
    std::map<QString, QAction*> items;
    for (QAction* top : main.menuBar()->actions()) {
        menu << top->text();
        for (QAction* item : top->menu()->actions()) {
            menu << (item->isSeparator() ? QStringLiteral("  -") : "  " + item->text());
            items[item->text()] = item;
        }
    }
    EXPECT_EQ(
        menu,
        QStringList({"Datei", "  Neu", "  -", "  Convert \".ov2\"", "  Convert \".asc\"", "  -",
                     "  Beenden", "?", "  Link zu der benötigten Software", "  Feature request",
                     "  Bug melden", "  -", "  Error-Log erstellen", "  -", "  Hilfe", "  About"}));
    EXPECT_FALSE(items["Hilfe"]->isEnabled());
    items["Error-Log erstellen"]->trigger();
    EXPECT_TRUE(app.window.mnuError.checked() && items["Error-Log erstellen"]->isChecked());
    items["Error-Log erstellen"]->trigger();
    EXPECT_FALSE(app.window.mnuError.checked() || items["Error-Log erstellen"]->isChecked());

    // The About window: modal, a close button only, no icon; the main window takes nothing.
    bool aboutShown = false;
    QTimer::singleShot(0, [&] {
        aboutShown = true;
        const qt::WindowView& view = app.view(about);
        EXPECT_TRUE(view.isVisible());
        EXPECT_EQ(view.windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(frameFlags(view), Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
        EXPECT_EQ(qAlpha(topLeft(view.windowIcon(), 16).rgba()), 0);
        expectPlaces(view, {359, 213},
                     {{"cmdOK", 136, 168, 89, 33},
                      {"lblCopyright", 120, 112, 177, 17},
                      {"lblLogo", 96, 24, 209, 41}});
        EXPECT_EQ(label(about, "lblVersion")->text(), "Version V0.75");
        EXPECT_EQ(label(about, "lblVersion")->geometry().right() + 1, 221);
        app.click(app.window, "cmdStart");
        EXPECT_FALSE(app.window.fraInput.visible());
        app.click(about, "cmdOK");
    });
    items["About"]->trigger();
    EXPECT_TRUE(aboutShown && !app.view(about).isVisible());
    // As on a desktop, the main window is the active one again, which owns the dialogs.
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));

    // The source directory through the drive and directory lists, then the lists by mouse.
    app.click(app.window, "cmdStart");
    EXPECT_EQ(app.widget<QComboBox>("Drive")->currentText(), "/");
    ASSERT_TRUE(app.openDirectory(source.string()));
    app.click(app.window, "cmdOK");
    auto* sources = app.widget<QListWidget>("lstAuswahl1");
    auto* targets = app.widget<QListWidget>("lstAuswahl2");
    ASSERT_EQ(sources->count(), 3);
    clickRow(sources, "seen.ov2");
    app.click(app.window, "cmd1hin");
    app.click(app.window, "cmdallehin");
    clickRow(targets, "gipfel.ov2");
    app.click(app.window, "cmd1weg");
    ASSERT_EQ(targets->count(), 2);
    EXPECT_EQ(targets->item(1)->text(), "seen.ov2");
    // One that sorts between the two shows at its place, and goes again.
    clickRow(sources, "gipfel.ov2");
    app.click(app.window, "cmd1hin");
    EXPECT_EQ(targets->item(1)->text(), "gipfel.ov2");
    clickRow(targets, "gipfel.ov2");
    app.click(app.window, "cmd1weg");

    // Tab follows the layout's order over what can take the focus, round and back.
    using Names = std::vector<std::string>;
    EXPECT_EQ(tabWalk(sources, 9, 2), (Names{"lstAuswahl1", "lstAuswahl2", "cmd1hin", "cmd1weg",
                                             "cmdallehin", "cmdalleweg", "cmdKonvert", "cmdStart",
                                             "cmdStart1", "lstAuswahl1", "cmdStart1", "cmdStart"}));

    // Nothing under the shown input frame takes a click or the focus.
    const int chosen = sources->currentRow();
    QTest::keyClick(app.widget("cmdStart"), Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_TRUE(app.widget("fraInput")->isVisible());
    QWidget* client = main.client();
    QTest::mouseClick(client->childAt(553, 135), Qt::LeftButton, {},
                      client->childAt(553, 135)->mapFrom(client, QPoint(553, 135)));
    clickRow(sources, "burgen.ov2");
    EXPECT_EQ(targets->currentRow(), -1);
    EXPECT_EQ(sources->currentRow(), chosen);
    EXPECT_EQ(app.window.lstAuswahl1.selectedIndex(), chosen);
    EXPECT_FALSE(app.window.lstAuswahl2.selectedIndex());
    EXPECT_EQ(tabWalk(app.widget("Drive"), 4, 1),
              (Names{"Drive", "Dir", "cmdOK", "cmdAbbrechen", "Drive", "cmdAbbrechen"}));
    app.click(app.window, "cmdAbbrechen");

    // The run, with impatient clicks while each script runs: another run, the input frame, a
    // source entry, a menu. The step caption shows meanwhile.
    QStringList captions;
    processes.onStart = [&](const FakeProcesses::Start&) {
        QTimer::singleShot(0, [&] {
            captions << app.widget<QPushButton>("cmdKonvert")->text();
            app.click(app.window, "cmdKonvert");
            app.click(app.window, "cmdStart");
            clickRow(sources, "burgen.ov2");
            QMenuBar* bar = main.menuBar();
            QTest::mouseClick(bar, Qt::LeftButton, {},
                              bar->actionGeometry(bar->actions()[0]).center());
            EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        });
    };
    const QString saveAs = QString::fromStdString(output.string());
    QString typed = saveAs;
    std::vector<std::string> log;
    QTimer answers;
    answers.callOnTimeout([&] { answerDialog(typed, log); });
    answers.start(5);
    app.click(app.window, "cmdKonvert");
    using Log = std::vector<std::string>;
    ASSERT_EQ(log, (Log{"save LUV-Dateien (*.ov2) as ",
                        "Konvertierung beendet: Komplette .ov2 Datei wurde erfolgreich "
                        "erstellt ! (Information, 1 button)"}));
    EXPECT_EQ(captions.size(), static_cast<qsizetype>(processes.starts.size()));
    EXPECT_FALSE(captions.isEmpty() || captions.contains("Komplette LUV Datei erstellen"));
    EXPECT_FALSE(app.widget("fraInput")->isVisible());
    const std::string merged = readFile(output);
    EXPECT_EQ(sorted(readOv2(merged)), joined({burgen, seen}));
    EXPECT_EQ(app.widget<QLineEdit>("txtov2")->text(), saveAs);
    EXPECT_TRUE(app.widget("txtov2")->isVisible());

    // Again without makeov2: the dialog offers the name chosen before, a cancel ends the click,
    // and the failed run leaves the first output.
    processes.onStart = nullptr;
    fs::remove(tools / "makeov2");
    typed.clear();
    log.clear();
    app.click(app.window, "cmdKonvert");
    typed = saveAs;
    app.click(app.window, "cmdKonvert");
    const std::string offered = "save LUV-Dateien (*.ov2) as " + output.string();
    EXPECT_EQ(log,
              (Log{offered, offered, "Fehler: Fehler bei Dateierstellung! (Critical, 1 button)"}));
    EXPECT_EQ(readFile(output), merged);

    main.close();
    EXPECT_FALSE(app.program.running());
}

// On a screen of 144 dots per inch every place is the table's twips at that scale, rounded: a
// half pixel goes up. Run by its own test entry with Qt's scaling off and the screen at 144.
TEST(OtherDpi, WindowsScaleWithTheScreen) {
    if (QApplication::primaryScreen()->logicalDotsPerInch() != 144) GTEST_SKIP();
    app::DesktopProgram kavinor(KAVINOR_TOOL_DIR);
    const qt::WindowView& main = kavinor.frontEnd().view(kavinor.program().fmrMain);
    expectPlaces(main, {987, 656},
                 {{"cmdKonvert", 12, 432, 962, 50},
                  {"lblLogo", 492, 0, 494, 62},
                  {"Drive", 24, 36, 566, 32},
                  {"lstAuswahl2", 528, 192, 446, 221}});
    expectPlaces(kavinor.frontEnd().view(kavinor.program().frmAbout), {539, 320},
                 {{"cmdOK", 204, 252, 134, 50}});
}

TEST(FirstMerge, TheProgramSetsUpQtForItsWindowsAndDialogs) {
    QApplication::setQuitOnLastWindowClosed(true);
    app::DesktopProgram kavinor(KAVINOR_TOOL_DIR);
    // It ends when no window is loaded, not when Qt sees none shown.
    EXPECT_FALSE(QApplication::quitOnLastWindowClosed());
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    kavinor.program().start();
    EXPECT_TRUE(kavinor.frontEnd().view(kavinor.program().frmSplash).isVisible());
}

// A signal ends Qt's loop, with 128 and the signal's number, for main to end as the signal would.
TEST(FirstMerge, ASignalEndsTheProgram) {
    app::DesktopProgram kavinor(KAVINOR_TOOL_DIR);
    kavinor.program().start();
    QTimer::singleShot(0, [] { std::raise(SIGHUP); });
    EXPECT_EQ(QApplication::exec(), 128 + SIGHUP);
    EXPECT_EQ(kavinor.endSignal(), SIGHUP);
}

// Where no display can be reached, one German line instead of Qt's abort and its advice to
// reinstall; only the program of a build tree names the demonstration in the terminal.
TEST(Kavinor, WithoutADisplayTheProgramSaysSoInOneLine) {
    const fs::path kavinor = fs::path(KAVINOR_TOOL_DIR) / "kavinor";
    const TempDir temp;
    fs::copy_file(kavinor, temp.path() / "kavinor");
    const auto expectLine = [&](const fs::path& program, const std::string& end) {
        const ToolRun run = runTool(program.string(), {}, temp.path(), temp.path() / "stderr");
        EXPECT_EQ(run.exitCode, 1) << program;
        EXPECT_EQ(run.errors, "kavinor: Keine Anzeige erreichbar (DISPLAY/WAYLAND_DISPLAY)" + end)
            << program;
    };
    const std::string withDemo =
        "; ohne Anzeige zeigt scripts/demo.sh eine Zusammenführung im Terminal.\n";
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) ::unsetenv(name);
    expectLine(kavinor, withDemo);
    expectLine(temp.path() / "kavinor", ".\n");
    ::setenv("DISPLAY", ":9999", 1);  // where no X server answers
    expectLine(kavinor, withDemo);
}

}  // namespace
}  // namespace kavinor::test

// The GUI suites run through the real Qt widgets, offscreen unless the caller names a display.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
