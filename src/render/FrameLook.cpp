// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/FrameLook.h"

#include "render/HudText.h"

namespace kluvian {

FrameLook LookOf(const World& world, const FrameStats& stats, const TextureSlots& textures,
                 const DrawingSize& size) {
    const GameState& state = world.state;
    FrameLook look;
    look.size = size;
    look.Running = state.Running;
    if (!state.Running)
        return look;
    look.paused = state.paused;
    look.fps = RoundedFps(stats.Fps);
    look.Score = state.Score;
    look.TimeLeft = state.TimeLeft;
    look.BackScroll = double(state.BackScroll);
    look.FrontScroll = double(state.FrontScroll);
    look.Ammo = state.Ammo;
    look.MouseX = state.MouseX;
    look.MouseY = state.MouseY;
    look.ShotScale = stats.shownShotScale;
    look.ScoreColor = state.ScoreColor;
    look.TimeColor = state.TimeColor;
    look.FpsColor = state.FpsColor;
    look.HelpColor = state.HelpColor;
    for (int g = 0; g < kGroups; ++g)
        for (int i = 0; i < kBirdsPerGroup; ++i) {
            const TChicken& bird = world.birds(g, i);
            look.birds[std::size_t(g)][std::size_t(i)] = {
                double(bird.X), double(bird.Y), bird.Id,    bird.Size,
                bird.Frame,     bird.Falling,   bird.DX > 0};
        }
    look.textures = textures;
    return look;
}

} // namespace kluvian
