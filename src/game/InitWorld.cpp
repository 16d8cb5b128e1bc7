// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/InitWorld.h"

namespace kluvian {
namespace {

void ResetFields(GameState& state) {
    state.TimeLeft = 0;
    state.ShotScale = 1.0f;
    state.ShotPhase = 0;
}

void CreateBirds(BirdTable& birds) {
    for (int i = 0; i < kBirdsPerGroup; ++i)
        for (int g = 0; g < kGroups; ++g) {
            TChicken bird;
            bird.Id = kFirstId[std::size_t(g)] + i;
            bird.Size = kBirdSize[std::size_t(g)];
            birds(g, i) = bird;
        }
}

} // namespace

void InitWorld(World& world, const std::string& exeDir, const PictureLoadFn& loadPicture) {
    GameState& state = world.state;
    world.random.ReseedFromClock();
    state.ExeDir = exeDir;
    if (!state.ExeDir.empty() && state.ExeDir.back() != '/')
        state.ExeDir += '/';
    try {
        const std::string data = state.ExeDir + std::string(kDataFolder);
        loadPicture(data + std::string(kFontFile), {PictureSlot::Font});
        loadPicture(data + std::string(kCursorFile), {PictureSlot::Cursor});
    } catch (...) {
        // Id 0 would make every bird a hit for a shot at the empty background.
        ResetFields(state);
        CreateBirds(world.birds);
        throw;
    }
    ResetFields(state);
    CreateBirds(world.birds);
}

} // namespace kluvian
