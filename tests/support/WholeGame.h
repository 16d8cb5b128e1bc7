// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/GameAudio.h"
#include "app/TGLForm.h"
#include "game/Hunt.h"
#include "platform/KeyState.h"
#include "scores/ScoreFilePlace.h"

#include <string>

namespace kluvian::test {

// The game's parts built as main() builds them, the main window last. exeDir ends in '/'.
struct WholeGame {
    WholeGame(Dialogs& dialogs, const Clock& clock, const std::string& exeDir,
              ScoreFilePlace scores)
        : hunt(clock, keys, audio, exeDir), form(hunt, keys, dialogs, clock, std::move(scores)) {}
    WholeGame(Dialogs& dialogs, const Clock& clock, const std::string& exeDir)
        : WholeGame(dialogs, clock, exeDir, BesideExecutable(exeDir)) {}

    GameAudio audio;
    ArrowKeyTracker keys;
    Hunt hunt;
    TGLForm form;
};

} // namespace kluvian::test
