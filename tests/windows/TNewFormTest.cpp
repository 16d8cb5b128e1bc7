// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/TNewForm.h"

#include "platform/QtDialogs.h"
#include "support/Windows.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

namespace kluvian {
namespace {

TEST(TNewForm, HasNoBorderIconsAndStaysOnTop) {
    TNewForm form(nullptr);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Trwa ładowanie"));
    const Qt::WindowFlags flags = form.windowHandle()->flags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    for (const Qt::WindowType icon :
         {Qt::WindowCloseButtonHint, Qt::WindowSystemMenuHint, Qt::WindowMinimizeButtonHint,
          Qt::WindowMaximizeButtonHint, Qt::WindowContextHelpButtonHint})
        EXPECT_FALSE(flags.testFlag(icon)) << icon;
}

TEST(TNewForm, ShowsOnlyTheWaitingLineAndFitsItselfToIt) {
    QWidget main;
    TNewForm form(&main);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    QStringList shown;
    for (const QWidget* control : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control->isVisible())
            shown << control->objectName();
    EXPECT_EQ(shown, QStringList{QStringLiteral("Label1")});
    EXPECT_EQ(form.Label1()->text(), QStringLiteral("Poczekaj chwilkę teraz ładuję dane..."));
    EXPECT_EQ(form.size(), QSize(266, 18));
    // The substitute font must not clip the one line the player sees.
    EXPECT_LE(form.Label1()->sizeHint().width(), 266);
    EXPECT_LE(form.Label1()->sizeHint().height(), 18);

    // The hidden controls are there for whoever shows them.
    EXPECT_EQ(form.Button1()->text(), QStringLiteral("Go Hunting"));
    EXPECT_EQ(form.AreasCombo()->count(), 0);
    EXPECT_EQ(form.Label2()->text(), QStringLiteral("Use [Alt] for the menu and [H] for help!"));
    EXPECT_EQ(form.Gauge1()->maximum(), 60);
}

TEST(TNewForm, RequestsALoadFromCreationAndResetsTheGaugeOnEveryShowing) {
    TNewForm form(nullptr);
    EXPECT_TRUE(form.LoadRequested);
    form.LoadRequested = false;
    form.Button1Click();
    EXPECT_TRUE(form.LoadRequested);
    form.LoadRequested = false;
    QTest::mouseClick(form.Button1(), Qt::LeftButton);
    EXPECT_TRUE(form.LoadRequested);

    form.Gauge1()->setValue(37);
    form.show();
    EXPECT_EQ(form.Gauge1()->value(), 0);
    form.Gauge1()->setValue(60);
    // Showing a window already on screen is not a new showing.
    form.show();
    EXPECT_EQ(form.Gauge1()->value(), 60);
    form.hide();
    form.show();
    EXPECT_EQ(form.Gauge1()->value(), 0);
}

TEST(TNewForm, CentresOverTheMainWindowEachTimeItIsShown) {
    if (!test::WindowPositionsAreTheClients())
        GTEST_SKIP() << "Wayland does not let a client place its windows or read where they are";
    QWidget main;
    main.setGeometry(100, 80, 640, 480);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    TNewForm form(&main);
    // As the player sees them: the whole windows, captions and borders included.
    const auto offset = [&] {
        return form.frameGeometry().center() - main.frameGeometry().center();
    };
    for (const QPoint mainAt : {QPoint(100, 80), QPoint(300, 200)}) {
        main.move(mainAt);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        // A window manager frames the window and settles its place a little later.
        EXPECT_TRUE(QTest::qWaitFor([&] { return offset().manhattanLength() <= 2; }, 2000))
            << offset().x() << ", " << offset().y();
        form.hide();
    }
}

// How many pixels of the window's client area the screen does not show as it draws them,
// or -1 where the screen cannot be read back.
int HiddenPixels(QWidget& window) {
    const QImage drawn = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint at = window.mapToGlobal(QPoint(0, 0));
    const QImage shown = window.screen()
                             ->grabWindow(0, at.x(), at.y(), window.width(), window.height())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    if (shown.isNull() || shown.size() != drawn.size())
        return -1;
    int hidden = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            hidden += shown.pixel(x, y) != drawn.pixel(x, y) ? 1 : 0;
    return hidden;
}

TEST(TNewForm, AMessageBoxShownWhileItIsUpIsFullyVisibleAboveIt) {
    // The main window centred on the screen, so the loading window over it and the box on
    // the screen's centre overlap.
    QWidget main;
    main.resize(640, 480);
    main.move(main.screen()->availableGeometry().center() - main.rect().center());
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    TNewForm form(&main);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    int hidden = -1;
    int area = 0;
    QRect boxFrame;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget(); // shown before its loop runs
        if (box == nullptr)
            return ADD_FAILURE() << "no message box";
        EXPECT_TRUE(QTest::qWaitForWindowExposed(box));
        boxFrame = box->frameGeometry();
        area = box->width() * box->height();
        // A window manager stacks and decorates it, and the box paints, in a while.
        static_cast<void>(QTest::qWaitFor( // judged below
            [&] {
                hidden = HiddenPixels(*box);
                return hidden < area / 100; // -1: nothing to wait for
            },
            3000));
        box->close();
    });
    QtDialogs().ShowMessage({}, "Przynajmniej 1 plik nie został znaleziony!", DialogIcon::Warning);
    if (hidden < 0)
        GTEST_SKIP() << "this platform does not let a client read the screen back";
    ASSERT_TRUE(boxFrame.intersects(form.frameGeometry()));
    EXPECT_LT(hidden, area / 100) << "pixels of the box not shown";
}

} // namespace
} // namespace kluvian
