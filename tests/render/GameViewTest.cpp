// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/GameView.h"
#include "support/FakeClock.h"

#include <QGuiApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace kluvian {
namespace {

class GameViewTest : public ::testing::Test {
protected:
    FakeClock clock;
    World world{clock};
    FrameStats stats;
    VisibleParts parts;
    GameView view{world, stats, parts};

    void SetUp() override {
        for (int g = 0; g < kGroups; ++g)
            for (int i = 0; i < kBirdsPerGroup; ++i) {
                world.Birds(g, i).Id = kFirstId[std::size_t(g)] + i;
                world.Birds(g, i).Size = kBirdSize[std::size_t(g)];
                world.Birds(g, i).X = -1000;
            }
        ASSERT_TRUE(view.HasContext());
        view.resize(800, 600);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
};

TEST_F(GameViewTest, PickingFindsTheBirdUnderThePointerAndLeavesThePictureAsItWas) {
    EXPECT_EQ(view.grabFramebuffer().pixelColor(400, 300), QColor(Qt::black)); // no game yet
    world.State.Running = true;
    TChicken& big = world.Birds(Big, 5);
    big.X = 400, big.Y = 300; // screen x 355..400, y 255..300
    const QImage before = view.grabFramebuffer();
    EXPECT_EQ(before.size(), QSize(800, 600) * view.devicePixelRatio());
    EXPECT_EQ(view.PickAt(380, 280), 35);
    EXPECT_EQ(view.PickAt(100, 100), 0);
    EXPECT_EQ(view.PickAt(5000, -3), 0); // outside the drawing
    const QImage after = view.grabFramebuffer();
    EXPECT_EQ(after.pixelColor(380, 280), before.pixelColor(380, 280));
    EXPECT_NE(after.pixelColor(380, 280), QColor(35, 1, 1));
    EXPECT_EQ(after.pixelColor(100, 100), before.pixelColor(100, 100));
}

TEST_F(GameViewTest, PresentsAPictureOnlyWhenItDiffersFromTheOneOnTheScreen) {
    view.ShowFrame(false);
    const long shown = view.PicturesShown();
    view.ShowFrame(false);
    world.Birds(Big, 0).X = 300; // no game: the picture stays black
    view.ShowFrame(false);
    EXPECT_EQ(view.PicturesShown(), shown);
    world.State.Running = true;
    view.ShowFrame(false);
    EXPECT_EQ(view.PicturesShown(), shown + 1);
    world.State.MouseX = 20;
    view.ShowFrame(true); // behind the loading window, right after a picture: not yet
    view.ShowFrame(false);
    view.ShowFrame(false);
    EXPECT_EQ(view.PicturesShown(), shown + 2);
}

} // namespace
} // namespace kluvian
