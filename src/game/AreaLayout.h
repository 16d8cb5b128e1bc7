// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a hunting area is, written once for everyone who reads or writes one: the area load,
// the area chooser, kluvian-check, the generator and the loading gauge. Constants only, with
// no dependencies, so that the tools take it without the game. docs/areas.md tells authors
// the same.

#include <array>
#include <string>
#include <string_view>

namespace kluvian {

// ---- The world every area is drawn in, in view units -----------------------------------

// The view, stretched over the drawing.
inline constexpr int kWorldWidth = 800;
inline constexpr int kWorldHeight = 600;
// A background tile is a square of which the lower kWorldHeight units show; foreground tiles
// are squares of the view's height.
inline constexpr int kBackTileEdge = 800;
inline constexpr int kFrontTileEdge = 600;
inline constexpr int kBackgroundTiles = 3;
inline constexpr int kForegroundTiles = 7;
// The background panorama, and how far it pans: BackScroll runs from kMinBackScroll to 0.
inline constexpr int kPanoramaWidth = kBackgroundTiles * kBackTileEdge;
inline constexpr int kMinBackScroll = kWorldWidth - kPanoramaWidth;
// The foreground pans this many times as far as the background.
inline constexpr double kFrontPan = 1.5;
// Birds that enter at the top or the bottom start in one half of the panorama.
inline constexpr int kPanoramaHalf = kPanoramaWidth / 2;
static_assert(kPanoramaWidth == 2400 && kMinBackScroll == -1600 && kPanoramaHalf == 1200);

// ---- Birds -------------------------------------------------------------------------------

inline constexpr int kGroups = 3; // small, medium, big
inline constexpr int kBirdsPerGroup = 10;
inline constexpr int kFlightFrames = 6;

// ---- Files -------------------------------------------------------------------------------

// The game's data folder lies beside the executable and holds the shared pictures and one
// folder per area; the folder's name is the area's.
inline constexpr std::string_view kDataFolder = "data/";
inline constexpr std::string_view kGameArea = "BlueMountains"; // what a plain start plays
inline constexpr std::string_view kFontFile = "font.tga";
inline constexpr std::string_view kCursorFile = "cursor.tga";

// In an area's folder. The settings, the music and the shot sound are optional.
inline constexpr std::string_view kSettingsFile = "settings.ini";
inline constexpr std::string_view kMusicFile = "music.mp3";
inline constexpr std::string_view kShotSoundFile = "gunshot.wav";
inline constexpr std::string_view kAmmoFile = "ammo.tga";
inline constexpr std::string_view kBackgroundStem = "backgroundLayer";
inline constexpr std::string_view kForegroundStem = "foregroundLayer";
inline constexpr std::string_view kPictureSuffix = ".tga";
inline constexpr std::array<std::string_view, kGroups> kFallingFiles{
    "smallChickenFalling.tga", "mediumChickenFalling.tga", "bigChickenFalling.tga"};

// A numbered picture: stem, the number in decimal without leading zeros, ".tga".
inline std::string NumberedPicture(std::string_view stem, int n) {
    return std::string(stem) + std::to_string(n) + std::string(kPictureSuffix);
}

// ---- settings.ini ------------------------------------------------------------------------

inline constexpr std::string_view kColorsSection = "colors";
inline constexpr std::string_view kChickenSection = "chicken";

enum class HudColor { Score, Time, Help, Fps };
struct ColorKey {
    std::string_view key;
    double fallback;
    HudColor color;
    int channel; // 0 red, 1 green, 2 blue
};
// In the order the load reads them and the generator writes them.
inline constexpr std::array<ColorKey, 12> kColorKeys{{
    {"scoreR", 0.0, HudColor::Score, 0},
    {"scoreG", 1.0, HudColor::Score, 1},
    {"scoreB", 0.0, HudColor::Score, 2},
    {"timeR", 1.0, HudColor::Time, 0},
    {"timeG", 0.0, HudColor::Time, 1},
    {"timeB", 0.0, HudColor::Time, 2},
    {"helpR", 1.0, HudColor::Help, 0},
    {"helpG", 0.3, HudColor::Help, 1},
    {"helpB", 0.0, HudColor::Help, 2},
    {"fpsR", 0.0, HudColor::Fps, 0},
    {"fpsG", 0.0, HudColor::Fps, 1},
    {"fpsB", 0.0, HudColor::Fps, 2},
}};

// The flight frames of a group are its stem followed by 0 .. kFlightFrames - 1 and ".tga".
inline constexpr std::array<std::string_view, kGroups> kStemKeys{
    "smallChickenTextures", "mediumChickenTextures", "bigChickenTextures"};
inline constexpr std::array<std::string_view, kGroups> kStemDefaults{
    "smallChickenRight", "mediumChickenRight", "bigChickenRight"};

// ---- The load ----------------------------------------------------------------------------

// Progress steps of a complete load, the loading gauge's maximum: the music, each layer tile,
// the cartridge, the falling pictures once for every bird of a group, every flight frame.
inline constexpr int kLoadSteps = 1 + kBackgroundTiles + kForegroundTiles + 1 +
                                  kGroups * kBirdsPerGroup + kGroups * kFlightFrames;
static_assert(kLoadSteps == 60);

} // namespace kluvian
