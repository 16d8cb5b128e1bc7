// SPDX-License-Identifier: GPL-3.0-or-later
#include "areagen/Looks.h"

namespace kluvian::areagen {

// A clear summer afternoon: blue sky with fair-weather clouds, snow on the high peaks, green
// spruce woods and a meadow in flower.
const Look& SummerDayLook() {
    const CanopyStyle farWoods{.rowStep = 5,
                               .crown = 12,
                               .slender = 0.3,
                               .shadow = {40, 66, 76},
                               .lit = {96, 124, 110},
                               .gap = {34, 56, 64},
                               .seed = 61};
    const CanopyStyle nearWoods{.rowStep = 7,
                                .crown = 18,
                                .slender = 0.3,
                                .shadow = {18, 42, 36},
                                .lit = {66, 104, 66},
                                .gap = {14, 34, 30},
                                .seed = 67};
    static const Look look{
        .name = "summer-day",
        .description = "a clear summer afternoon, snow on the peaks, green woods",
        .sky = {.zenith = {38, 88, 168},
                .high = {74, 134, 206},
                .low = {160, 196, 230},
                .horizon = {236, 222, 200},
                .lowAt = 0.45,
                .horizonSpan = 0.25,
                .sunX = 2430,
                .sunY = 500,
                .sunRadius = 30,
                .disc = {255, 252, 236},
                .glow = {255, 236, 196},
                .glowNear = 0.55,
                .glowNearReach = 90,
                .glowFar = 0.35,
                .glowFarReach = 320,
                .glowAcross = 0.8},
        // Two bands of fair-weather clouds over the ridges: white tops, cool blue-grey
        // undersides.
        .clouds = {.seed = 7,
                   .wispSeed = 8,
                   .bands = {{{470, 70, 0.9}, {330, 50, 0.6}}},
                   .across = 210,
                   .down = 70,
                   .threshold = 0.72,
                   .bright = {250, 251, 253},
                   .brightSun = {255, 253, 246},
                   .shade = {166, 180, 206},
                   .shadeSun = {196, 208, 226},
                   .sunReach = 400,
                   .lightDx = 6,
                   .lightDy = -14,
                   .cirrus = {250, 248, 244},
                   .cirrusStrength = 0.55},
        // Farther ridges are paler and bluer; the two nearest are wooded, the farther one with
        // smaller, bluer crowns.
        .mountains =
            {.ridges = {{
                 {610, 250, 520, 1.0, {92, 112, 156}, {176, 188, 208}, 0.30, 505, 60, 11, {}},
                 {690, 170, 380, 0.8, {64, 84, 126}, {150, 162, 184}, 0.22, 585, 52, 23, {}},
                 {770, 120, 300, 0.5, {48, 70, 104}, {118, 134, 156}, 0.16, 0, 44, 37, {}},
                 {850, 90, 260, 0.3, {}, {}, 0.14, 0, 0, 41, farWoods},
                 {930, 60, 220, 0.2, {}, {}, 0.08, 0, 0, 53, nearWoods},
             }},
             .haze = {196, 210, 228},
             .valleyMist = 0.55,
             .treeHaze = 0.18,
             .snowLit = {252, 252, 255},
             .snowShade = {150, 168, 206},
             .sideReach = 260,
             .lightSide = 0.8,
             .lightUp = -0.45,
             .lightFront = 0.55},
        // Farther trees are veiled in blue; nearer ones are darker and greener.
        .forest = {.seed = 2024,
                   .groundSeed = 77,
                   .spruce = {{40, 66, 78}, {10, 24, 20}, {84, 112, 112}, {40, 74, 48}},
                   .larch = {},
                   .larchShare = 0,
                   .larchSeed = 0,
                   .soilTop = {58, 84, 44},
                   .soilMiddle = {34, 56, 32},
                   .soilBottom = {12, 22, 16},
                   .grassDark = {30, 52, 28},
                   .grassLit = {104, 128, 62},
                   .rockLit = {150, 156, 160},
                   .rockMiddle = {92, 98, 106},
                   .rockDark = {34, 38, 44},
                   .crack = {30, 32, 36},
                   .moss = {70, 96, 52},
                   .bushLit = {58, 92, 46},
                   .bushDark = {16, 34, 22},
                   .dots = 260,
                   .dotA = {236, 226, 150},
                   .dotB = {220, 210, 236}},
        // The small birds have the boldest pattern: near-black flight feathers, grey coverts
        // and a white ruff that still read at a few pixels on sky, snow and forest.
        .birds = {{{{92, 88, 84},
                    {22, 18, 16},
                    {252, 250, 244},
                    {226, 92, 76},
                    {236, 228, 204},
                    0.05,
                    0.55},
                   {{178, 134, 84},
                    {84, 60, 42},
                    {244, 236, 216},
                    {222, 150, 136},
                    {214, 200, 166},
                    0.035,
                    0.5},
                   {{214, 182, 134},
                    {104, 78, 56},
                    {248, 244, 232},
                    {228, 186, 174},
                    {196, 186, 160},
                    0.03,
                    0.5}}},
        .hud = {{1.0, 0.86, 0.35}, {0.78, 0.92, 1.0}, {1.0, 0.62, 0.2}, {0.86, 0.9, 0.8}},
        .music = {.beatsPerMinute = 108, .transpose = 0, .reverb = 0.28, .seed = 1250},
    };
    return look;
}

} // namespace kluvian::areagen
