// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "areagen/Look.h"

#include <string>
#include <string_view>
#include <vector>

namespace kluvian::areagen {

const Look& SummerDayLook();
const Look& AutumnEveningLook();
const Look& WinterDayLook();

// Every look the generator knows, in the order --help lists them.
std::vector<const Look*> AllLooks();
// The look of that name, or null.
const Look* FindLook(std::string_view name);

// A hunting area: the folder name the game finds it by, and how it looks.
struct Area {
    std::string name;
    const Look* look;
};

// The areas the game comes with; the first is the one a plain start plays.
std::vector<Area> GameAreas();

} // namespace kluvian::areagen
