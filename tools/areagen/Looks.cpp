// SPDX-License-Identifier: GPL-3.0-or-later
#include "areagen/Looks.h"

namespace kluvian::areagen {

std::vector<const Look*> AllLooks() {
    return {&SummerDayLook(), &AutumnEveningLook(), &WinterDayLook()};
}

const Look* FindLook(std::string_view name) {
    for (const Look* look : AllLooks())
        if (name == look->name)
            return look;
    return nullptr;
}

std::vector<Area> GameAreas() {
    return {{"BlueMountains", &SummerDayLook()},
            {"GoldenLarches", &AutumnEveningLook()},
            {"WhiteSpruces", &WinterDayLook()}};
}

} // namespace kluvian::areagen
