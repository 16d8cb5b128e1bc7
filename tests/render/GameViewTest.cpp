// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/GameView.h"
#include "support/FakeClock.h"
#include "support/RecordingDialogs.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace kluvian {
namespace {

class GameViewTest : public ::testing::Test {
protected:
    FakeClock clock_;
    World world_{clock_};
    FrameStats stats_;
    RecordingDialogs dialogs_;
    GameView view_{world_, stats_, dialogs_, clock_};

    void SetUp() override {
        for (int g = 0; g < kGroups; ++g)
            for (int i = 0; i < kBirdsPerGroup; ++i) {
                world_.birds(g, i).Id = kFirstId[std::size_t(g)] + i;
                world_.birds(g, i).Size = kBirdSize[std::size_t(g)];
                world_.birds(g, i).X = -1000;
            }
        ASSERT_TRUE(view_.HasContext());
        view_.resize(800, 600);
        view_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view_));
    }
};

TEST_F(GameViewTest, PickingFindsTheBirdUnderThePointerAndLeavesThePictureAsItWas) {
    EXPECT_EQ(view_.GrabFramebuffer().pixelColor(400, 300), QColor(Qt::black)); // no game yet
    world_.state.Running = true;
    TChicken& big = world_.birds(Big, 5);
    big.X = 400, big.Y = 300; // screen x 355..400, y 255..300
    const QImage before = view_.GrabFramebuffer();
    EXPECT_EQ(before.size(), QSize(800, 600) * view_.devicePixelRatio());
    EXPECT_EQ(view_.PickAt(380, 280), 35);
    EXPECT_EQ(view_.PickAt(100, 100), 0);
    EXPECT_EQ(view_.PickAt(5000, -3), 0); // outside the drawing
    const QImage after = view_.GrabFramebuffer();
    EXPECT_EQ(after.pixelColor(380, 280), before.pixelColor(380, 280));
    EXPECT_NE(after.pixelColor(380, 280), QColor(35, 1, 1));
    EXPECT_EQ(after.pixelColor(100, 100), before.pixelColor(100, 100));
}

TEST_F(GameViewTest, PresentsAPictureOnlyWhenItDiffersFromTheOneOnTheScreen) {
    view_.ShowFrame(false);
    const long shown = view_.PicturesShown();
    view_.ShowFrame(false);
    world_.birds(Big, 0).X = 300; // no game: the picture stays black
    view_.ShowFrame(false);
    EXPECT_EQ(view_.PicturesShown(), shown);
    world_.state.Running = true;
    view_.ShowFrame(false);
    EXPECT_EQ(view_.PicturesShown(), shown + 1);
    world_.state.MouseX = 20;
    view_.ShowFrame(true); // behind the loading window, right after a picture: not yet
    view_.ShowFrame(false);
    view_.ShowFrame(false);
    EXPECT_EQ(view_.PicturesShown(), shown + 2);
    // Whatever the picture shows counts, the pause's colour too.
    world_.state.paused = true;
    view_.ShowFrame(false);
    world_.state.HelpColor = {0, 1, 0};
    view_.ShowFrame(false);
    EXPECT_EQ(view_.PicturesShown(), shown + 4);
}

TEST_F(GameViewTest, OnALargeDrawingThePictureIsDrawnAgainOnceThePlayerHoldsStill) {
    world_.state.Running = true;
    view_.ShowFrame(false);
    const long shown = view_.PicturesShown();
    world_.state.MouseX = 20;
    view_.ShowFrame(false);
    clock_.steady += 1000;
    view_.ShowFrame(false); // 800 x 600 is always drawn in full: nothing to draw again
    EXPECT_EQ(view_.PicturesShown(), shown + 1);

    view_.resize(1280, 800);
    ASSERT_TRUE(QTest::qWaitFor([&] { return view_.Size().width >= 1280; }, 2000));
    view_.ShowFrame(false);
    const long large = view_.PicturesShown();
    world_.state.MouseX = 40; // aiming: drawn coarsely
    view_.ShowFrame(false);
    view_.ShowFrame(false);
    EXPECT_EQ(view_.PicturesShown(), large + 1);
    clock_.steady += 300; // held still: the same world drawn in full
    view_.ShowFrame(false);
    view_.ShowFrame(false);
    EXPECT_EQ(view_.PicturesShown(), large + 2);
}

TEST_F(GameViewTest, PolledPointerMovesTheCrossHairOnlyWhereTheDrawingItselfIsUnderIt) {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "only X is polled for the pointer";
    // A window of another kind lying over the left quarter of the drawing; placed by the
    // program itself, whatever the window manager would do.
    QWindow cover;
    cover.setFlags(Qt::ToolTip | Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint);
    cover.setGeometry(QRect(view_.mapToGlobal(QPoint(0, 0)), QSize(200, 600)));
    cover.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&cover));

    std::vector<QPointF> moves;
    QObject::connect(&view_, &GameView::MouseMoved,
                     [&](float x, float y) { moves.emplace_back(x, y); });
    const auto pointAt = [&](int x, int y) {
        QCursor::setPos(view_.screen(), view_.mapToGlobal(QPoint(x, y)));
        view_.PollPointer();
    };
    pointAt(700, 300); // the first reading only tells where the pointer starts
    pointAt(600, 300);
    pointAt(100, 300); // over the other window
    pointAt(500, 200);
    EXPECT_EQ(moves, (std::vector<QPointF>{{600, 300}, {500, 200}}));
}

TEST_F(GameViewTest, KeepsPresentingWhileTheWindowSystemCountsItUnexposed) {
    // Qt's Wayland plugin counts a window on the screen unexposed whenever a frame callback
    // comes late, and may not count it exposed again before it presents a new picture. A
    // minimised window is counted so wherever a client can minimise its window.
    view_.showMinimized();
    if (!QTest::qWaitFor([&] { return !view_.isExposed(); }, 2000))
        GTEST_SKIP() << "this desktop leaves a minimised window exposed";
    world_.state.Running = true; // a new picture is due
    const long shown = view_.PicturesShown();
    view_.ShowFrame(false);
    EXPECT_EQ(view_.PicturesShown(), shown + 1);
}

} // namespace
} // namespace kluvian
