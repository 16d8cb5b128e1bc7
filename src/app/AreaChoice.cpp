// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AreaChoice.h"

#include "game/AreaLayout.h"
#include "platform/Paths.h"

namespace kluvian {

std::string OwnAreasDir(const std::string& userDir) {
    return userDir.empty() ? std::string() : userDir + "areas/";
}

bool RememberArea(PlayerSettings& settings, const FoundArea& area) {
    return settings.Write(kAreaSetting, RememberedAs(area));
}

PlayedArea DecidePlayedArea(const std::string& commandLineArea, const PlayerSettings& settings,
                            const std::string& exeDir, const std::string& userDir) {
    std::string areaDir = !commandLineArea.empty() ? commandLineArea
                                                   : AreaToPlay(settings.Read(kAreaSetting),
                                                                exeDir + std::string(kDataFolder));
    ScoreFilePlace scores = ScoresOfArea(areaDir, exeDir, userDir);
    return {std::move(areaDir), std::move(scores)};
}

ScoreFilePlace ScoresOfArea(const std::string& areaPath, const std::string& exeDir,
                            const std::string& userDir) {
    if (!areaPath.empty())
        return AreaScoreFilePlace(areaPath, userDir);
    return DecideScoreFilePlace(exeDir, userDir, CanWrite);
}

} // namespace kluvian
