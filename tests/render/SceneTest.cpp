// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestTextures.h"
#include "render/Frame.h"
#include "support/FakeClock.h"
#include "support/GLTestContext.h"
#include "textures/UploadTexture.h"

#include <QImage>

#include <gtest/gtest.h>

namespace kluvian {
namespace {

using test::MakeTexture;
using test::Rgba;
using test::SolidTexture;

constexpr Rgba kBlack{0, 0, 0, 255};

// Two-coloured tiles: texel column 0 in one colour, column 1 in another, so mirroring shows.
GLuint TwoTone(Rgba left, Rgba right) {
    return MakeTexture(2, 1, [=](int column, int) { return column == 0 ? left : right; });
}

class Scene : public ::testing::Test {
protected:
    test::GLTestContext gl_{800, 600};
    FakeClock clock_;
    World world_{clock_};
    FrameStats stats_;
    TextureSlots tex_;
    VisibleParts parts_; // none measured: every texture drawn whole

    void SetUp() override {
        for (int g = 0; g < kGroups; ++g)
            for (int i = 0; i < kBirdsPerGroup; ++i) {
                TChicken& bird = world_.birds(g, i);
                bird.Id = kFirstId[std::size_t(g)] + i;
                bird.Size = kBirdSize[std::size_t(g)];
                bird.X = -1000; // parked outside the view
                bird.Y = -1000;
            }
        world_.state.Running = true;
        world_.state.Score = -5;
        world_.state.TimeLeft = 90;
        world_.state.MouseX = world_.state.MouseY = -1000; // the cross-hair out of the way
        // Black scenery and an invisible font and cross-hair unless a test says otherwise:
        // texture name 0 would draw plain white quads.
        tex_.BackLayerTex.fill(SolidTexture({0, 0, 0, 255}));
        tex_.FrontLayerTex.fill(SolidTexture({0, 0, 0, 0}));
        tex_.FontTex = SolidTexture({0, 0, 0, 0});
        tex_.CursorTex = tex_.FontTex;
    }

    void Render(bool pick = false) {
        glClearColor(0, 0, 0, 1);
        DrawFrame(LookOf(world_, stats_, tex_, {800, 600, 1.0}), parts_, pick);
    }
    // The frame as drawn, at rest or while the player pans or aims.
    QImage Drawn(bool coarse) {
        FrameLook look = LookOf(world_, stats_, tex_, {800, 600, 1.0});
        look.coarse = coarse;
        DrawFrame(look, parts_, false);
        return gl_.Framebuffer().toImage();
    }
    Rgba At(int x, int y) { return gl_.Pixel(x, y); }
    TChicken& Bird(int group, int i) { return world_.birds(group, i); }
};

TEST_F(Scene, BackgroundTilesAreMirroredAndFollowBackScroll) {
    auto& tex = tex_;
    tex.BackLayerTex = {TwoTone({10, 0, 0, 255}, {11, 0, 0, 255}),
                        TwoTone({20, 0, 0, 255}, {21, 0, 0, 255}),
                        TwoTone({30, 0, 0, 255}, {31, 0, 0, 255})};
    Render();
    // Tile 0 fills the view; the picture's left half shows on the right of the screen.
    EXPECT_EQ(At(700, 300)[0], 10);
    EXPECT_EQ(At(100, 300)[0], 11);
    EXPECT_EQ(At(100, 2)[0], 11); // only the lower three quarters of a tile are in view
    world_.state.BackScroll = -1600;
    Render();
    EXPECT_EQ(At(700, 300)[0], 30);
    EXPECT_EQ(At(100, 300)[0], 31);
    world_.state.BackScroll = -400; // half of tile 0 and half of tile 1
    Render();
    EXPECT_EQ(At(700, 300)[0], 11);
    EXPECT_EQ(At(100, 300)[0], 20);
}

TEST_F(Scene, ATileEdgeNeverTakesTheColourOfTheOppositeEdge) {
    // Filtered as the game's textures are; red in the last column, green in the last row.
    const GLuint tile = MakeTexture(8, 8, [](int column, int row) {
        return Rgba{std::uint8_t(column == 7 ? 200 : 0), std::uint8_t(row == 7 ? 200 : 0), 0, 255};
    });
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    tex_.BackLayerTex.fill(tile);
    Render();
    // The view's right and bottom edges are the tile's first column and first row.
    EXPECT_EQ(At(799, 300), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(At(400, 0), (Rgba{0, 0, 0, 255}));
}

TEST_F(Scene, ACoarsePictureSamplesTheLayersNearestAndLeavesTheirFilteringAsItWas) {
    // Filtered as the game's textures are: a dark and a light half, blended in between.
    const GLuint tile = TwoTone({0, 0, 0, 255}, {200, 0, 0, 255});
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    tex_.BackLayerTex.fill(tile);
    const QImage filtered = Drawn(false);
    EXPECT_EQ(filtered.pixelColor(500, 300).red(), 50); // a quarter of a texel into the light one
    const QImage coarse = Drawn(true);
    EXPECT_EQ(coarse.pixelColor(500, 300).red(), 0);
    EXPECT_EQ(coarse.pixelColor(300, 300).red(), 200);
    EXPECT_EQ(Drawn(false), filtered);
}

TEST_F(Scene, ForegroundHidesSmallAndMediumBirdsButNeverBigOnes) {
    auto& tex = tex_;
    const GLuint grey = SolidTexture({100, 100, 100, 255});
    // Opaque in its lower half (t below 0.5: world y 0..300), clear above.
    const GLuint ground = MakeTexture(1, 2, [](int, int row) {
        return row == 0 ? Rgba{50, 50, 50, 255} : Rgba{0, 0, 0, 0};
    });
    tex.FrontLayerTex.fill(ground);
    tex.BirdFrameTex[Small].fill(grey);
    tex.BirdFrameTex[Medium].fill(grey);
    tex.BirdFrameTex[Big].fill(SolidTexture({200, 200, 200, 255}));
    Bird(Small, 0).X = 700, Bird(Small, 0).Y = 100;   // screen x 75..100, y 475..500
    Bird(Medium, 3).X = 500, Bird(Medium, 3).Y = 400; // above the ground: visible
    Bird(Big, 9).X = 300, Bird(Big, 9).Y = 100;       // screen x 455..500
    Render();
    EXPECT_EQ(At(88, 488), (Rgba{50, 50, 50, 255}));
    EXPECT_EQ(At(282, 182), (Rgba{100, 100, 100, 255}));
    EXPECT_EQ(At(478, 478), (Rgba{200, 200, 200, 255}));
    EXPECT_EQ(At(600, 100), kBlack); // clear foreground over an empty background
}

TEST_F(Scene, LivingBirdsFacingLeftAreMirroredAndFallingOnesUseTheirPicture) {
    auto& tex = tex_;
    tex.BirdFrameTex[Big][2] = TwoTone({255, 0, 0, 255}, {0, 255, 0, 255});
    tex.FallingTex[Big] = SolidTexture({0, 0, 255, 255});
    TChicken& b = Bird(Big, 0);
    b.X = 400, b.Y = 300, b.Frame = 2, b.DX = -3; // flies right on the screen: as drawn
    Render();
    EXPECT_EQ(At(360, 280)[0], 255); // picture's left on the left
    EXPECT_EQ(At(395, 280)[1], 255);
    b.DX = 3; // towards higher X: leftwards on the screen, mirrored
    Render();
    EXPECT_EQ(At(360, 280)[1], 255);
    EXPECT_EQ(At(395, 280)[0], 255);
    b.Falling = 30;
    Render();
    EXPECT_EQ(At(360, 280), (Rgba{0, 0, 255, 255}));
    EXPECT_EQ(At(395, 280), (Rgba{0, 0, 255, 255}));
}

TEST_F(Scene, MagazineShowsOneCartridgePerRound) {
    tex_.AmmoTex = SolidTexture({255, 255, 255, 255});
    world_.state.Ammo = 8;
    Render();
    // Icon i spans 762 - 30 (i - 1) .. 890 - 30 (i - 1) from the left, 472 .. 600 from the top.
    EXPECT_EQ(At(553, 500)[0], 255);
    EXPECT_EQ(At(550, 500), kBlack);
    EXPECT_EQ(At(799, 473)[0], 255);
    EXPECT_EQ(At(799, 470), kBlack);
    world_.state.Ammo = 1;
    Render();
    EXPECT_EQ(At(763, 500)[0], 255);
    EXPECT_EQ(At(760, 500), kBlack);
    world_.state.Ammo = 0;
    Render();
    EXPECT_EQ(At(790, 590), kBlack);
}

TEST_F(Scene, HeadUpTextsSitInTheirCornersInTheirColours) {
    tex_.FontTex = test::NumberedFont();
    world_.state.ScoreColor = {1, 1, 1};
    world_.state.TimeColor = {1, 0, 0};
    world_.state.FpsColor = {1, 1, 0};
    Render();
    // "Wynik: -5": glyph j from 15 j - 15 to 15 j + 15, 5 .. 35 from the top.
    EXPECT_EQ(At(2, 20)[0], 'W');
    EXPECT_EQ(At(110, 20)[0], '-'); // glyph 8 covers 105 .. 135, the last one beyond 120
    EXPECT_EQ(At(130, 20)[0], '5');
    EXPECT_EQ(At(151, 20), kBlack);
    // "Czas: 90" one line lower, red only.
    EXPECT_EQ(At(2, 50), (Rgba{'C', 0, 0, 255}));
    EXPECT_EQ(At(2, 66), kBlack);
    // "0 FPS": glyph j spans 730 + 10 j .. 750 + 10 j, 578 .. 598 from the top.
    EXPECT_EQ(At(741, 590), (Rgba{'0', 255 - '0', 0, 255}));
    EXPECT_EQ(At(795, 590)[0], 'S');
    EXPECT_EQ(At(738, 590), kBlack);
    EXPECT_EQ(At(760, 576), kBlack);
}

TEST_F(Scene, CrosshairIsCentredOnTheMouseAndScaled) {
    tex_.CursorTex = SolidTexture({255, 255, 255, 255});
    world_.state.MouseX = 400;
    world_.state.MouseY = 100;
    Render();
    EXPECT_EQ(At(369, 100)[0], 255);
    EXPECT_EQ(At(430, 131)[0], 255);
    EXPECT_EQ(At(366, 100), kBlack);
    EXPECT_EQ(At(400, 134), kBlack);
    stats_.shownShotScale = 2.0f; // 128 pixels, turned by 90 degrees: still a square
    Render();
    EXPECT_EQ(At(338, 100)[0], 255);
    EXPECT_EQ(At(334, 100), kBlack);
}

TEST_F(Scene, DrawingOnlyTheVisiblePartsOfTheTexturesLeavesThePictureAsItWas) {
    // A foreground tile shown in its lower rows only, with a wide gap of sky between its two
    // sides, and a cartridge of a few columns, both filtered and blended as the loader's
    // textures are, over a background of another colour; at rest and while the player moves,
    // when the tile is drawn in pieces.
    Picture layer{64, 64, 4, std::vector<std::uint8_t>(64 * 64 * 4, 0)};
    Picture cartridge{32, 32, 4, std::vector<std::uint8_t>(32 * 32 * 4, 0)};
    const auto paint = [](Picture& p, int x, int y, std::uint8_t r, std::uint8_t a) {
        std::uint8_t* texel = &p.pixels[std::size_t((y * p.width + x) * 4)];
        texel[0] = r, texel[1] = std::uint8_t(x * 4), texel[2] = std::uint8_t(y * 4), texel[3] = a;
    };
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 64; ++x)
            if (x < 8 || x >= 56)
                paint(layer, x, y, 200, std::uint8_t(y < 12 ? 255 : 255 - 20 * (y - 11)));
    for (int y = 3; y < 22; ++y)
        for (int x = 10; x < 15; ++x)
            paint(cartridge, x, y, 250, 180);
    auto& tex = tex_;
    tex.BackLayerTex.fill(SolidTexture({20, 60, 120, 255}));
    tex.FrontLayerTex.fill(UploadTexture(64, 64, GL_RGBA, layer.pixels.data()));
    tex.AmmoTex = UploadTexture(32, 32, GL_RGBA, cartridge.pixels.data());
    world_.state.Ammo = 8;
    world_.state.FrontScroll = -150.5;
    const QImage whole = Drawn(false);
    const QImage wholeCoarse = Drawn(true);
    parts_.Set(tex.FrontLayerTex[0], layer);
    parts_.Set(tex.AmmoTex, cartridge);
    for (const VisiblePart& piece : parts_.PiecesOf(tex.FrontLayerTex[0])) {
        ASSERT_LE(piece.t1, 0.5f); // most of the tile is left out, the gap too
        ASSERT_TRUE(piece.s1 <= 0.5f || piece.s0 >= 0.5f);
    }
    ASSERT_LT(parts_.Of(tex.AmmoTex).s1 - parts_.Of(tex.AmmoTex).s0, 0.5f);
    EXPECT_EQ(Drawn(false), whole);
    EXPECT_EQ(Drawn(true), wholeCoarse);
}

TEST_F(Scene, PickingPassPaintsEachBirdInItsIdAndNothingElse) {
    tex_.BackLayerTex.fill(SolidTexture({90, 90, 90, 255}));
    tex_.FrontLayerTex.fill(SolidTexture({90, 90, 90, 255}));
    tex_.AmmoTex = SolidTexture({90, 90, 90, 255});
    world_.state.Ammo = 8;
    Bird(Medium, 4).X = 400, Bird(Medium, 4).Y = 300;
    Bird(Big, 7).X = 420, Bird(Big, 7).Y = 300; // overlaps the medium bird
    Bird(Small, 2).X = 100, Bird(Small, 2).Y = 50, Bird(Small, 2).Falling = 20;
    Render(true);
    EXPECT_EQ(At(390, 290), (Rgba{24, 1, 1, 255})); // medium bird alone
    EXPECT_EQ(At(375, 290), (Rgba{37, 1, 1, 255})); // overlap: the big bird wins
    EXPECT_EQ(At(690, 540), (Rgba{12, 1, 1, 255})); // falling bird, behind the ground
    EXPECT_EQ(At(10, 10), kBlack);                  // no scenery, no texts
    EXPECT_EQ(At(790, 590), kBlack);                // no magazine
}

} // namespace
} // namespace kluvian
