#include "windows/TNewForm.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
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
    QWidget main;
    main.setGeometry(100, 80, 640, 480);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    TNewForm form(&main);
    for (const QPoint mainAt : {QPoint(100, 80), QPoint(300, 200)}) {
        main.move(mainAt);
        QTest::qWait(50);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        const QPoint offset = form.frameGeometry().center() - main.frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << ", " << offset.y();
        form.hide();
    }
}

} // namespace
} // namespace kluvian
