// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AreaChoice.h"

#include "platform/Paths.h"

namespace kluvian {

std::string StartingArea(const std::string& commandLineArea, const PlayerSettings& settings,
                         const std::string& dataDir) {
    if (!commandLineArea.empty())
        return commandLineArea;
    return AreaToPlay(settings.Read(kAreaSetting), dataDir);
}

bool RememberArea(PlayerSettings& settings, const FoundArea& area) {
    return settings.Write(kAreaSetting, RememberedAs(area));
}

ScoreFilePlace ScoresOfArea(const std::string& areaPath, const std::string& exeDir,
                            const std::string& userDir) {
    if (!areaPath.empty())
        return AreaScoreFilePlace(areaPath, userDir);
    return DecideScoreFilePlace(exeDir, userDir, CanWrite);
}

} // namespace kluvian
