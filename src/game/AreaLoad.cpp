// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/AreaLoad.h"

#include "game/Random.h"
#include "game/Shooting.h"
#include "platform/FileBytes.h"

#include <array>

namespace kluvian {
namespace {

RGBColor& ColorOf(GameState& state, HudColor color) {
    switch (color) {
    case HudColor::Score:
        return state.ScoreColor;
    case HudColor::Time:
        return state.TimeColor;
    case HudColor::Help:
        return state.HelpColor;
    case HudColor::Fps:
        break;
    }
    return state.FpsColor;
}

float& ChannelOf(RGBColor& color, int channel) {
    return channel == 0 ? color.R : channel == 1 ? color.G : color.B;
}

std::string File(const std::string& dir, std::string_view name) {
    return dir + std::string(name);
}

std::string ReadStem(const GameState& state, int group) {
    if (!state.Settings)
        return std::string(kStemDefaults[std::size_t(group)]);
    return FlightFrameStem(*state.Settings, group);
}

void ReadColors(GameState& state) {
    for (const ColorKey& c : kColorKeys)
        ChannelOf(ColorOf(state, c.color), c.channel) =
            static_cast<float>(state.Settings->ReadFloat(kColorsSection, c.key, c.fallback));
}

// Everything that may end the load early. Each bird and setting is looked up anew after
// every progress step: the events run there may change any of them.
void LoadArea(World& world, AreaLoadHost& host, GameSounds& sounds, const std::string& dir) {
    GameState& state = world.state;
    using Slot = PictureSlot;

    const std::string music = File(dir, kMusicFile);
    if (sounds.On() && FileExists(music)) {
        sounds.PlayMusic(music);
        state.MusicOpened = true;
    }
    host.ProgressStep();

    for (std::size_t n = 0; n < kBackgroundTiles; ++n) {
        host.LoadPicture(File(dir, NumberedPicture(kBackgroundStem, int(n))),
                         {Slot::BackLayer, 0, n});
        host.ProgressStep();
    }
    for (std::size_t n = 0; n < kForegroundTiles; ++n) {
        host.LoadPicture(File(dir, NumberedPicture(kForegroundStem, int(n))),
                         {Slot::FrontLayer, 0, n});
        host.ProgressStep();
    }

    state.BackScroll = 0;
    state.FrontScroll = 0;
    state.Ammo = kMagazine;
    host.LoadPicture(File(dir, kAmmoFile), {Slot::Ammo});
    host.ProgressStep();
    state.Score = 0;

    BirdTable& birds = world.birds;
    for (int i = 0; i < kBirdsPerGroup; ++i) {
        for (int g = 0; g < kGroups; ++g)
            birds(g, i).Spawn(world.random, state.BackScroll);
        for (int g = 0; g < kGroups; ++g)
            birds(g, i).Frame = static_cast<std::int32_t>(world.random.RandomBelow(kFlightFrames));
        for (int g = 0; g < kGroups; ++g)
            birds(g, i).Falling = 0;
        for (std::size_t g = 0; g < kGroups; ++g) {
            host.LoadPicture(File(dir, kFallingFiles[g]), {Slot::Falling, g});
            host.ProgressStep();
        }
    }

    for (std::size_t f = 0; f < kFlightFrames; ++f)
        for (int g = 0; g < kGroups; ++g) {
            const std::string stem = ReadStem(state, g);
            const std::string path = File(dir, NumberedPicture(stem, int(f)));
            if (StemNamesAreaFile(stem))
                host.LoadPicture(path, {Slot::BirdFrame, std::size_t(g), f});
            else
                host.ShowFileNotFound(path);
            host.ProgressStep();
        }
}

} // namespace

std::string AreaDir(const GameState& state) {
    if (!state.areaPath.empty() && !state.AreaName.empty())
        return state.areaPath;
    return state.ExeDir + std::string(kDataFolder) + state.AreaName + "/";
}

std::string AreaNameOf(const GameState& state) {
    if (state.areaPath.empty())
        return std::string(kGameArea);
    std::string_view folder = state.areaPath;
    while (folder.size() > 1 && folder.back() == '/')
        folder.remove_suffix(1);
    return std::string(folder.substr(folder.rfind('/') + 1));
}

bool RunAreaLoad(World& world, AreaLoadHost& host, GameSounds& sounds) {
    GameState& state = world.state;
    state.AreaName = AreaNameOf(state);
    // A copy: a load run by the events of a progress step would otherwise change it midway.
    const std::string dir = AreaDir(state);
    state.Settings = IniFile::Open(File(dir, kSettingsFile));
    ReadColors(state);
    bool loaded = false;
    try {
        LoadArea(world, host, sounds, dir);
        loaded = true;
    } catch (...) {
        host.ShowMissingFileWarning();
    }
    host.FinishLoad();
    return loaded;
}

} // namespace kluvian
