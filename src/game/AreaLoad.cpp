// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/AreaLoad.h"

#include "game/Random.h"
#include "game/Shooting.h"
#include "platform/FileBytes.h"

#include <array>

namespace kluvian {
namespace {

struct ColorKey {
    const char* key;
    double fallback;
    RGBColor GameState::*color;
    float RGBColor::*channel;
};

// In the order they are read.
constexpr std::array<ColorKey, 12> kColorKeys{{
    {"scoreR", 0.0, &GameState::ScoreColor, &RGBColor::R},
    {"scoreG", 1.0, &GameState::ScoreColor, &RGBColor::G},
    {"scoreB", 0.0, &GameState::ScoreColor, &RGBColor::B},
    {"timeR", 1.0, &GameState::TimeColor, &RGBColor::R},
    {"timeG", 0.0, &GameState::TimeColor, &RGBColor::G},
    {"timeB", 0.0, &GameState::TimeColor, &RGBColor::B},
    {"helpR", 1.0, &GameState::HelpColor, &RGBColor::R},
    {"helpG", 0.3, &GameState::HelpColor, &RGBColor::G},
    {"helpB", 0.0, &GameState::HelpColor, &RGBColor::B},
    {"fpsR", 0.0, &GameState::FpsColor, &RGBColor::R},
    {"fpsG", 0.0, &GameState::FpsColor, &RGBColor::G},
    {"fpsB", 0.0, &GameState::FpsColor, &RGBColor::B},
}};

constexpr std::array<const char*, kGroups> kStemKey{"smallChickenTextures", "mediumChickenTextures",
                                                    "bigChickenTextures"};
constexpr std::array<const char*, kGroups> kStemDefault{"smallChickenRight", "mediumChickenRight",
                                                        "bigChickenRight"};
constexpr std::array<const char*, kGroups> kFallingFile{
    "smallChickenFalling.tga", "mediumChickenFalling.tga", "bigChickenFalling.tga"};

std::string ReadStem(const GameState& state, int group) {
    const std::string fallback = kStemDefault[std::size_t(group)];
    if (!state.Settings)
        return fallback;
    return state.Settings->ReadString("chicken", kStemKey[std::size_t(group)], fallback);
}

void ReadColors(GameState& state) {
    for (const ColorKey& c : kColorKeys)
        (state.*c.color).*c.channel =
            static_cast<float>(state.Settings->ReadFloat("colors", c.key, c.fallback));
}

// Everything that may end the load early. Each bird and setting is looked up anew after
// every progress step: the events run there may change any of them.
void LoadArea(World& world, AreaLoadHost& host, GameSounds& sounds, const std::string& dir) {
    GameState& state = world.state;
    using Slot = PictureSlot;

    const std::string music = dir + "music.mp3";
    if (sounds.On() && FileExists(music)) {
        sounds.PlayMusic(music);
        state.MusicOpened = true;
    }
    host.ProgressStep();

    for (std::size_t n = 0; n < kBackLayers; ++n) {
        host.LoadPicture(dir + "backgroundLayer" + std::to_string(n) + ".tga",
                         {Slot::BackLayer, 0, n});
        host.ProgressStep();
    }
    for (std::size_t n = 0; n < kFrontLayers; ++n) {
        host.LoadPicture(dir + "foregroundLayer" + std::to_string(n) + ".tga",
                         {Slot::FrontLayer, 0, n});
        host.ProgressStep();
    }

    state.BackScroll = 0;
    state.FrontScroll = 0;
    state.Ammo = kMagazine;
    host.LoadPicture(dir + "ammo.tga", {Slot::Ammo});
    host.ProgressStep();
    state.Score = 0;

    BirdTable& birds = world.birds;
    for (int i = 0; i < kBirdsPerGroup; ++i) {
        for (int g = 0; g < kGroups; ++g)
            birds(g, i).Spawn(world.random, state.BackScroll);
        for (int g = 0; g < kGroups; ++g)
            birds(g, i).Frame = static_cast<std::int32_t>(world.random.RandomBelow(6));
        for (int g = 0; g < kGroups; ++g)
            birds(g, i).Falling = 0;
        for (std::size_t g = 0; g < kGroups; ++g) {
            host.LoadPicture(dir + kFallingFile[g], {Slot::Falling, g});
            host.ProgressStep();
        }
    }

    for (std::size_t f = 0; f < kFlightFrames; ++f)
        for (int g = 0; g < kGroups; ++g) {
            const std::string stem = ReadStem(state, g);
            const std::string path = dir + stem + std::to_string(f) + ".tga";
            if (StemNamesAreaFile(stem))
                host.LoadPicture(path, {Slot::BirdFrame, std::size_t(g), f});
            else
                host.ShowFileNotFound(path);
            host.ProgressStep();
        }
}

} // namespace

bool StemNamesAreaFile(std::string_view stem) {
    // A NUL would end the name the system sees early, so it would name another file.
    return stem.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos &&
           stem.find("..") == std::string_view::npos;
}

std::string AreaDir(const GameState& state) {
    if (!state.areaPath.empty() && !state.AreaName.empty())
        return state.areaPath;
    return state.ExeDir + "data/" + state.AreaName + "/";
}

std::string AreaNameOf(const GameState& state) {
    if (state.areaPath.empty())
        return std::string(kAreaName);
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
    state.Settings = IniFile::Open(dir + "settings.ini");
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
