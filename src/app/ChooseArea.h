// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/PlayerSettings.h"

#include <memory>
#include <string>

class QWidget;

namespace kluvian {

class AreaPreviews;
class Dialogs;
class Hunt;
class ScoreTable;

// The work of F7: the area chooser, and the area chosen made the one the game plays.
class AreaChoosing {
public:
    AreaChoosing(Hunt& hunt, ScoreTable& table, Dialogs& dialogs);
    ~AreaChoosing();

    // Shows the chooser over owner, modally, with every area of the game's data folder and of
    // the player's own, the one played selected. True when the player chose one: it is kept
    // for the runs to come, its table is the table from now on and the hunt's next load
    // plays it. False when the player changed nothing, or when the table played so far could
    // not be saved (the error box says so) and everything stays as it was.
    bool Choose(QWidget* owner);

private:
    Hunt& hunt_;
    ScoreTable& table_;
    Dialogs& dialogs_;
    PlayerSettings settings_;
    std::unique_ptr<AreaPreviews> previews_;
};

} // namespace kluvian
