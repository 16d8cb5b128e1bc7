// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/AreaLoad.h"

#include <functional>

class QWidget;

namespace kluvian {

class Dialogs;
class GameView;
class TNewForm;
class TextureLoader;

// What the area load needs of the windows around it: the pictures go into the drawing's
// context, each step moves the loading window's gauge on and lets events run, the warning
// goes through the dialogs, and at the end the loading window gives way to the game's.
class LoadHost final : public AreaLoadHost {
public:
    // windowAfterLoad: what the main window does once the loading window has gone.
    LoadHost(GameView& view, TextureLoader& loader, Dialogs& dialogs, TNewForm& loadingForm,
             QWidget& gameWindow, std::function<void()> windowAfterLoad);

    void LoadTexture(const std::string& path, GLuint& slot) override;
    void ShowFileNotFound(const std::string& path) override;
    void DeleteTexture(GLuint name) override;
    void ProgressStep() override;
    void ShowWarning(std::string_view text) override;
    void FinishLoad() override;

private:
    GameView& view_;
    TextureLoader& loader_;
    Dialogs& dialogs_;
    TNewForm& loadingForm_;
    QWidget& gameWindow_;
    std::function<void()> windowAfterLoad_;
};

} // namespace kluvian
