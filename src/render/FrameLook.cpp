// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/FrameLook.h"

#include "render/HudText.h"

#include <type_traits>

namespace kluvian {
namespace {

template <typename T> void Append(std::string& bytes, const T& value) {
    static_assert(std::is_trivially_copyable_v<T>);
    bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
}

} // namespace

std::string FrameLook(const World& world, const FrameStats& stats, const DrawingSize& size) {
    const GameState& state = world.state;
    std::string bytes;
    Append(bytes, size.width);
    Append(bytes, size.height);
    Append(bytes, size.pixelRatio);
    Append(bytes, state.Running);
    if (!state.Running)
        return bytes;
    Append(bytes, state.paused);
    bytes += FpsText(stats.Fps);
    bytes += '\0';
    // long double carries padding bytes; its value is what counts.
    Append(bytes, double(state.BackScroll));
    Append(bytes, double(state.FrontScroll));
    Append(bytes, state.Ammo);
    Append(bytes, state.Score);
    Append(bytes, state.TimeLeft);
    Append(bytes, state.MouseX);
    Append(bytes, state.MouseY);
    Append(bytes, stats.shownShotScale);
    for (const RGBColor& color : {state.ScoreColor, state.TimeColor, state.FpsColor})
        Append(bytes, color);
    Append(bytes, world.textures);
    for (const auto& group : world.birds.groups)
        for (const TChicken& bird : group) {
            Append(bytes, double(bird.X));
            Append(bytes, double(bird.Y));
            Append(bytes, double(bird.DX));
            Append(bytes, bird.Frame);
            Append(bytes, bird.Size);
            Append(bytes, bird.Falling);
        }
    return bytes;
}

} // namespace kluvian
