// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/GameView.h"
#include "platform/KeyState.h"
#include "support/FakeClock.h"
#include "support/FixedKeys.h"
#include "support/GLTestContext.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace kluvian {
namespace {

class GameViewTest : public ::testing::Test {
protected:
    FakeClock clock;
    World world{clock};
    FixedKeys keys;
    GameView view{world, clock, keys};

    void SetUp() override {
        for (int g = 0; g < kGroups; ++g)
            for (int i = 0; i < kBirdsPerGroup; ++i) {
                world.Birds(g, i).Id = kFirstId[std::size_t(g)] + i;
                world.Birds(g, i).Size = kBirdSize[std::size_t(g)];
                world.Birds(g, i).X = -1000;
            }
        view.resize(800, 600);
        view.isWindowActive = [] { return true; };
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        ASSERT_TRUE(view.HasContext());
    }
};

TEST_F(GameViewTest, PickingFindsTheBirdUnderThePointerAndNeverReachesTheScreen) {
    world.State.Running = true;
    TChicken& big = world.Birds(Big, 5);
    big.X = 400, big.Y = 300; // screen x 355..400, y 255..300
    const QImage before = view.grabFramebuffer();
    EXPECT_EQ(view.PickAt(380, 280), 35);
    EXPECT_EQ(view.PickAt(100, 100), 0);
    EXPECT_EQ(view.PickAt(5000, -3), 0); // outside the drawing
    EXPECT_FALSE(world.State.PickMode);
    const QImage after = view.grabFramebuffer();
    EXPECT_EQ(after.pixelColor(380, 280), before.pixelColor(380, 280));
    EXPECT_NE(after.pixelColor(380, 280), QColor(35, 1, 1));
    EXPECT_EQ(after.pixelColor(100, 100), before.pixelColor(100, 100));
}

TEST_F(GameViewTest, BeforeAnyGameTheDrawingIsBlackButPanningStillMovesTheWorld) {
    keys.left = true;
    const QImage shown = view.grabFramebuffer();
    EXPECT_EQ(shown.pixelColor(400, 300), QColor(Qt::black));
    EXPECT_EQ(shown.size(), QSize(800, 600));
    bool done = true;
    view.ApplicationEventsIdle(done);
    EXPECT_FALSE(done);
    EXPECT_LT(world.State.BackScroll, 0);
    EXPECT_NEAR(double(world.Birds(Big, 0).X), -1000 + 1.5 * double(world.State.BackScroll), 1e-6);
}

TEST_F(GameViewTest, FrameRateIsZeroUntilHalfASecondHasPassed) {
    bool done = false;
    for (int i = 0; i < 10; ++i)
        view.ApplicationEventsIdle(done);
    EXPECT_EQ(view.Stats.Fps, 0.0f);
    clock.tick += 500;
    view.ApplicationEventsIdle(done);
    EXPECT_GT(view.Stats.Fps, 0.0f);
    EXPECT_EQ(view.Stats.FrameCount, 0);
}

} // namespace
} // namespace kluvian
