#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "qt_program.h"
#include "temp_dir.h"

namespace kavinor::test {
namespace {

struct Place {
    const char* name;
    QRect pixels;
};

void expectPlaces(const qt::WindowView& view, QSize client, std::initializer_list<Place> places) {
    EXPECT_EQ(view.client()->size(), client);
    for (const Place& place : places) {
        EXPECT_EQ(view.widgetOf(place.name)->geometry(), place.pixels) << place.name;
    }
}

bool blank(const QIcon& icon) {
    const QImage image = icon.pixmap(16, 16).toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) return false;
        }
    }
    return true;
}

class NoticeWindowView : public ::testing::Test {
protected:
    void SetUp() override { app.program.start(); }
    const qt::WindowView& view() const { return app.view(app.program.frmSplash); }
    QWidget* widget(std::string_view name) const { return view().widgetOf(name); }

    TempDir temp;
    FakeProcesses processes;
    QtProgram app{processes, temp.path().string()};
};

TEST_F(NoticeWindowView, IsAlonePlainDialogOutOfTheTaskBarWithItsControlsInPlace) {
    EXPECT_TRUE(view().isVisible());
    EXPECT_FALSE(app.view(app.window).isVisible());
    const Qt::WindowFlags flags = view().windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_FALSE(flags & (Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint));
    expectPlaces(view(), {482, 329},
                 {{"Frame1", {16, 8, 455, 309}},
                  {"cmdOK", {192, 272, 81, 25}},
                  {"lblCopyright", {160, 88, 177, 17}}});
    EXPECT_TRUE(static_cast<QGroupBox*>(widget("Frame1"))->title().isEmpty());
}

TEST_F(NoticeWindowView, SizedLabelsKeepTheirAnchorAndTheNoticeIsCentredOnTheFrame) {
    auto* info = static_cast<QLabel*>(widget("lblInfo"));
    EXPECT_EQ(info->text().count('\n'), 8);
    EXPECT_EQ(info->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_LE(std::abs(info->geometry().center().x() + 0.5 - 227.5), 1.0);
    EXPECT_TRUE(info->font().bold());

    auto* version = static_cast<QLabel*>(widget("lblVersion"));
    EXPECT_EQ(version->text(), "Version V0.75");
    EXPECT_EQ(version->geometry().right() + 1, 277);
    EXPECT_EQ(version->font().family(), "Arial");
    auto* product = static_cast<QLabel*>(widget("lblProductName"));
    EXPECT_EQ(product->geometry().topLeft(), QPoint(112, 16));
    EXPECT_EQ(product->font().pointSizeF(), 32.25);
}

class AboutWindowView : public NoticeWindowView {
protected:
    void SetUp() override { ASSERT_TRUE(app.startToMainWindow()); }
    QAction* aboutItem() const {
        QAction* help = app.view(app.window).menuBar()->actions().at(1);
        return help->menu()->actions().last();
    }
};

TEST_F(AboutWindowView, IsModalWithACloseButtonOnlyNoIconAndItsControlsInPlace) {
    const qt::WindowView& about = app.view(app.program.frmAbout);
    bool checked = false;
    QTimer::singleShot(0, [&] {
        checked = true;
        EXPECT_TRUE(about.isVisible());
        EXPECT_EQ(about.windowModality(), Qt::ApplicationModal);
        const Qt::WindowFlags flags = about.windowFlags();
        EXPECT_TRUE(flags & Qt::WindowTitleHint);
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMinMaxButtonsHint);
        EXPECT_TRUE(blank(about.windowIcon()));
        EXPECT_EQ(static_cast<QLabel*>(about.widgetOf("lblVersion"))->text(), "Version V0.75");
        expectPlaces(about, {359, 213},
                     {{"cmdOK", {136, 168, 89, 33}},
                      {"lblCopyright", {120, 112, 177, 17}},
                      {"lblLogo", {96, 24, 209, 41}}});
        // The main window takes nothing meanwhile.
        app.click(app.window, "cmdStart");
        EXPECT_FALSE(app.window.fraInput.visible());
        app.click(app.program.frmAbout, "cmdOK");
    });
    aboutItem()->trigger();
    EXPECT_TRUE(checked);
    EXPECT_FALSE(about.isVisible());
    app.click(app.window, "cmdStart");
    EXPECT_TRUE(app.window.fraInput.visible());
}

}  // namespace
}  // namespace kavinor::test
