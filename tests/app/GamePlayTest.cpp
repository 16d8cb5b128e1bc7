// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game played in one process with the real windows, as a player would.
#include "MainWindowFixture.h"
#include "app/TGLForm.h"
#include "platform/CodePage.h"
#include "render/GameView.h"
#include "scores/TFWynik.h"
#include "support/RecordingDialogs.h"
#include "support/TestArea.h"
#include "windows/TNewForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <malloc.h>
#include <sstream>

namespace kluvian {
namespace {

std::vector<std::string> Lines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::vector<std::string> lines;
    std::string s = text.str();
    for (std::size_t at = 0; at < s.size();) {
        const std::size_t end = s.find("\r\n", at);
        lines.push_back(s.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

class GamePlay : public test::MainWindowFixture {
protected:
    void PrepareDirectory() override { test::WriteTestArea(dir); }

    World& world() { return form->world(); }
    GameState& state() { return form->world().State; }

    // Starts a game with the New game command and waits for the load to finish.
    void startGame() {
        form->New1->trigger();
        ASSERT_TRUE(QTest::qWaitFor([&] { return state().Running; }, 10000));
        EXPECT_FALSE(form->newForm().isVisible());
    }
    // Holds the birds still and parks them far outside the view.
    void freezeBirds() {
        form->ProceedTmr.stop();
        for (int g = 0; g < kGroups; ++g)
            for (int i = 0; i < kBirdsPerGroup; ++i) {
                world().Birds(g, i).X = -5000;
                world().Birds(g, i).Y = -5000;
            }
    }
    // Where a bird's centre is on the drawing.
    QPoint centreOf(const TChicken& bird) {
        const double half = bird.Size / 2.0;
        return {int(800 - double(bird.X) - half), int(600 - double(bird.Y) - half)};
    }
    void click(Qt::MouseButton button, QPoint at) {
        QTest::mouseClick(&form->view(), button, {}, at);
    }
    int liveTextures() {
        form->view().MakeCurrent();
        // Names are handed out upwards; a fresh one bounds every name in use.
        GLuint bound = 0;
        glGenTextures(1, &bound);
        glDeleteTextures(1, &bound);
        int live = 0;
        for (GLuint name = 1; name < bound; ++name)
            live += glIsTexture(name) ? 1 : 0;
        return live;
    }
};

TEST_F(GamePlay, AWholeGameFromTheFirstShotToTheSavedRecord) {
    startGame();
    EXPECT_EQ(state().Ammo, 8);
    EXPECT_EQ(state().Score, 0);
    EXPECT_EQ(state().TimeLeft, 90);
    EXPECT_TRUE(form->ProceedTmr.isActive());
    EXPECT_TRUE(form->CountDownTmr.isActive());
    EXPECT_EQ(form->view().cursor().shape(), Qt::BlankCursor);
    form->CountDownTmr.stop();        // the test drives the clock
    form->SetContinuousFrames(false); // and the frames: the cross-hair stands as a shot left it
    freezeBirds();

    TChicken& small = world().Birds(Small, 3);
    TChicken& medium = world().Birds(Medium, 0);
    TChicken& big = world().Birds(Big, 9);
    small.X = 700, small.Y = 400;
    medium.X = 500, medium.Y = 400;
    big.X = 300, big.Y = 100;

    click(Qt::LeftButton, centreOf(small));
    EXPECT_EQ(state().Score, 25);
    EXPECT_EQ(small.Falling, 50);
    EXPECT_FLOAT_EQ(state().ShotScale, 1.01f);
    EXPECT_EQ(state().ShotPhase, 1);
    click(Qt::LeftButton, centreOf(medium));
    click(Qt::LeftButton, centreOf(big) + QPoint(20, 20)); // a corner of its square still hits
    EXPECT_EQ(state().Score, 45);
    EXPECT_EQ(state().Ammo, 5);

    click(Qt::LeftButton, {50, 300}); // nothing there: a miss
    EXPECT_EQ(state().Score, 43);
    click(Qt::LeftButton, centreOf(small)); // already falling: nothing, not a miss
    EXPECT_EQ(state().Score, 43);
    EXPECT_EQ(state().Ammo, 3);
    click(Qt::MiddleButton, {50, 300});
    EXPECT_EQ(state().Ammo, 3);

    click(Qt::RightButton, {50, 300}); // three left: costs 5
    EXPECT_EQ(state().Score, 38);
    EXPECT_EQ(state().Ammo, 8);
    for (int shot = 0; shot < 9; ++shot) // the ninth click finds the magazine empty
        click(Qt::LeftButton, {50, 300});
    EXPECT_EQ(state().Ammo, 0);
    EXPECT_EQ(state().Score, 22);
    click(Qt::RightButton, {50, 300}); // empty: free
    EXPECT_EQ(state().Score, 22);
    EXPECT_EQ(state().Ammo, 8);

    dialogs.textAnswers.push_back("Łowca");
    form->CountDownTmr.start();
    for (int tick = 0; tick < 89; ++tick)
        form->CountDownTmrTimer();
    EXPECT_TRUE(state().Running);
    EXPECT_EQ(state().TimeLeft, 1);
    EXPECT_TRUE(dialogs.shown.empty());
    form->CountDownTmrTimer();
    EXPECT_FALSE(state().Running);
    EXPECT_FALSE(form->CountDownTmr.isActive());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "Gratulacje z dobrego wyniku!");
    EXPECT_TRUE(form->scoreTable().isVisible());
    EXPECT_EQ(form->scoreTable().Grid().Cell(1, 1), ToCp1250(QString::fromUtf8("Łowca")));
    EXPECT_EQ(form->scoreTable().Grid().Cell(3, 1), "22");

    form->close();
    const auto lines = Lines(dir.file("wynik.ok"));
    ASSERT_EQ(lines.size(), 46u);
    EXPECT_EQ(lines[13], "Nazwa Gracza");
    EXPECT_EQ(lines[14], ToCp1250(QString::fromUtf8("Łowca")));
    EXPECT_EQ(lines[35], " Wynik ");
    EXPECT_EQ(lines[36], "22");
    EXPECT_EQ(lines[37], "8");
    EXPECT_EQ(lines[45], "1"); // "Ostatni" with 0 has gone
}

TEST_F(GamePlay, MusicStartsWithTheGameAndF4StopsAndRestartsIt) {
    // The generated tune; the test command says where the build is.
    const char* build = std::getenv("KLUVIAN_BUILD_DIR");
    const std::string tune = std::string(build ? build : "..") + "/data/BlueMountains/music.mp3";
    ASSERT_TRUE(std::filesystem::exists(tune)) << tune;
    std::filesystem::copy_file(tune, dir.file("data/BlueMountains/music.mp3"));
    startGame();
    EXPECT_TRUE(state().MusicOpened);
    EXPECT_TRUE(form->MediaPlayer1.Playing());
    form->Sound1->trigger(); // what F4 runs; the keys themselves are the main window's tests
    EXPECT_FALSE(form->Sound1->isChecked());
    EXPECT_FALSE(form->MediaPlayer1.IsOpen());
    EXPECT_TRUE(state().MusicOpened); // never cleared
    form->Sound1->trigger();
    EXPECT_TRUE(form->MediaPlayer1.Playing());

    // A file the player cannot open: the load warns, loads nothing and starts no game.
    dir.write("data/BlueMountains/music.mp3", "not music at all");
    form->CountDownTmr.stop();
    state().Running = false;
    form->New1->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialogs.shown.empty(); }, 10000));
    EXPECT_EQ(dialogs.shown[0].text, "Przynajmniej 1 plik nie został znaleziony!");
    EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Warning);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form->LoadInProgress(); }, 10000));
    EXPECT_FALSE(state().Running);
    EXPECT_FALSE(form->newForm().isVisible());
}

TEST_F(GamePlay, SeveralNewGameCommandsBeforeTheNextTickStartOneLoad) {
    form->New1Click();
    form->New1Click();
    QTest::keyClick(form.get(), Qt::Key_F2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return state().Running; }, 10000));
    form->CountDownTmr.stop(); // only a new load may change the clock now
    state().TimeLeft = 50;
    QTest::qWait(350);               // three more ticks of the loading timer
    EXPECT_EQ(state().TimeLeft, 50); // no second load started the clock afresh
    EXPECT_FALSE(form->newForm().LoadRequested);
    EXPECT_TRUE(form->NewTmr.isActive()); // it stays on and keeps polling
}

TEST_F(GamePlay, NewGameDuringALoadRunsACompleteNestedLoadThenTheOuterLoadFinishes) {
    // A missing picture makes the loader show its message in the middle of the load; the
    // player asks for a new game while it is open, and the box stays open long enough for
    // the loading timer's next tick.
    std::filesystem::remove(dir.file("data/BlueMountains/ammo.tga"));
    int boxes = 0;
    dialogs.whileOpen = [&](const RecordingDialogs::Shown&) {
        form->ProceedTmrTimer(); // the flight step and shots run between steps too
        form->FormMouseDown(Qt::LeftButton, 400, 300);
        if (boxes++ > 0)
            return; // the nested load's own message
        EXPECT_FALSE(state().Running);
        form->New1Click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return state().Running; }, 10000));
        // The nested load has started a game while the outer one is still in its box.
        EXPECT_EQ(boxes, 2);
        EXPECT_TRUE(form->LoadInProgress());
        EXPECT_EQ(state().TimeLeft, 90);
        EXPECT_TRUE(form->CountDownTmr.isActive());
        EXPECT_FALSE(form->newForm().isVisible());
        state().TimeLeft = 50; // as if the nested game had been played for a while
        state().Score = 33;
    };
    QTest::keyClick(form.get(), Qt::Key_F2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return boxes >= 1 && !form->LoadInProgress(); }, 30000));
    const auto texts = dialogs.messageTexts();
    ASSERT_EQ(texts.size(), 2u); // each load reported the missing cartridge once
    EXPECT_NE(texts[0].find("ammo.tga"), std::string::npos);
    // Then the outer load went on from its cartridge and started the game afresh.
    EXPECT_TRUE(state().Running);
    EXPECT_GE(state().TimeLeft, 89); // a tick may have followed
    EXPECT_EQ(state().Score, 0);
    EXPECT_EQ(state().Ammo, 7); // the nested load's magazine, less its box's shot
    EXPECT_TRUE(form->CountDownTmr.isActive());
    EXPECT_FALSE(form->newForm().isVisible());
    for (int g = 0; g < kGroups; ++g)
        for (int i = 0; i < kBirdsPerGroup; ++i) {
            EXPECT_EQ(world().Birds(g, i).Id, kFirstId[std::size_t(g)] + i);
            EXPECT_EQ(world().Birds(g, i).Falling, 0);
        }
}

TEST_F(GamePlay, ALoadRunsFramesOnlyAsTheDisplayRefreshes) {
    // A small drawing draws fast, faster than the display refreshes even on a busy machine.
    form->resize(240, 200);
    startGame(); // a game under way, so frames are drawn
    const double hz = form->view().screen()->refreshRate();
    const long before = form->FramesRun();
    QElapsedTimer elapsed;
    elapsed.start();
    state().TimeLeft = 50;
    form->New1->trigger();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return state().TimeLeft >= 89 && !form->LoadInProgress(); }, 10000));
    QTest::qWait(100); // a load of this small area may be over before a frame is due
    const double due = double(elapsed.elapsed()) * (hz > 0 ? hz : 60) / 1000;
    const long frames = form->FramesRun() - before;
    EXPECT_LE(frames, due + 3) << "in " << elapsed.elapsed() << " ms";
    EXPECT_GT(frames, 0);
}

class DamagedFont : public GamePlay {
protected:
    void PrepareDirectory() override {
        test::WriteTestArea(dir);
        dir.write("data/font.tga", "");
    }
};

TEST_F(DamagedFont, IsReportedOnceAndTheGameStillPlays) {
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Error);
    EXPECT_EQ(world().Birds(Big, 9).Id, 39); // the rest of the start-up was done
    startGame();
    EXPECT_EQ(dialogs.shown.size(), 1u);
    // The panorama's blue: a dead drawing would stay black. The cross-hair, wherever the
    // pointer is, stays out of the way.
    state().MouseX = state().MouseY = -100;
    EXPECT_EQ(form->view().grabFramebuffer().pixelColor(400, 300), QColor(40, 80, 120));
}

// A hundred games take minutes on a software rasteriser (every progress step of a load draws
// a frame), so the test command plays a few; KLUVIAN_SOAK_GAMES=100 plays the full soak.
TEST_F(GamePlay, ManyGamesInOneProcessKeepTexturesAndMemoryFlat) {
    const char* games = std::getenv("KLUVIAN_SOAK_GAMES");
    const int count = games ? std::max(2, std::atoi(games)) : 4;
    // Private memory only: what a leak holds. The window system's shared buffers and the
    // pages of the libraries come and go with the compositor and the machine's load.
    auto residentKb = [] {
        malloc_trim(0); // freed memory goes back first: what stays is what is still held
        std::ifstream status("/proc/self/status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind("RssAnon:", 0) == 0)
                return std::stol(line.substr(8));
        return 0L;
    };
    const int texturesBefore = liveTextures(); // the font, the cross-hair and Qt's own
    int texturesAfterFirst = 0;
    long memoryAfterFirst = 0;
    for (int game = 0; game < count; ++game) {
        startGame();
        form->CountDownTmr.stop();
        click(Qt::LeftButton, {400, 300});
        click(Qt::RightButton, {400, 300});
        dialogs.textAnswers.push_back("gracz " + std::to_string(game));
        state().TimeLeft = 1;
        form->CountDownTmrTimer();
        ASSERT_FALSE(state().Running);
        form->scoreTable().hide(); // as the player closes it
        if (game == 0) {
            texturesAfterFirst = liveTextures();
            memoryAfterFirst = residentKb();
            ASSERT_GT(memoryAfterFirst, 0) << "no RssAnon in /proc/self/status";
        }
    }
    EXPECT_EQ(liveTextures(), texturesAfterFirst);
    EXPECT_EQ(texturesAfterFirst, texturesBefore + 3 + 7 + 1 + 3 + 18);
    const long grownKb = residentKb() - memoryAfterFirst;
    std::cout << "[ soak ] " << count << " games: live textures " << texturesAfterFirst
              << ", resident memory grew by " << grownKb << " kB\n";
#ifndef __SANITIZE_ADDRESS__ // its quarantine holds on to freed memory on purpose
    EXPECT_LT(grownKb, 2048);
#endif
}

} // namespace
} // namespace kluvian
