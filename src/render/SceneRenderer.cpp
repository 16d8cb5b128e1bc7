// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/SceneRenderer.h"

#include "render/Primitives.h"
#include "render/Projection.h"

namespace kluvian {
namespace {

constexpr double kBackTile = 800;
constexpr double kFrontTile = 600;

// A layer tile, over the part of its texture that shows: texture s = 0 lands at the tile's
// right edge on the screen, so the layer pictures are shown mirrored left to right.
void DrawTile(double x0, double edge, const VisiblePart& part) {
    const auto x = [&](float s) { return static_cast<float>(x0 + s * edge); };
    const auto y = [&](float t) { return static_cast<float>(t * edge); };
    DrawTexturePart(x(part.s0), x(part.s1), y(part.t0), y(part.t1), part);
}

// Tiles lie edge to edge: at its edges a tile must not blend in the texels of its opposite
// edge, as a repeating texture does under linear filtering, which would draw a seam.
void BindTileTexture(GLuint name) {
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
}

void DrawBird(const World& world, int group, const TChicken& bird, bool pickMode) {
    if (pickMode) {
        glColor3ub(static_cast<GLubyte>(bird.Id), 1, 1);
        DrawSprite(false, double(bird.X), double(bird.Y), bird.Size);
        return;
    }
    const auto& textures = world.textures;
    if (bird.Falling == 0) {
        const auto frame = std::size_t(bird.Frame) % textures.BirdFrameTex[0].size();
        glBindTexture(GL_TEXTURE_2D, textures.BirdFrameTex[std::size_t(group)][frame]);
        DrawSprite(bird.DX > 0, double(bird.X), double(bird.Y), bird.Size);
    } else {
        glBindTexture(GL_TEXTURE_2D, textures.FallingTex[std::size_t(group)]);
        DrawSprite(false, double(bird.X), double(bird.Y), kBirdSize[std::size_t(group)]);
    }
}

void DrawHud(const World& world, const HudTexts& hud, const VisibleParts& parts) {
    const auto& state = world.state;
    const auto& textures = world.textures;
    const VisiblePart cartridge = parts.Of(textures.AmmoTex);
    for (std::int32_t i = 1; i <= state.Ammo; ++i) {
        glBindTexture(GL_TEXTURE_2D, textures.AmmoTex);
        DrawSpritePart(false, (i - 1) * 30 - 90, 0, 128, cartridge);
    }
    const auto fpsLength = static_cast<std::int32_t>(hud.fps.size());
    DrawFontText(textures.FontTex, hud.fps, 14 * fpsLength, 2, 20, state.FpsColor.R,
                 state.FpsColor.G, state.FpsColor.B);
    DrawFontText(textures.FontTex, hud.score, 815, 565, 30, state.ScoreColor.R, state.ScoreColor.G,
                 state.ScoreColor.B);
    DrawFontText(textures.FontTex, hud.time, 815, 535, 30, state.TimeColor.R, state.TimeColor.G,
                 state.TimeColor.B);
}

} // namespace

void DrawScene(const World& world, bool pickMode, const HudTexts& hud, const VisibleParts& parts) {
    const auto& state = world.state;
    const auto& textures = world.textures;
    glDisable(GL_DEPTH_TEST);
    if (pickMode)
        glDisable(GL_TEXTURE_2D);
    else
        glEnable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);

    if (!pickMode) {
        for (std::size_t k = 0; k < textures.BackLayerTex.size(); ++k) {
            BindTileTexture(textures.BackLayerTex[k]);
            glColor4f(1, 1, 1, 1);
            DrawTile(double(k) * kBackTile + double(state.BackScroll), kBackTile, {});
        }
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }

    for (int i = 0; i < kBirdsPerGroup; ++i) {
        DrawBird(world, Small, world.birds(Small, i), pickMode);
        DrawBird(world, Medium, world.birds(Medium, i), pickMode);
    }

    if (!pickMode) {
        glColor4f(1, 1, 1, 1);
        for (std::size_t k = 0; k < textures.FrontLayerTex.size(); ++k) {
            BindTileTexture(textures.FrontLayerTex[k]);
            // Blended, a tile's transparent rows change nothing: only the rest is drawn.
            DrawTile(double(k) * kFrontTile + double(state.FrontScroll), kFrontTile,
                     parts.Of(textures.FrontLayerTex[k]));
        }
    }

    for (int i = 0; i < kBirdsPerGroup; ++i)
        DrawBird(world, Big, world.birds(Big, i), pickMode);

    if (!pickMode)
        DrawHud(world, hud, parts);
}

void DrawCrosshair(float x, float y, float shotScale, GLuint CursorTex, const DrawingSize& size) {
    SetPixelProjection(size.width, size.height, size.pixelRatio);
    glPushMatrix();
    glTranslatef(x, y, 0);
    glScalef(shotScale, shotScale, shotScale);
    glRotatef((shotScale - 1) * 90, 0, 0, 1);
    glColor3f(1, 1, 1);
    glBindTexture(GL_TEXTURE_2D, CursorTex);
    glBegin(GL_QUADS);
    glTexCoord2f(1, 0);
    glVertex3f(32, 32, 0);
    glTexCoord2f(0, 0);
    glVertex3f(-32, 32, 0);
    glTexCoord2f(0, 1);
    glVertex3f(-32, -32, 0);
    glTexCoord2f(1, 1);
    glVertex3f(32, -32, 0);
    glEnd();
    glPopMatrix();
}

} // namespace kluvian
