// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/GameAudio.h"
#include "app/TGLForm.h"
#include "game/Hunt.h"
#include "platform/ArrowKeyTracker.h"
#include "scores/ScoreFilePlace.h"
#include "scores/ScoreTable.h"

#include <string>

namespace kluvian::test {

// The game's parts built as main() builds them, the main window last. exeDir ends in '/'.
struct WholeGame {
    WholeGame(Dialogs& dialogs, const Clock& clock, const std::string& exeDir,
              ScoreFilePlace scores)
        : hunt(clock, keys, audio, exeDir),
          table(std::move(scores), [this](std::uint32_t n) { return hunt.RandomBelow(n); }),
          form(hunt, table, keys, dialogs, clock) {}
    WholeGame(Dialogs& dialogs, const Clock& clock, const std::string& exeDir)
        : WholeGame(dialogs, clock, exeDir, BesideExecutable(exeDir)) {}

    GameAudio audio;
    ArrowKeyTracker keys;
    Hunt hunt;
    ScoreTable table;
    TGLForm form;
};

} // namespace kluvian::test
