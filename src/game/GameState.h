// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/AreaLayout.h"
#include "game/IniFile.h"
#include "game/Random.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace kluvian {

class GameRandom;

// One bird. Positions are in view units: X grows towards the left of the screen,
// Y upwards from the bottom edge; the sprite covers X .. X + Size, Y .. Y + Size.
class TChicken {
public:
    std::int32_t Id = 0;    // 10..39, the red component of the bird in the picking pass
    std::int32_t Frame = 0; // animation frame 0..5
    std::int32_t Size = 0;  // 25, 35 or 45
    long double X = 0;
    long double Y = 0;
    long double DX = 0; // per flight step (50 ms), whole numbers
    long double DY = 0;
    std::int32_t Falling = 0; // 0 while flying; 50 right after a hit, counted down per step

    // Puts the bird back at a random edge of the world with a random speed.
    void Spawn(GameRandom& random, long double BackScroll);
};

enum BirdGroup : int { Small = 0, Medium = 1, Big = 2 };
inline constexpr std::array<std::int32_t, kGroups> kBirdSize{25, 35, 45};
inline constexpr std::array<std::int32_t, kGroups> kFirstId{10, 20, 30};
inline constexpr std::array<std::int32_t, kGroups> HitPoints{25, 15, 5};

// The thirty birds: three groups of ten. Whoever visits all birds goes through index
// i = 0..9 and for each i through the small, the medium and the big bird.
struct BirdTable {
    std::array<std::array<TChicken, kBirdsPerGroup>, kGroups> groups{};

    TChicken& operator()(int group, int i) { return groups[std::size_t(group)][std::size_t(i)]; }
    const TChicken& operator()(int group, int i) const {
        return groups[std::size_t(group)][std::size_t(i)];
    }
};

struct RGBColor {
    float R = 0;
    float G = 0;
    float B = 0;
    bool operator==(const RGBColor&) const = default;
};

struct GameState {
    std::string ExeDir;   // with a trailing '/'
    std::string AreaName; // empty before the first load
    std::string areaPath; // a hunting area played from a folder of its own, with a trailing '/'
    std::optional<IniFile> Settings;
    RGBColor ScoreColor, TimeColor, FpsColor, HelpColor;
    std::int32_t Ammo = 0;
    std::int32_t Score = 0;
    std::int32_t TimeLeft = 0;
    bool Running = false;
    bool paused = false; // a running game held still by the player or by leaving the window
    bool MusicOpened = false;
    float MouseX = 0;
    float MouseY = 0;
    long double BackScroll = 0;  // -1600 .. 0
    long double FrontScroll = 0; // moves 1.5 times as far as BackScroll
    double FrameFactor = 0;
    float ShotScale = 1.0f;
    std::int32_t ShotPhase = 0; // 0 idle, 1 growing, -1 shrinking
};

// Everything of one game the rules decide: owned by the hunt and passed by reference. Its
// pictures are the drawing's (render/TextureSlots.h).
struct World {
    explicit World(const Clock& clock) : random(clock) {}
    GameState state;
    BirdTable birds;
    GameRandom random;
};

} // namespace kluvian
