// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/FrameStats.h"
#include "game/GameState.h"
#include "render/TextureSlots.h"

#include <array>
#include <cstdint>

namespace kluvian {

// The drawing's size in device pixels, and device pixels per logical (mouse) pixel.
struct DrawingSize {
    int width = 0;
    int height = 0;
    double pixelRatio = 1.0;
    bool operator==(const DrawingSize&) const = default;
};

// One bird as a picture shows it.
struct BirdLook {
    double X = 0;
    double Y = 0;
    std::int32_t Id = 0;
    std::int32_t Size = 0;
    std::int32_t Frame = 0;
    std::int32_t Falling = 0;
    bool mirrored = false; // flying towards higher X, leftwards on the screen
    bool operator==(const BirdLook&) const = default;
};

// Everything one picture is drawn from, taken from the world in one go. DrawFrame reads
// nothing else, so two equal looks draw the same picture: the later one need not be drawn or
// presented. Without a game the picture is black whatever the birds and the panning do, and
// the look holds the size alone.
struct FrameLook {
    DrawingSize size;
    bool Running = false;
    bool paused = false;
    long long fps = 0; // frames a second as the head-up display shows them
    std::int32_t Score = 0;
    std::int32_t TimeLeft = 0;
    double BackScroll = 0;
    double FrontScroll = 0;
    std::int32_t Ammo = 0;
    float MouseX = 0;
    float MouseY = 0;
    float ShotScale = 1; // as the picture shows it: the frame's, before its animation step
    // The layers sampled at their nearest texel rather than filtered: cheaper by a fifth of
    // a large frame on a software rasteriser, and not to be told apart in motion.
    bool coarse = false;
    RGBColor ScoreColor, TimeColor, FpsColor, HelpColor;
    std::array<std::array<BirdLook, kBirdsPerGroup>, kGroups> birds{};
    TextureSlots textures;
    bool operator==(const FrameLook&) const = default;
};

FrameLook LookOf(const World& world, const FrameStats& stats, const TextureSlots& textures,
                 const DrawingSize& size);

} // namespace kluvian
