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
    void PrepareDirectory() override { test::WriteTestArea(dir); }
    GameState& state() { return form->world().State; }
    void startGame() {
        form->New1->trigger();
        ASSERT_TRUE(QTest::qWaitFor([&] { return state().Running; }, 10000));
        // The window has the focus again after the loading window, as the player left it.
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return QApplication::activeWindow() == form.get(); }, 3000));
    }
};

TEST_F(Pause, APausedGameStandsStillAndAClickCostsNothingButGoesOn) {
    press(Qt::Key_P);
    EXPECT_FALSE(state().Paused); // no game yet
    startGame();
    form->SetContinuousFrames(false);
    press(Qt::Key_P);
    ASSERT_TRUE(state().Paused);
    EXPECT_FALSE(form->CountDownTmr.isActive());
    EXPECT_FALSE(form->ProceedTmr.isActive());
    EXPECT_NE(form->view().cursor().shape(), Qt::BlankCursor);

    const std::int32_t time = state().TimeLeft;
    const long double x = form->world().Birds(Big, 3).X;
    QTest::keyPress(form.get(), Qt::Key_Left);
    form->ApplicationEventsIdle();
    QTest::qWait(1100); // a second of the clock and twenty flight steps
    form->ApplicationEventsIdle();
    QTest::keyRelease(form.get(), Qt::Key_Left);
    EXPECT_EQ(state().TimeLeft, time);
    EXPECT_EQ(form->world().Birds(Big, 3).X, x);
    EXPECT_EQ(state().BackScroll, 0);

    QTest::mouseClick(&form->view(), Qt::RightButton, {}, QPoint(400, 300));
    QTest::mouseClick(&form->view(), Qt::LeftButton, {}, QPoint(400, 300));
    EXPECT_EQ(state().Ammo, 8); // neither a reload nor a shot
    EXPECT_EQ(state().Score, 0);
    EXPECT_FALSE(state().Paused); // the left click went on with the game
    EXPECT_EQ(form->view().cursor().shape(), Qt::BlankCursor);
    EXPECT_TRUE(QTest::qWaitFor([&] { return state().TimeLeft == time - 1; }, 1500));
    EXPECT_TRUE(form->ProceedTmr.isActive());
}

TEST_F(Pause, AnotherProgramTakenUpPausesTheGameAndTheGamesOwnHelpDoesNot) {
    startGame();
    bool pausedWithHelp = true;
    QTimer::singleShot(300, [&] {
        pausedWithHelp = state().Paused;
        if (QWidget* help = QApplication::activeModalWidget())
            help->close();
    });
    form->btnPomocClick(); // modal, as F1 shows it
    EXPECT_FALSE(pausedWithHelp);
    EXPECT_TRUE(form->CountDownTmr.isActive());

    // Another program's window comes up and takes the activation: a second copy of the game,
    // a moment after the load, when the game no longer asks for the focus back.
    QTest::qWait(1000);
    const char* build = std::getenv("KLUVIAN_BUILD_DIR");
    ASSERT_NE(build, nullptr);
    std::filesystem::copy_file(std::string(build) + "/kluvian", dir.file("kluvian"));
    QProcess other;
    other.setWorkingDirectory(QString::fromStdString(dir.path()));
    other.start(QString::fromStdString(dir.file("kluvian")),
                {"-platform", QGuiApplication::platformName()});
    const bool paused = QTest::qWaitFor([&] { return state().Paused; }, 10000);
    EXPECT_TRUE(paused) << other.readAllStandardError().toStdString();
    other.kill();
    other.waitForFinished();
    EXPECT_TRUE(state().Paused); // until the player goes on
}

} // namespace
} // namespace kluvian
