// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "areagen/Canopy.h"
#include "areagen/Color.h"
#include "areagen/Vulture.h"

#include <array>
#include <cstdint>
#include <optional>

namespace kluvian::areagen {

// Everything that makes one hunting area look and sound as it does: the drawing code takes
// all its colours, shapes and seeds from here, so a new season or time of day is a new Look,
// not new drawing code. Rows and x are panorama units (Mountains.h); colours 0..255.

// The sky from above the view down to the horizon, and the sun with its glow.
struct SkyLook {
    Rgb zenith;         // above the view
    Rgb high;           // at the top of the view
    Rgb low;            // lowAt of the view's height further down
    Rgb horizon;        // reached horizonSpan below that
    double lowAt;       // 0..1 of the view's height
    double horizonSpan; // 0..1 of the view's height
    double sunX;        // the sun's centre
    double sunY;
    double sunRadius;
    double discAcross; // < 1 widens the disc
    Rgb disc;
    Rgb glow;             // the air lit around the sun
    double glowNear;      // strength of the bright halo
    double glowNearReach; // its fall-off distance
    double glowFar;       // strength of the wide glow
    double glowFarReach;  // its fall-off distance
    double glowAcross;    // < 1 spreads the glow sideways along the horizon
};

// Cumulus or streaks in bands of rows, and high wisps of cirrus.
struct CloudLook {
    std::uint32_t seed;
    std::uint32_t wispSeed;
    struct Band {
        double row;
        double spread;
        double weight;
    };
    std::array<Band, 2> bands;
    double across;    // units per cloud feature across
    double down;      // and down
    double threshold; // the higher, the less sky is clouded
    Rgb bright;       // the lit side, far from the sun
    Rgb brightSun;    // and next to it
    Rgb shade;        // the side in the cloud's own shadow, far from the sun
    Rgb shadeSun;
    double sunReach; // how far the sun's nearness tints the clouds
    double lightDx;  // where the cloud that would shade a point lies: above it for a high
    double lightDy;  // sun (negative), below it for a sun under the clouds (positive)
    Rgb cirrus;
    double cirrusStrength;
};

// One ridge of the background, farthest first.
struct RidgeLook {
    double base;      // typical crest row
    double height;    // how far peaks rise above it
    double scale;     // units per feature of the crest
    double peakiness; // 0 rolling hills .. 1 jagged peaks
    Rgb shadow;       // the face turned away from the sun
    Rgb lit;          // the face turned towards it
    double haze;      // how much the air already veils the ridge
    double snowRow;   // rows above this carry snow; 0 for none
    double grain;     // units per rock face
    std::uint32_t seed;
    // Wooded instead of rocky: the crowns bring their own colours, no rock or snow shows.
    std::optional<CanopyStyle> forest;
};

struct MountainLook {
    std::array<RidgeLook, 5> ridges;
    Rgb haze;          // the colour of the air between the ridges
    double valleyMist; // how much mist gathers below each crest
    double treeHaze;   // how much farther up a wooded slope the trees fade
    Rgb snowLit;
    Rgb snowShade;
    double sideReach;  // units over which faces turn from the sun's side to the other
    double lightSide;  // the light's direction: sideways,
    double lightUp;    // upwards (negative: from above),
    double lightFront; // and from the viewer
};

// The colours of one kind of tree of the foreground, far (veiled) and near.
struct TreeColors {
    Rgb farShadow;
    Rgb nearShadow;
    Rgb farLit;
    Rgb nearLit;
};

// The foreground: stands of conifers on a meadow, rocks, bushes, grass and small dots of
// colour (flowers, berries or leaves).
struct ForestLook {
    std::uint32_t seed;
    std::uint32_t groundSeed;
    TreeColors spruce;
    TreeColors larch;
    double larchShare; // of the trees, 0..1
    std::uint32_t larchSeed;
    Rgb soilTop;
    Rgb soilMiddle;
    Rgb soilBottom;
    Rgb grassDark;
    Rgb grassLit;
    Rgb rockLit;
    Rgb rockMiddle;
    Rgb rockDark;
    Rgb crack;
    Rgb moss;
    Rgb bushLit;
    Rgb bushDark;
    int dots;
    Rgb dotA;
    Rgb dotB;
    double grass = 1; // how many blades of grass, against a summer meadow
    // Snow on the trees' branches and on the rocks: 0 none .. 1 thick.
    double snow = 0;
    Rgb snowLit{};
    Rgb snowShade{};
};

// The colours of the head-up display texts, red, green and blue 0..1 each.
struct HudColors {
    double score[3];
    double time[3];
    double help[3];
    double fps[3];
};

struct MusicLook {
    double beatsPerMinute;
    int transpose; // semitones from the tune's own key
    double reverb; // 0..1
    std::uint32_t seed;
};

struct Look {
    const char* name; // as --look takes it
    const char* description;
    SkyLook sky;
    CloudLook clouds;
    MountainLook mountains;
    ForestLook forest;
    std::array<Plumage, 3> birds; // small, medium, big
    HudColors hud;
    MusicLook music;
};

} // namespace kluvian::areagen
