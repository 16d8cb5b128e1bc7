// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"
#include "app/TGLForm.h"
#include "platform/Paths.h"
#include "render/GameView.h"
#include "scores/GridFile.h"
#include "scores/TFWynik.h"
#include "support/FileFaults.h"
#include "support/RecordingDialogs.h"
#include "support/TempDir.h"
#include "windows/TNewForm.h"

#include <QApplication>
#include <QExposeEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace kluvian {
namespace {

using MainWindow = test::MainWindowFixture;

TEST_F(MainWindow, StartsWithItsCaptionMenuToolBarAndABlackDrawingOf800By600) {
    EXPECT_TRUE(form_->windowTitle().startsWith("Kluvian wer.1.0 - "));
    EXPECT_TRUE(form_->windowTitle().contains("\"Brassfang\""));
    EXPECT_EQ(QApplication::applicationName(), "Kluvian");

    QStringList top;
    for (QAction* action : form_->menuBar()->actions())
        top << action->text();
    EXPECT_EQ(top, (QStringList{"Game", "Options", "?", "-", "Hide [Alt]"}));
    EXPECT_EQ(form_->New1->text(), "[F2] New...");
    EXPECT_TRUE(form_->New1->shortcut().isEmpty());
    EXPECT_EQ(form_->ShowHighscores1->text(), "[F3] Show Highscores");
    EXPECT_EQ(form_->Exit1->text(), "[Alt+F4] Exit");
    EXPECT_EQ(form_->Exit1->shortcut(), QKeySequence(Qt::Key_F6));
    EXPECT_EQ(form_->Sound1->text(), "[S] Sound");
    EXPECT_EQ(form_->Sound1->shortcut(), QKeySequence(Qt::Key_F4));
    EXPECT_TRUE(form_->Sound1->isChecked());
    EXPECT_EQ(form_->Fullscreen1->text(), "[F] Fullscreen");
    EXPECT_EQ(form_->Fullscreen1->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_FALSE(form_->Fullscreen1->isChecked());
    EXPECT_EQ(form_->ShowHelpandCredits1->text(), "[H] Show Help and Credits");

    const std::vector<std::pair<QPushButton*, QStringList>> buttons{
        {form_->btnPomoc, {"F1 &Pomoc", "Otwiera okno pomocy"}},
        {form_->Button1, {"F2 &Nowa gra", QString::fromUtf8("Rozpoczyna grę od nowa")}},
        {form_->BitBtn1, {"F3 Wynik", QString::fromUtf8("Pokazuje/Ukrywa tabelę wyników")}},
        {form_->btnRyki,
         {QString::fromUtf8("F4 &Dźwięki"), QString::fromUtf8("Dxwięki włączone/ wyłączone")}},
        {form_->btnEkran, {"F5 &Ekran", QString::fromUtf8("Gra na całym/normalnym ekranie")}},
        {form_->btnKoniec, {"F6 &Koniec", "Koniec pracy"}},
    };
    int x = 0;
    for (const auto& [button, texts] : buttons) {
        EXPECT_EQ(button->text(), texts[0]);
        EXPECT_EQ(button->toolTip(), texts[1]);
        EXPECT_EQ(button->geometry(), QRect(x, 2, 122, 21)); // side by side, in order
        x += 122;
    }

    EXPECT_EQ(form_->View().size(), QSize(800, 600));
    EXPECT_GE(form_->View().y(), form_->ToolBar1->geometry().bottom()); // below the tool bar
    const QImage drawing = form_->View().GrabFramebuffer();
    EXPECT_EQ(drawing.pixelColor(400, 300), QColor(Qt::black));
    EXPECT_EQ(drawing.pixelColor(5, 5), QColor(Qt::black));
    EXPECT_FALSE(form_->NewTmr.isActive());
    EXPECT_FALSE(form_->ProceedTmr.isActive());
    EXPECT_FALSE(form_->CountDownTmr.isActive());
    EXPECT_FALSE(GameWorld().state.Running);
    EXPECT_EQ(GameWorld().birds(Big, 9).Id, 39);
}

// A key held down as an X server sends it: the press, then every repeat as a release and a
// press of the same time, which Qt marks as repeats only now and then; then the release.
void Hold(QWidget* window, Qt::Key key) {
    const auto send = [&](QEvent::Type type, ulong time, bool marked) {
        if (type == QEvent::KeyPress &&
            qt_sendShortcutOverrideEvent(window, time, key, {}, {}, marked))
            return; // taken by a shortcut, as QTest does it
        QKeyEvent event(type, key, Qt::NoModifier, QString(), marked);
        event.setTimestamp(time);
        QSpontaneKeyEvent::setSpontaneous(&event);
        qApp->notify(window, &event);
    };
    ulong time = 500000;
    send(QEvent::KeyPress, time, false);
    for (int repeat = 0; repeat < 6; ++repeat) {
        time += repeat == 0 ? 600 : 40;
        send(QEvent::KeyRelease, time, repeat % 3 == 2);
        send(QEvent::KeyPress, time, repeat % 3 == 2);
    }
    send(QEvent::KeyRelease, time + 30, false);
}

TEST_F(MainWindow, APaintBetweenTwoFramesShowsTheWorldWithoutRunningTheFramesRules) {
    form_->SetContinuousFrames(false);
    const auto& state = GameWorld().state;
    QTest::keyPress(form_, Qt::Key_Left); // held: every frame pans
    form_->ApplicationEventsIdle();
    const long double panned = state.BackScroll;
    const std::int32_t counted = Session().Stats().FrameCount;
    EXPECT_NEAR(double(panned), -4, 1e-6);
    // The window system asks for the picture again; a test grabs it.
    QExposeEvent expose(QRegion(QRect(QPoint(), form_->View().size())));
    QCoreApplication::sendEvent(&form_->View(), &expose);
    form_->View().GrabFramebuffer();
    QTest::qWait(50);
    EXPECT_EQ(state.BackScroll, panned);
    EXPECT_EQ(Session().Stats().FrameCount, counted);
    form_->ApplicationEventsIdle();
    EXPECT_NEAR(double(state.BackScroll), -8, 1e-6);
    QTest::keyRelease(form_, Qt::Key_Left);
}

TEST_F(MainWindow, EachFunctionKeyRunsItsCommandOnce) {
    Press(Qt::Key_F4);
    EXPECT_FALSE(form_->Sound1->isChecked()); // twice would have checked it again
    const QSignalSpy sound(form_->Sound1, &QAction::triggered);
    Hold(form_, Qt::Key_F4);
    EXPECT_EQ(sound.count(), 1); // however long it is held
    EXPECT_TRUE(form_->Sound1->isChecked());

    const QSignalSpy newGame(form_->New1, &QAction::triggered);
    Hold(form_, Qt::Key_F2);
    EXPECT_EQ(newGame.count(), 1);
    EXPECT_TRUE(form_->NewTmr.isActive());
    // The load runs at once, not at the timer's next tick.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form_->LoadingForm().LoadRequested; }, 50));
    form_->NewTmr.stop();
    form_->View().unsetCursor(); // the game the load started hid it
    Activate();                  // the loading window may have had the focus

    // Last: the table, a window of its own, may take the activation when it appears.
    Press(Qt::Key_F3);
    EXPECT_TRUE(form_->TableWindow().isVisible());
    Press(Qt::Key_F3);
    EXPECT_TRUE(form_->TableWindow().isVisible()); // F3 shows, never hides
    // "&Zamknij" hides the table and the pointer over the drawing.
    EXPECT_NE(form_->View().cursor().shape(), Qt::BlankCursor);
    QTest::mouseClick(form_->TableWindow().Button1, Qt::LeftButton);
    EXPECT_FALSE(form_->TableWindow().isVisible());
    EXPECT_EQ(form_->View().cursor().shape(), Qt::BlankCursor);
}

TEST_F(MainWindow, F5MaximisesAndF5AgainRestoresTheWindow) {
    const QRect before = form_->geometry();
    const QSignalSpy fullScreen(form_->Fullscreen1, &QAction::triggered);
    Hold(form_, Qt::Key_F5);
    EXPECT_EQ(fullScreen.count(), 1); // however long it is held
    EXPECT_TRUE(form_->Fullscreen1->isChecked());
    EXPECT_TRUE(form_->windowState() & Qt::WindowMaximized);
    // A window manager gives the window the work area and the drawing follows; without one
    // the state is only recorded.
    if (QTest::qWaitFor([&] { return form_->size() != before.size(); }, 2000)) {
        EXPECT_GT(form_->width(), before.width());
        EXPECT_GT(form_->View().height(), 600);
        EXPECT_EQ(form_->View().width(), form_->width());
    }
    Press(Qt::Key_F5);
    EXPECT_FALSE(form_->Fullscreen1->isChecked());
    EXPECT_FALSE(form_->isMaximized());
    EXPECT_TRUE(QTest::qWaitFor([&] { return form_->size() == before.size(); }, 2000));
    if (test::WindowPositionsAreTheClients()) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return form_->geometry() == before; }, 2000))
            << form_->geometry().x() << ", " << form_->geometry().y();
    }
}

TEST_F(MainWindow, F11FillsTheScreenWithTheDrawingAloneAndEscapeGivesBackTheWindow) {
    const QRect before = form_->geometry();
    Press(Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form_->isFullScreen(); }, 2000));
    EXPECT_FALSE(form_->menuBar()->isVisible());
    EXPECT_FALSE(form_->ToolBar1->isVisible());
    const QSize screen = form_->screen()->size();
    EXPECT_TRUE(QTest::qWaitFor([&] { return form_->View().size() == screen; }, 3000))
        << form_->View().width() << " x " << form_->View().height();
    Press(Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form_->size() == before.size(); }, 3000));
    EXPECT_FALSE(form_->isFullScreen());
    EXPECT_TRUE(form_->menuBar()->isVisible());
    EXPECT_TRUE(form_->ToolBar1->isVisible());
    EXPECT_EQ(form_->View().size(), QSize(800, 600));

    // A window the window manager maximised (a double click on its title) comes back
    // maximised; F5 in full screen gives back a window.
    form_->setWindowState(Qt::WindowMaximized);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form_->isMaximized(); }, 2000));
    Press(Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form_->isFullScreen(); }, 2000));
    Press(Qt::Key_F11);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return form_->isMaximized() && !form_->isFullScreen(); }, 2000));
    Press(Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form_->isFullScreen(); }, 2000));
    Press(Qt::Key_F5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form_->isFullScreen(); }, 2000));
    EXPECT_TRUE(form_->ToolBar1->isVisible());
    EXPECT_TRUE(form_->Fullscreen1->isChecked());
}

TEST_F(MainWindow, EveryWayOfClosingSavesTheScoreTable) {
    const std::string table = dir_.File("wynik.ok");
    Press(Qt::Key_F6);
    EXPECT_FALSE(form_->isVisible());
    EXPECT_TRUE(std::filesystem::exists(table));
    EXPECT_EQ(std::filesystem::file_size(table), 215u);

    std::filesystem::remove(table);
    form_->show();
    form_->Exit1->trigger(); // the menu item
    EXPECT_TRUE(std::filesystem::exists(table));

    std::filesystem::remove(table);
    form_->show();
    form_->close(); // the close box
    EXPECT_TRUE(std::filesystem::exists(table));
    EXPECT_TRUE(dialogs_.shown.size() >= 2); // font.tga and cursor.tga are missing here
}

// Installed where only root may write: the player's records go to their own folder.
TEST(MainWindowInstalled, ClosesWithoutAnErrorBoxAndKeepsTheTableInThePlayersFolder) {
    const test::TempDir exe;
    const test::TempDir home;
    ScoreGrid shipped = DefaultScoreTable();
    shipped.SetCell(1, 10, "Gracz");
    shipped.SetCell(3, 10, "50");
    exe.Write("wynik.ok", GridFileBytes(shipped));
    ::chmod(exe.Path().c_str(), 0555);
    const std::string userDir = home.Path() + "kluvian/";
    ScoreFilePlace place;
    {
        const test::UnprivilegedFiles player; // root's rights would make any folder writable
        place = DecideScoreFilePlace(exe.Path(), userDir, CanWrite);
    }
    RecordingDialogs dialogs;
    SystemClock clock;
    test::WholeGame game(dialogs, clock, exe.Path(), place);
    TGLForm& form = game.form;
    form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.TableWindow().Grid().Cell(1, 1), "Gracz"); // started from the shipped table

    dialogs.shown.clear();
    form.close();
    EXPECT_TRUE(dialogs.shown.empty());
    const auto bytesOf = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(bytesOf(userDir + "wynik.ok"), GridFileBytes(form.TableWindow().Grid()));
    EXPECT_EQ(bytesOf(exe.File("wynik.ok")), GridFileBytes(shipped));
    ::chmod(exe.Path().c_str(), 0700);
}

} // namespace
} // namespace kluvian
