// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Hunt.h"

#include "game/InitWorld.h"
#include "support/FakeClock.h"
#include "support/FixedKeys.h"
#include "support/HuntDoubles.h"

#include <gtest/gtest.h>

#include <functional>

namespace kluvian {
namespace {

using State = FakeTimers::State;

// A load that finds no files: every step runs, and the game starts.
class EmptyHost final : public AreaLoadHost {
public:
    std::function<void()> onStep;
    void LoadPicture(const std::string&, PictureSlot) override {}
    void ShowFileNotFound(const std::string&) override {}
    void ProgressStep() override {
        if (onStep)
            onStep();
    }
    void ShowMissingFileWarning() override {}
    void FinishLoad() override {}
};

struct HuntTest : ::testing::Test {
    FakeClock clock;
    FixedKeys keys;
    FakeSounds sounds;
    FakeTimers timers;
    FakeDrawing drawing;
    RecordingGameEnd end;
    Hunt hunt{clock, keys, sounds, "/nowhere/"};
    GameState& state = hunt.GameWorld().state;
    EmptyHost host;

    void SetUp() override {
        hunt.Attach(timers, drawing, end);
        InitWorld(hunt.GameWorld(), "/nowhere/", [](const std::string&, PictureSlot) {});
    }
    void ExpectTimers(State both) {
        EXPECT_EQ(timers.Of(GameTimer::Flight), both);
        EXPECT_EQ(timers.Of(GameTimer::CountDown), both);
    }
};

TEST_F(HuntTest, AFrameShowsTheCrossHairAsItFoundItAPickingPassOnlyPansAPauseHoldsAll) {
    hunt.Load(host);
    state.ShotScale = 1.01f; // a shot was just fired
    state.ShotPhase = 1;
    keys.left = true;
    hunt.RunFrame(false, true);
    EXPECT_FLOAT_EQ(hunt.Stats().shownShotScale, 1.01f);
    EXPECT_NEAR(state.ShotScale, 1.11f, 1e-5);
    EXPECT_EQ(state.BackScroll, -4);

    hunt.RunFrame(true, true);
    EXPECT_FLOAT_EQ(hunt.Stats().shownShotScale, 1.01f); // the screen still shows the last one
    EXPECT_NEAR(state.ShotScale, 1.11f, 1e-5);
    EXPECT_EQ(state.BackScroll, -8);
    EXPECT_EQ(hunt.Stats().FrameCount, 2);
    EXPECT_EQ(hunt.FramesRun(), 1);

    hunt.RunFrame(false, false); // another window is active
    EXPECT_NEAR(hunt.Stats().shownShotScale, 1.11f, 1e-5);
    EXPECT_EQ(state.BackScroll, -8);

    hunt.Pause(); // the picture stands still, its frame-rate text with it
    hunt.RunFrame(false, true);
    EXPECT_EQ(state.BackScroll, -8);
    EXPECT_NEAR(state.ShotScale, 1.21f, 1e-5);
    EXPECT_EQ(hunt.Stats().FrameCount, 3);
}

TEST_F(HuntTest, ANewGameStartsItsClockAndFlightAfreshWhateverPauseCameBefore) {
    hunt.Pause(); // no game yet
    EXPECT_FALSE(state.paused);
    hunt.Load(host);
    ExpectTimers(State::Running);
    EXPECT_FALSE(drawing.pointerShown);

    // P, P, F2, P: the new game stands still.
    hunt.TogglePause();
    ExpectTimers(State::Held);
    EXPECT_TRUE(drawing.pointerShown);
    hunt.TogglePause();
    ExpectTimers(State::Running);
    hunt.Load(host);
    EXPECT_EQ(timers.Starts(GameTimer::CountDown), 2);
    hunt.TogglePause();
    EXPECT_TRUE(state.paused);
    ExpectTimers(State::Held);

    // A new game given during a pause ends it; nothing pauses during a load, and leaving
    // right after one pauses as at any other time.
    host.onStep = [&] { hunt.Pause(); };
    hunt.Load(host);
    EXPECT_FALSE(state.paused);
    ExpectTimers(State::Running);
    EXPECT_EQ(state.TimeLeft, 90);
    hunt.Pause();
    EXPECT_TRUE(state.paused);

    // However the pointer was hidden, a pause shows it, and going on hides it again.
    hunt.HidePointer();
    EXPECT_TRUE(drawing.pointerShown);
    hunt.Press(MouseButton::Left, 1, 1, true);
    EXPECT_FALSE(state.paused);
    EXPECT_FALSE(drawing.pointerShown);
    EXPECT_EQ(drawing.picks, 0); // the click that went on was no shot
}

TEST_F(HuntTest, AShotScoresTheBirdUnderThePointerAndAGameEndsOnceAndForAll) {
    hunt.Load(host);
    drawing.underPointer = 35; // a big bird
    hunt.Press(MouseButton::Left, 1, 1, true);
    EXPECT_EQ(state.Score, 5);
    EXPECT_EQ(hunt.GameWorld().birds(Big, 5).Falling, 50);
    EXPECT_EQ(state.Ammo, 7);
    drawing.underPointer = 0;
    for (int second = 0; second < 89; ++second)
        hunt.ClockSecond();
    EXPECT_TRUE(end.scores.empty());
    state.Score = 12;
    hunt.ClockSecond();
    EXPECT_EQ(end.scores, std::vector<std::int32_t>{12});
    EXPECT_EQ(timers.Of(GameTimer::CountDown), State::Stopped);

    hunt.ClockSecond(); // a tick left over from a pause or a load
    hunt.TogglePause();
    hunt.ClockSecond();
    EXPECT_EQ(end.scores.size(), 1u);
    EXPECT_FALSE(state.paused);
    // The clock has run out, the handlers still work: a shot misses and costs.
    hunt.Press(MouseButton::Left, 1, 1, true);
    EXPECT_EQ(state.Score, 10);
    EXPECT_EQ(drawing.picks, 2);
}

} // namespace
} // namespace kluvian
