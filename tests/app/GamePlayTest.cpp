// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game played in one process with the real windows, as a player would.
#include "MainWindowFixture.h"
#include "app/TGLForm.h"
#include "platform/CodePage.h"
#include "render/GameView.h"
#include "scores/TFWynik.h"
#include "support/RecordingDialogs.h"
#include "support/TestArea.h"
#include "support/Windows.h"
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
    void PrepareDirectory() override { test::WriteTestArea(dir_); }

    // Starts a game with the New game command and waits for the load to finish.
    void StartGame() {
        form_->New1->trigger();
        ASSERT_TRUE(QTest::qWaitFor([&] { return State().Running; }, 10000));
        EXPECT_FALSE(form_->LoadingForm().isVisible());
    }
    // Holds the birds still and parks them far outside the view.
    void FreezeBirds() {
        form_->ProceedTmr.stop();
        for (int g = 0; g < kGroups; ++g)
            for (int i = 0; i < kBirdsPerGroup; ++i) {
                GameWorld().birds(g, i).X = -5000;
                GameWorld().birds(g, i).Y = -5000;
            }
    }
    // Where a bird's centre is on the drawing.
    QPoint CentreOf(const TChicken& bird) {
        const double half = bird.Size / 2.0;
        return {int(800 - double(bird.X) - half), int(600 - double(bird.Y) - half)};
    }
    void Click(Qt::MouseButton button, QPoint at) {
        QTest::mouseClick(&form_->View(), button, {}, at);
    }
    int LiveTextures() {
        form_->View().MakeCurrent();
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
    StartGame();
    EXPECT_EQ(State().Ammo, 8);
    EXPECT_EQ(State().Score, 0);
    EXPECT_EQ(State().TimeLeft, 90);
    EXPECT_TRUE(form_->ProceedTmr.isActive());
    EXPECT_TRUE(form_->CountDownTmr.isActive());
    EXPECT_EQ(form_->View().cursor().shape(), Qt::BlankCursor);
    form_->CountDownTmr.stop();        // the test drives the clock
    form_->SetContinuousFrames(false); // and the frames: the cross-hair stands as a shot left it
    FreezeBirds();

    TChicken& small = GameWorld().birds(Small, 3);
    TChicken& medium = GameWorld().birds(Medium, 0);
    TChicken& big = GameWorld().birds(Big, 9);
    small.X = 700, small.Y = 400;
    medium.X = 500, medium.Y = 400;
    big.X = 300, big.Y = 100;

    Click(Qt::LeftButton, CentreOf(small));
    EXPECT_EQ(State().Score, 25);
    EXPECT_EQ(small.Falling, 50);
    EXPECT_FLOAT_EQ(State().ShotScale, 1.01f);
    EXPECT_EQ(State().ShotPhase, 1);
    Click(Qt::LeftButton, CentreOf(medium));
    Click(Qt::LeftButton, CentreOf(big) + QPoint(20, 20)); // a corner of its square still hits
    EXPECT_EQ(State().Score, 45);
    EXPECT_EQ(State().Ammo, 5);

    Click(Qt::LeftButton, {50, 300}); // nothing there: a miss
    EXPECT_EQ(State().Score, 43);
    Click(Qt::LeftButton, CentreOf(small)); // already falling: nothing, not a miss
    EXPECT_EQ(State().Score, 43);
    EXPECT_EQ(State().Ammo, 3);
    Click(Qt::MiddleButton, {50, 300});
    EXPECT_EQ(State().Ammo, 3);

    Click(Qt::RightButton, {50, 300}); // three left: costs 5
    EXPECT_EQ(State().Score, 38);
    EXPECT_EQ(State().Ammo, 8);
    for (int shot = 0; shot < 9; ++shot) // the ninth click finds the magazine empty
        Click(Qt::LeftButton, {50, 300});
    EXPECT_EQ(State().Ammo, 0);
    EXPECT_EQ(State().Score, 22);
    Click(Qt::RightButton, {50, 300}); // empty: free
    EXPECT_EQ(State().Score, 22);
    EXPECT_EQ(State().Ammo, 8);

    dialogs_.textAnswers.push_back("Łowca");
    form_->CountDownTmr.start();
    for (int tick = 0; tick < 89; ++tick)
        form_->CountDownTmrTimer();
    EXPECT_TRUE(State().Running);
    EXPECT_EQ(State().TimeLeft, 1);
    EXPECT_TRUE(dialogs_.shown.empty());
    form_->CountDownTmrTimer();
    EXPECT_FALSE(State().Running);
    EXPECT_FALSE(form_->CountDownTmr.isActive());
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0].caption, "Gratulacje z dobrego wyniku!");
    EXPECT_TRUE(form_->TableWindow().isVisible());
    EXPECT_EQ(form_->TableWindow().Grid().Cell(1, 1), ToCp1250(QString::fromUtf8("Łowca")));
    EXPECT_EQ(form_->TableWindow().Grid().Cell(3, 1), "22");

    // The table is the game's: transient for its window, whose keys it leaves working when a
    // desktop gives it the focus.
    EXPECT_EQ(form_->TableWindow().windowHandle()->transientParent(), form_->windowHandle());
    ASSERT_TRUE(test::Activate(form_->TableWindow()));
    QTest::keyClick(&form_->TableWindow(), Qt::Key_F6);
    EXPECT_FALSE(form_->isVisible());
    const auto lines = Lines(dir_.File("wynik.ok"));
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
    std::filesystem::copy_file(tune, dir_.File("data/BlueMountains/music.mp3"));
    StartGame();
    EXPECT_TRUE(State().MusicOpened);
    EXPECT_TRUE(game_->audio.MediaPlayer1.Playing());
    form_->Sound1->trigger(); // what F4 runs; the keys themselves are the main window's tests
    EXPECT_FALSE(form_->Sound1->isChecked());
    EXPECT_FALSE(game_->audio.MediaPlayer1.IsOpen());
    EXPECT_TRUE(State().MusicOpened); // never cleared
    form_->Sound1->trigger();
    EXPECT_TRUE(game_->audio.MediaPlayer1.Playing());

    // A file the player cannot open: the load warns, loads nothing and starts no game.
    dir_.Write("data/BlueMountains/music.mp3", "not music at all");
    form_->CountDownTmr.stop();
    State().Running = false;
    form_->New1->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialogs_.shown.empty(); }, 10000));
    EXPECT_EQ(dialogs_.shown[0].text, "Przynajmniej 1 plik nie został znaleziony!");
    EXPECT_EQ(dialogs_.shown[0].icon, DialogIcon::Warning);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Session().LoadInProgress(); }, 10000));
    EXPECT_FALSE(State().Running);
    EXPECT_FALSE(form_->LoadingForm().isVisible());
}

TEST_F(GamePlay, SeveralNewGameCommandsBeforeTheNextTickStartOneLoad) {
    form_->New1Click();
    form_->New1Click();
    QTest::keyClick(form_, Qt::Key_F2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return State().Running; }, 10000));
    form_->CountDownTmr.stop(); // only a new load may change the clock now
    State().TimeLeft = 50;
    QTest::qWait(350);               // three more ticks of the loading timer
    EXPECT_EQ(State().TimeLeft, 50); // no second load started the clock afresh
    EXPECT_FALSE(form_->LoadingForm().LoadRequested);
    EXPECT_TRUE(form_->NewTmr.isActive()); // it stays on and keeps polling
}

TEST_F(GamePlay, NewGameDuringALoadRunsACompleteNestedLoadThenTheOuterLoadFinishes) {
    // A missing picture makes the loader show its message in the middle of the load; the
    // player asks for a new game while it is open, and the box stays open long enough for
    // the loading timer's next tick.
    std::filesystem::remove(dir_.File("data/BlueMountains/ammo.tga"));
    int boxes = 0;
    dialogs_.whileOpen = [&](const RecordingDialogs::Shown&) {
        form_->ProceedTmrTimer(); // the flight step and shots run between steps too
        form_->FormMouseDown(Qt::LeftButton, 400, 300);
        if (boxes++ > 0)
            return; // the nested load's own message
        EXPECT_FALSE(State().Running);
        form_->New1Click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return State().Running; }, 10000));
        // The nested load has started a game while the outer one is still in its box.
        EXPECT_EQ(boxes, 2);
        EXPECT_TRUE(Session().LoadInProgress());
        EXPECT_EQ(State().TimeLeft, 90);
        EXPECT_TRUE(form_->CountDownTmr.isActive());
        EXPECT_FALSE(form_->LoadingForm().isVisible());
        State().TimeLeft = 50; // as if the nested game had been played for a while
        State().Score = 33;
    };
    QTest::keyClick(form_, Qt::Key_F2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return boxes >= 1 && !Session().LoadInProgress(); }, 30000));
    const auto texts = dialogs_.MessageTexts();
    ASSERT_EQ(texts.size(), 2u); // each load reported the missing cartridge once
    EXPECT_NE(texts[0].find("ammo.tga"), std::string::npos);
    // Then the outer load went on from its cartridge and started the game afresh.
    EXPECT_TRUE(State().Running);
    EXPECT_GE(State().TimeLeft, 89); // a tick may have followed
    EXPECT_EQ(State().Score, 0);
    EXPECT_EQ(State().Ammo, 7); // the nested load's magazine, less its box's shot
    EXPECT_TRUE(form_->CountDownTmr.isActive());
    EXPECT_FALSE(form_->LoadingForm().isVisible());
    for (int g = 0; g < kGroups; ++g)
        for (int i = 0; i < kBirdsPerGroup; ++i) {
            EXPECT_EQ(GameWorld().birds(g, i).Id, kFirstId[std::size_t(g)] + i);
            EXPECT_EQ(GameWorld().birds(g, i).Falling, 0);
        }
}

TEST_F(GamePlay, ALoadRunsFramesOnlyAsTheDisplayRefreshes) {
    // A small drawing draws fast, faster than the display refreshes even on a busy machine.
    form_->resize(240, 200);
    StartGame(); // a game under way, so frames are drawn
    const double hz = form_->View().screen()->refreshRate();
    const long before = Session().FramesRun();
    QElapsedTimer elapsed;
    elapsed.start();
    State().TimeLeft = 50;
    form_->New1->trigger();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return State().TimeLeft >= 89 && !Session().LoadInProgress(); }, 10000));
    QTest::qWait(100); // a load of this small area may be over before a frame is due
    const double due = double(elapsed.elapsed()) * (hz > 0 ? hz : 60) / 1000;
    const long frames = Session().FramesRun() - before;
    EXPECT_LE(frames, due + 3) << "in " << elapsed.elapsed() << " ms";
    EXPECT_GT(frames, 0);
}

class DamagedFont : public GamePlay {
protected:
    void PrepareDirectory() override {
        test::WriteTestArea(dir_);
        dir_.Write("data/font.tga", "");
    }
};

TEST_F(DamagedFont, IsReportedOnceAndTheGameStillPlays) {
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0].icon, DialogIcon::Error);
    EXPECT_EQ(GameWorld().birds(Big, 9).Id, 39); // the rest of the start-up was done
    StartGame();
    EXPECT_EQ(dialogs_.shown.size(), 1u);
    // The panorama's blue: a dead drawing would stay black. The cross-hair, wherever the
    // pointer is, stays out of the way.
    State().MouseX = State().MouseY = -100;
    EXPECT_EQ(form_->View().GrabFramebuffer().pixelColor(400, 300), QColor(40, 80, 120));
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
    const int texturesBefore = LiveTextures(); // the font, the cross-hair and Qt's own
    int texturesAfterFirst = 0;
    long memoryAfterFirst = 0;
    for (int game = 0; game < count; ++game) {
        StartGame();
        form_->CountDownTmr.stop();
        Click(Qt::LeftButton, {400, 300});
        Click(Qt::RightButton, {400, 300});
        dialogs_.textAnswers.push_back("gracz " + std::to_string(game));
        State().TimeLeft = 1;
        form_->CountDownTmrTimer();
        ASSERT_FALSE(State().Running);
        form_->TableWindow().hide(); // as the player closes it
        if (game == 0) {
            texturesAfterFirst = LiveTextures();
            memoryAfterFirst = residentKb();
            ASSERT_GT(memoryAfterFirst, 0) << "no RssAnon in /proc/self/status";
        }
    }
    EXPECT_EQ(LiveTextures(), texturesAfterFirst);
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
