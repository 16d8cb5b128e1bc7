// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Primitives.h"
#include "TestTextures.h"
#include "render/Projection.h"
#include "support/GLTestContext.h"

#include <gtest/gtest.h>

namespace kluvian {
namespace {

using test::Rgba;

class Primitives : public ::testing::Test {
protected:
    test::GLTestContext gl_{800, 600};

    void SetUp() override {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        SetWorldProjection(800, 600);
        LoadWorldModelView();
        glEnable(GL_TEXTURE_2D);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    Rgba At(int x, int y) { return gl_.Pixel(x, y); }
};

TEST_F(Primitives, WorldFrameGrowsLeftAndUpAndStretchesOverTheClient) {
    glDisable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    DrawSprite(false, 0, 0, 10); // world 0..10 is the bottom-right corner
    EXPECT_EQ(At(795, 595), (Rgba{255, 255, 255, 255}));
    EXPECT_EQ(At(785, 595), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(At(795, 585), (Rgba{0, 0, 0, 255}));

    test::GLTestContext wide{1600, 300};
    SetWorldProjection(1600, 300);
    LoadWorldModelView();
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(1, 1, 1);
    DrawSprite(false, 0, 0, 10); // stretched: 20 pixels wide, 5 high
    EXPECT_EQ(wide.Pixel(1581, 296)[0], 255);
    EXPECT_EQ(wide.Pixel(1578, 296)[0], 0);
    EXPECT_EQ(wide.Pixel(1590, 293)[0], 0);
}

TEST_F(Primitives, MirroredSpriteIsTheUnmirroredOneFlippedLeftToRight) {
    const GLuint texture = test::LeftRedRightGreen();
    glColor3f(1, 1, 1);
    DrawSprite(false, 400, 300, 100); // screen x 300..400, y 200..300
    EXPECT_EQ(At(310, 250), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(At(390, 250), (Rgba{0, 255, 0, 255}));
    DrawSprite(true, 400, 300, 100);
    EXPECT_EQ(At(310, 250), (Rgba{0, 255, 0, 255}));
    EXPECT_EQ(At(390, 250), (Rgba{255, 0, 0, 255}));
    glDeleteTextures(1, &texture);
}

TEST_F(Primitives, ScoreLineGlyphsStartAtTheLeftEdgeAndAdvanceByHalfACell) {
    const GLuint font = test::NumberedFont();
    DrawFontText(font, "AB ", 815, 565, 30, 1, 1, 1);
    // Glyph j covers 15 (j - 1) .. 15 (j - 1) + 30 from the left, 5 .. 35 from the top; a
    // later glyph covers the earlier one where they overlap.
    EXPECT_EQ(At(1, 6)[0], 'A');
    EXPECT_EQ(At(14, 34)[0], 'A');
    EXPECT_EQ(At(16, 20)[0], 'B');
    EXPECT_EQ(At(31, 20)[0], ' '); // the space draws its cell like any other glyph
    EXPECT_EQ(At(59, 20)[0], ' ');
    EXPECT_EQ(At(61, 20), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(At(20, 3), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(At(20, 37), (Rgba{0, 0, 0, 255}));
    // GL_MODULATE: the text colour multiplies the glyph.
    DrawFontText(font, "\xff", 815, 300, 30, 0, 1, 0);
    EXPECT_EQ(At(20, 280), (Rgba{0, 0, 0, 255}));
    DrawFontText(font, "\x10", 815, 300, 30, 0.5f, 1, 0);
    const Rgba modulated = At(20, 280);
    EXPECT_NEAR(modulated[0], 8, 1);
    EXPECT_EQ(modulated[1], 255 - 16);
    glDeleteTextures(1, &font);
}

TEST_F(Primitives, FontTextLeavesTexturingBlendingAndTheFontBehind) {
    const GLuint font = test::NumberedFont();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    DrawFontText(font, "", 100, 100, 20, 1, 0, 0);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(GLuint(bound), font);
    glDeleteTextures(1, &font);
}

} // namespace
} // namespace kluvian
