// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Frame.h"

#include "render/HudText.h"
#include "render/Primitives.h"
#include "render/Projection.h"

#include <GL/gl.h>

#include <span>

namespace kluvian {
namespace {

// Tiles lie edge to edge: at its edges a tile must not blend in the texels of its opposite
// edge, as a repeating texture does under linear filtering, which would draw a seam.
void BindTileTexture(GLuint name) {
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
}

// Coarse, the bound texture is sampled at its nearest texels while this lives; it keeps
// its own filter.
class CoarseSampling {
public:
    explicit CoarseSampling(bool coarse) : coarse_(coarse) {
        if (!coarse_)
            return;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter_);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter_);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    }
    ~CoarseSampling() {
        if (!coarse_)
            return;
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter_);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magFilter_);
    }
    CoarseSampling(const CoarseSampling&) = delete;
    CoarseSampling& operator=(const CoarseSampling&) = delete;

private:
    bool coarse_;
    GLint minFilter_ = GL_LINEAR;
    GLint magFilter_ = GL_LINEAR;
};

// A layer tile, over the pieces of its texture that show: texture s = 0 lands at the tile's
// right edge on the screen, so the layer pictures are shown mirrored left to right.
void DrawTile(GLuint name, bool coarse, double x0, double edge,
              std::span<const VisiblePart> pieces) {
    BindTileTexture(name);
    const CoarseSampling sampling(coarse);
    const auto x = [&](float s) { return static_cast<float>(x0 + s * edge); };
    const auto y = [&](float t) { return static_cast<float>(t * edge); };
    for (const VisiblePart& part : pieces)
        DrawTexturePart(x(part.s0), x(part.s1), y(part.t0), y(part.t1), part);
}

void DrawBird(const FrameLook& look, int group, const BirdLook& bird, bool pickMode) {
    if (pickMode) {
        glColor3ub(static_cast<GLubyte>(bird.Id), 1, 1);
        DrawSprite(false, bird.X, bird.Y, bird.Size);
        return;
    }
    const auto& textures = look.textures;
    if (bird.Falling == 0) {
        const auto frame = std::size_t(bird.Frame) % kFlightFrames;
        glBindTexture(GL_TEXTURE_2D, textures.BirdFrameTex[std::size_t(group)][frame]);
        DrawSprite(bird.mirrored, bird.X, bird.Y, bird.Size);
    } else {
        glBindTexture(GL_TEXTURE_2D, textures.FallingTex[std::size_t(group)]);
        DrawSprite(false, bird.X, bird.Y, kBirdSize[std::size_t(group)]);
    }
}

void DrawBirds(const FrameLook& look, std::initializer_list<int> groups, bool pickMode) {
    for (int i = 0; i < kBirdsPerGroup; ++i)
        for (const int g : groups)
            DrawBird(look, g, look.birds[std::size_t(g)][std::size_t(i)], pickMode);
}

void DrawHud(const FrameLook& look, const VisibleParts& parts) {
    const GLuint font = look.textures.FontTex;
    const GLuint cartridge = look.textures.AmmoTex;
    for (std::int32_t i = 1; i <= look.Ammo; ++i) {
        glBindTexture(GL_TEXTURE_2D, cartridge);
        const CoarseSampling sampling(look.coarse);
        DrawSpritePart(false, (i - 1) * 30 - 90, 0, 128, parts.Of(cartridge));
    }
    // The texts take the colour they are given.
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    const std::string fps = FpsText(float(look.fps));
    const auto fpsLength = static_cast<std::int32_t>(fps.size());
    const auto text = [&](std::string_view s, std::int32_t x, std::int32_t y, std::int32_t size,
                          const RGBColor& c) { DrawFontText(font, s, x, y, size, c.R, c.G, c.B); };
    text(fps, 14 * fpsLength, 2, 20, look.FpsColor);
    text(ScoreText(look.Score), 815, 565, 30, look.ScoreColor);
    text(TimeText(look.TimeLeft), 815, 535, 30, look.TimeColor);
}

// The word centred on the view in glyphs of 60 units, in the area's help colour.
void DrawPauseText(const FrameLook& look) {
    constexpr std::int32_t kSize = 60;
    const std::string text = PauseText();
    const auto length = static_cast<std::int32_t>(text.size());
    // Glyph i spans 800 - X + i * size / 2 .. + size from the left: the text's middle in the
    // middle of the view.
    const std::int32_t x = kWorldWidth / 2 + (length + 1) * kSize / 4 + kSize / 2;
    const RGBColor& c = look.HelpColor;
    DrawFontText(look.textures.FontTex, text, x, kWorldHeight / 2 - kSize / 2, kSize, c.R, c.G,
                 c.B);
}

// Centred on the pointer in logical pixels, 64 of them across, scaled by the shot's scale and
// turned by (scale - 1) * 90 degrees.
void DrawCrosshair(const FrameLook& look) {
    SetPixelProjection(look.size.width, look.size.height, look.size.pixelRatio);
    const float scale = look.ShotScale;
    glPushMatrix();
    glTranslatef(look.MouseX, look.MouseY, 0);
    glScalef(scale, scale, scale);
    glRotatef((scale - 1) * 90, 0, 0, 1);
    glColor3f(1, 1, 1);
    glBindTexture(GL_TEXTURE_2D, look.textures.CursorTex);
    WriteQuad({32, -32, 32, -32, 1, 0, 0, 1});
    glPopMatrix();
}

} // namespace

void DrawFrame(const FrameLook& look, const VisibleParts& parts, bool PickMode) {
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    // Nothing is depth tested: clearing the depth buffer too would cost a software
    // rasteriser a sixth of the frame.
    glClear(GL_COLOR_BUFFER_BIT);
    // Blending would leave destination alpha below 1, which garbles screenshots.
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
    SetWorldProjection(look.size.width, look.size.height);
    LoadWorldModelView();

    if (look.Running) {
        glDisable(GL_DEPTH_TEST);
        if (PickMode)
            glDisable(GL_TEXTURE_2D);
        else
            glEnable(GL_TEXTURE_2D);
        glDisable(GL_BLEND);

        if (!PickMode) {
            glColor4f(1, 1, 1, 1);
            // Up to the head-up display's texts everything is drawn untinted: the texel as
            // it is, without a multiply by white for each of the screen's pixels.
            glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
            const VisiblePart whole;
            for (std::size_t k = 0; k < kBackgroundTiles; ++k)
                DrawTile(look.textures.BackLayerTex[k], look.coarse,
                         double(k) * kBackTileEdge + look.BackScroll, kBackTileEdge, {&whole, 1});
            glEnable(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        }
        DrawBirds(look, {Small, Medium}, PickMode);
        if (!PickMode) {
            glColor4f(1, 1, 1, 1);
            // Blended, a tile's transparent texels change nothing: only what shows something
            // is drawn. While the player pans or aims, that is the pieces of the tile, sky
            // between its trees left out; at rest the one rectangle around them, as the
            // pieces' edges can move a filtered texel's weights by a rounding step.
            for (std::size_t k = 0; k < kForegroundTiles; ++k) {
                const GLuint name = look.textures.FrontLayerTex[k];
                const VisiblePart bounds = parts.Of(name);
                DrawTile(name, look.coarse, double(k) * kFrontTileEdge + look.FrontScroll,
                         kFrontTileEdge,
                         look.coarse ? std::span(parts.PiecesOf(name))
                                     : std::span<const VisiblePart>(&bounds, 1));
            }
        }
        DrawBirds(look, {Big}, PickMode);
        if (!PickMode) {
            DrawHud(look, parts);
            // Paused, the system pointer shows instead of the cross-hair.
            if (look.paused)
                DrawPauseText(look);
            else
                DrawCrosshair(look);
        }
    }
    glEnable(GL_DEPTH_TEST);
}

} // namespace kluvian
