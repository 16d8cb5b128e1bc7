// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/AreaLoad.h"

#include <functional>

class QWidget;

namespace kluvian {

class Dialogs;
class GameView;
class TNewForm;

// What the area load needs of the windows around it: the pictures go into the drawing's
// context, each step moves the loading window's gauge on and lets events run, the warning
// goes through the dialogs, and at the end the loading window gives way to the game's.
class LoadHost final : public AreaLoadHost {
public:
    // windowAfterLoad: what the main window does once the loading window has gone.
    LoadHost(GameView& view, Dialogs& dialogs, TNewForm& loadingForm, QWidget& gameWindow,
             std::function<void()> windowAfterLoad);

    void LoadPicture(const std::string& path, PictureSlot slot) override;
    void ShowFileNotFound(const std::string& path) override;
    void ProgressStep() override;
    void ShowMissingFileWarning() override;
    void FinishLoad() override;

private:
    GameView& view_;
    Dialogs& dialogs_;
    TNewForm& loadingForm_;
    QWidget& gameWindow_;
    std::function<void()> windowAfterLoad_;
};

} // namespace kluvian
