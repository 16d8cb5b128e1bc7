// SPDX-License-Identifier: GPL-3.0-or-later
// Aim on a scaled desktop. The test command runs these at several QT_SCALE_FACTOR values,
// which must be set before the application starts.
#include "MainWindowFixture.h"
#include "app/TGLForm.h"
#include "render/GameView.h"
#include "support/TestArea.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <iostream>

namespace kluvian {
namespace {

class ScaledDesktop : public test::MainWindowFixture {
protected:
    void PrepareDirectory() override {
        test::WriteTestArea(dir_);
        // An opaque cross-hair in a colour nothing else has.
        dir_.Write("data/cursor.tga", test::SolidTga(8, 8, 255, 0, 255));
    }
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "moving the real pointer needs X; a Wayland client cannot warp it";
        test::MainWindowFixture::SetUp();
        if (HasFatalFailure())
            return;
        const char* scale = std::getenv("QT_SCALE_FACTOR");
        ratio_ = form_->View().devicePixelRatio();
        // The desktop may add a scale of its own, never take one away.
        if (scale != nullptr) {
            EXPECT_GE(ratio_, std::atof(scale) - 1e-6);
        }
        std::cout << "[ scale ] device pixels per logical pixel: " << ratio_ << "\n";
        form_->New1->trigger();
        ASSERT_TRUE(QTest::qWaitFor([&] { return GameWorld().state.Running; }, 10000));
        form_->CountDownTmr.stop();
        form_->ProceedTmr.stop();
        for (int g = 0; g < kGroups; ++g)
            for (int i = 0; i < kBirdsPerGroup; ++i)
                GameWorld().birds(g, i).X = GameWorld().birds(g, i).Y = -5000;
    }
    void TearDown() override {
        if (form_) // none when skipped
            test::MainWindowFixture::TearDown();
    }
    // Points of the drawing that are on the screen, so the real pointer can get there.
    QPoint OnScreen(double fx, double fy) {
        GameView& view = form_->View();
        const QRect screen = view.screen()->geometry();
        const QRect visible = QRect(QPoint(), view.size()) &
                              QRect(view.mapFromGlobal(screen.topLeft()), screen.size());
        return visible.topLeft() +
               QPoint(int(visible.width() * fx) & ~1, int(visible.height() * fy) & ~1);
    }
    // Moves the real pointer there and waits until the drawing has heard of it. At a
    // fractional scale the window may sit between two logical pixels, so Qt may report the
    // pointer a logical pixel off.
    void PointAt(QPoint at) {
        // Moving to where the pointer already is sends nothing; a step aside first.
        QTest::mouseMove(&form_->Drawing(), at + QPoint(5, 5));
        QTest::mouseMove(&form_->Drawing(), at);
        const auto& state = GameWorld().state;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return std::abs(state.MouseX - float(at.x())) <= 1.5f &&
                       std::abs(state.MouseY - float(at.y())) <= 1.5f;
            },
            5000))
            << state.MouseX << ", " << state.MouseY;
    }

    double ratio_ = 1;
};

TEST_F(ScaledDesktop, CrossHairIsCentredUnderThePointerAnd64LogicalPixelsAcross) {
    for (const QPoint at : {OnScreen(0.25, 0.3), OnScreen(0.7, 0.6)}) {
        PointAt(at);
        const QImage frame = form_->View().GrabFramebuffer(); // device pixels
        QRect crossHair;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                if (frame.pixelColor(x, y) == QColor(255, 0, 255))
                    crossHair |= QRect(x, y, 1, 1);
        ASSERT_FALSE(crossHair.isEmpty());
        const auto& state = GameWorld().state;
        const double centreX = (crossHair.left() + crossHair.right() + 1) / 2.0;
        const double centreY = (crossHair.top() + crossHair.bottom() + 1) / 2.0;
        EXPECT_NEAR(centreX, state.MouseX * ratio_, 1.5);
        EXPECT_NEAR(centreY, state.MouseY * ratio_, 1.5);
        EXPECT_NEAR(crossHair.width(), 64 * ratio_, 1.0);
        EXPECT_NEAR(crossHair.height(), 64 * ratio_, 1.0);
    }
}

TEST_F(ScaledDesktop, TheShotHitsTheBirdUnderThePointerAndOnlyThere) {
    auto& state = GameWorld().state;
    TChicken& bird = GameWorld().birds(Small, 4);
    const QPoint at = OnScreen(0.5, 0.5);
    PointAt(at);
    // World units per logical pixel: the world is stretched over the drawing.
    const double perX = 800.0 / form_->View().width();
    const double perY = 600.0 / form_->View().height();
    // The bird's left edge on the screen two logical pixels right of the pointer: a miss.
    bird.X = 800 - bird.Size - (at.x() + 2) * perX;
    bird.Y = 600 - bird.Size / 2.0 - at.y() * perY;
    QTest::mouseClick(&form_->View(), Qt::LeftButton, {}, at);
    EXPECT_EQ(state.Score, -2);
    EXPECT_EQ(bird.Falling, 0);
    // Two logical pixels inside its left edge: a hit.
    bird.X = 800 - bird.Size - (at.x() - 2) * perX;
    QTest::mouseClick(&form_->View(), Qt::LeftButton, {}, at);
    EXPECT_EQ(bird.Falling, 50);
    EXPECT_EQ(state.Score, -2 + 25);
}

} // namespace
} // namespace kluvian
