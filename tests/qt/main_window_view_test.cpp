#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <set>

#include "poi_files.h"
#include "qt_program.h"
#include "temp_dir.h"
#include "test_files.h"

namespace kavinor::test {
namespace {

// The main window after the notice's "OK", over a source directory of three .ov2 files.
class MainWindowView : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(QApplication::primaryScreen()->logicalDotsPerInch(), 96);
        for (const char* name : {"a.ov2", "b.ov2", "c.ov2"}) {
            writeFile(source() / name, ov2File({{100, 200, name, "", "", false}}));
        }
        ASSERT_TRUE(app.startToMainWindow());
    }
    std::filesystem::path source() const { return temp.path() / "Quelle"; }
    // Confirms the source directory through the input frame.
    void chooseSource() {
        app.click(app.window, "cmdStart");
        ASSERT_TRUE(app.openDirectory(source().string()));
        app.click(app.window, "cmdOK");
    }
    template <typename Widget = QWidget>
    Widget* widget(std::string_view name) const {
        return app.widget<Widget>(app.window, name);
    }

    TempDir temp;
    FakeProcesses processes;
    QtProgram app{processes, temp.path().string()};
};

TEST_F(MainWindowView, EveryControlSitsOnItsLayoutRectangleAtNinetySixDpi) {
    struct Place {
        const char* name;
        QRect pixels;  // from the top left of the client area or of the frame around it
    };
    const Place places[] = {
        {"fraInput", {152, 72, 409, 289}},   {"cmdAbbrechen", {280, 248, 113, 33}},
        {"cmdOK", {16, 248, 113, 33}},       {"Dir", {16, 56, 377, 171}},
        {"Drive", {16, 24, 377, 21}},        {"fraAuswahl", {8, 40, 209, 57}},
        {"cmdStart1", {112, 16, 81, 33}},    {"cmdStart", {16, 16, 81, 33}},
        {"txtov2", {8, 376, 641, 19}},       {"File", {640, 416, 17, 19}},
        {"cmdKonvert", {8, 288, 641, 33}},   {"cmdalleweg", {312, 208, 33, 25}},
        {"cmdallehin", {312, 168, 33, 25}},  {"cmd1weg", {312, 248, 33, 25}},
        {"cmd1hin", {312, 128, 33, 25}},     {"lstAuswahl2", {352, 128, 297, 147}},
        {"lstAuswahl1", {8, 128, 297, 147}}, {"lblLogo", {328, 0, 329, 41}},
        {"lblPfad", {8, 352, 305, 25}},      {"lblDatei2", {352, 112, 297, 17}},
        {"lblDatei1", {8, 112, 297, 17}},
    };
    const qt::WindowView& view = app.view(app.window);
    EXPECT_EQ(view.client()->size(), QSize(658, 437));
    // Both images of the program icon, drawn from the icon sources with their frame colour.
    for (int side : {16, 32}) {
        const QImage icon = view.windowIcon().pixmap(side, side).toImage();
        EXPECT_EQ(icon.size(), QSize(side, side));
        EXPECT_EQ(icon.pixelColor(0, 0), QColor(0x6E, 0x6A, 0x60));
    }
    EXPECT_EQ(view.size(), QSize(658, 437 + view.menuBar()->height()));
    for (const Place& place : places) {
        EXPECT_EQ(widget(place.name)->geometry(), place.pixels) << place.name;
    }
}

TEST_F(MainWindowView, ShowsCaptionsInTheirFontsAndTheFrameAboveTheLists) {
    EXPECT_EQ(widget<QPushButton>("cmdStart")->text(), "Convert \".ov2\"");
    EXPECT_EQ(widget<QGroupBox>("fraAuswahl")->title(), "Konvertierungs - Auswahl");
    EXPECT_EQ(widget<QLabel>("lblLogo")->text(), "Kavinor V0.75");
    EXPECT_EQ(widget<QLabel>("lblLogo")->alignment(), Qt::AlignLeft | Qt::AlignTop);

    const QFont logo = widget("lblLogo")->font();
    EXPECT_EQ(logo.family(), "MS Sans Serif");
    EXPECT_EQ(logo.pointSizeF(), 24);
    EXPECT_TRUE(logo.bold());
    const QFont dialog = widget("cmdStart")->font();
    EXPECT_EQ(dialog.pointSizeF(), 8.25);
    EXPECT_FALSE(dialog.bold());
    EXPECT_EQ(QFontInfo(dialog).family(), "Liberation Sans");

    // Earlier in the layout is drawn above: the input frame over both lists.
    const QObjectList& stacked = app.view(app.window).client()->children();
    EXPECT_GT(stacked.indexOf(widget("fraInput")), stacked.indexOf(widget("lstAuswahl1")));
    EXPECT_GT(stacked.indexOf(widget("fraInput")), stacked.indexOf(widget("cmdKonvert")));
}

TEST_F(MainWindowView, MenuBarHoldsTheItemsInOrderWithSeparatorsAndGreyedHilfe) {
    QStringList shown;
    QAction* error = nullptr;
    for (QAction* top : app.view(app.window).menuBar()->actions()) {
        shown << top->text();
        for (QAction* item : top->menu()->actions()) {
            shown << (item->isSeparator() ? QStringLiteral("  -") : "  " + item->text());
            if (item->text() == "Hilfe") {
                EXPECT_FALSE(item->isEnabled());
            }
            if (item->text() == "Error-Log erstellen") error = item;
        }
    }
    EXPECT_EQ(
        shown,
        QStringList({"Datei", "  Neu", "  -", "  Convert \".ov2\"", "  Convert \".asc\"", "  -",
                     "  Beenden", "?", "  Link zu der benötigten Software", "  Feature request",
                     "  Bug melden", "  -", "  Error-Log erstellen", "  -", "  Hilfe", "  About"}));
    ASSERT_NE(error, nullptr);
    EXPECT_FALSE(error->isChecked());
    error->trigger();
    EXPECT_TRUE(app.window.mnuError.checked());
    EXPECT_TRUE(error->isChecked());
    error->trigger();
    EXPECT_FALSE(error->isChecked());
}

TEST_F(MainWindowView, NothingUnderTheShownInputFrameIsReachedByMouseOrKeyboard) {
    chooseSource();
    app.click(app.window, "cmdallehin");
    ASSERT_EQ(widget<QListWidget>("lstAuswahl2")->count(), 3);
    app.click(app.window, "cmdStart");
    ASSERT_TRUE(widget("fraInput")->isVisible());

    QWidget* client = app.view(app.window).client();
    // On the frame over the target list's first row, and on the source list beside the frame.
    QTest::mouseClick(client->childAt(553, 135), Qt::LeftButton, {},
                      client->childAt(553, 135)->mapFrom(client, QPoint(553, 135)));
    auto* source = widget<QListWidget>("lstAuswahl1");
    QTest::mouseClick(source->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
    EXPECT_EQ(widget<QListWidget>("lstAuswahl2")->currentRow(), -1);
    EXPECT_EQ(source->currentRow(), -1);
    EXPECT_FALSE(app.window.lstAuswahl1.selectedIndex());
    EXPECT_FALSE(app.window.lstAuswahl2.selectedIndex());

    widget("Drive")->setFocus();
    std::set<QString> focused;
    for (int i = 0; i < 12; ++i) {
        focused.insert(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(focused, (std::set<QString>{"Drive", "Dir", "cmdOK", "cmdAbbrechen"}));
}

TEST_F(MainWindowView, InputDuringARunIsDroppedWhileTheStepCaptionShows) {
    chooseSource();
    app.click(app.window, "cmdallehin");
    QStringList captionsSeen;
    processes.pollsWhileRunning = 2;
    processes.onStart = [&](const FakeProcesses::Start&) {
        // An impatient click, queued while the script runs.
        QTimer::singleShot(0, [&] {
            captionsSeen << widget<QPushButton>("cmdKonvert")->text();
            app.click(app.window, "cmdKonvert");
            app.click(app.window, "cmdStart");
        });
    };
    DialogAnswers answers(QString::fromStdString((temp.path() / "alle.ov2").string()));
    app.click(app.window, "cmdKonvert");

    EXPECT_EQ(answers.saveDialogs, 1);
    ASSERT_FALSE(processes.starts.empty());
    EXPECT_EQ(captionsSeen.size(), static_cast<qsizetype>(processes.starts.size()));
    EXPECT_FALSE(captionsSeen.contains("Komplette LUV Datei erstellen"));
    EXPECT_FALSE(widget("fraInput")->isVisible());
    EXPECT_EQ(answers.messages.size(), 1u);
}

}  // namespace
}  // namespace kavinor::test
