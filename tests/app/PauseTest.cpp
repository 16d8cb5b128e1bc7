// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"
#include "app/TGLForm.h"
#include "render/GameView.h"
#include "support/TestArea.h"

#include <QApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace kluvian {
namespace {

class Pause : public test::MainWindowFixture {
protected:
    void PrepareDirectory() override { test::WriteTestArea(dir_); }
    // Starts a game, or a new one over the game running with less than 90 s left.
    void StartGame() {
        form_->New1->trigger();
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return State().Running && State().TimeLeft >= 89; }, 10000));
        // The window has the focus again after the loading window, as the player left it.
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == form_; }, 3000));
    }
};

TEST_F(Pause, APausedGameStandsStillAndAClickCostsNothingButGoesOn) {
    Press(Qt::Key_P);
    EXPECT_FALSE(State().paused); // no game yet
    StartGame();
    form_->SetContinuousFrames(false);
    Press(Qt::Key_P);
    ASSERT_TRUE(State().paused);
    EXPECT_FALSE(form_->CountDownTmr.isActive());
    EXPECT_FALSE(form_->ProceedTmr.isActive());
    EXPECT_NE(form_->View().cursor().shape(), Qt::BlankCursor);

    const std::int32_t time = State().TimeLeft;
    const long double x = GameWorld().birds(Big, 3).X;
    QTest::keyPress(form_, Qt::Key_Left);
    form_->ApplicationEventsIdle();
    QTest::qWait(1100); // a second of the clock and twenty flight steps
    form_->ApplicationEventsIdle();
    QTest::keyRelease(form_, Qt::Key_Left);
    EXPECT_EQ(State().TimeLeft, time);
    EXPECT_EQ(GameWorld().birds(Big, 3).X, x);
    EXPECT_EQ(State().BackScroll, 0);

    QTest::mouseClick(&form_->View(), Qt::RightButton, {}, QPoint(400, 300));
    QTest::mouseClick(&form_->View(), Qt::LeftButton, {}, QPoint(400, 300));
    EXPECT_EQ(State().Ammo, 8); // neither a reload nor a shot
    EXPECT_EQ(State().Score, 0);
    EXPECT_FALSE(State().paused); // the left click went on with the game
    EXPECT_EQ(form_->View().cursor().shape(), Qt::BlankCursor);
    EXPECT_TRUE(QTest::qWaitFor([&] { return State().TimeLeft == time - 1; }, 1500));
    EXPECT_TRUE(form_->ProceedTmr.isActive());
}

TEST_F(Pause, TheGamesOwnHelpDoesNotPauseAndLeavingRightAfterALoadDoesWithoutTakingTheFocusBack) {
    StartGame();
    bool pausedWithHelp = true;
    QTimer::singleShot(300, [&] {
        pausedWithHelp = State().paused;
        if (QWidget* help = QApplication::activeModalWidget())
            help->close();
    });
    form_->btnPomocClick(); // modal, as F1 shows it
    EXPECT_FALSE(pausedWithHelp);
    EXPECT_TRUE(form_->CountDownTmr.isActive());

    // Another program's window comes up and takes the activation right after a new game's
    // load, when the game had once asked for the focus back: a second copy of the game.
    const char* build = std::getenv("KLUVIAN_BUILD_DIR");
    ASSERT_NE(build, nullptr);
    std::filesystem::copy_file(std::string(build) + "/kluvian", dir_.File("kluvian"));
    QProcess other;
    other.setWorkingDirectory(QString::fromStdString(dir_.Path()));
    State().TimeLeft = 50;
    StartGame();
    other.start(QString::fromStdString(dir_.File("kluvian")),
                {"-platform", QGuiApplication::platformName()});
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return QGuiApplication::applicationState() != Qt::ApplicationActive; }, 10000));
    int activations = 0;
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, form_,
                     [&](Qt::ApplicationState s) { activations += s == Qt::ApplicationActive; });
    const bool paused = QTest::qWaitFor([&] { return State().paused; }, 10000);
    EXPECT_TRUE(paused) << other.readAllStandardError().toStdString();
    EXPECT_EQ(activations, 0); // the other program keeps the focus the player gave it
    other.kill();
    other.waitForFinished();
    EXPECT_TRUE(State().paused); // until the player goes on
}

} // namespace
} // namespace kluvian
