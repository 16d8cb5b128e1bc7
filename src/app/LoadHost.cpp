// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LoadHost.h"

#include "platform/Dialogs.h"
#include "render/GameView.h"
#include "textures/TextureLoader.h"
#include "windows/TNewForm.h"

#include <QApplication>
#include <QProgressBar>

#include <stdexcept>

namespace kluvian {

LoadHost::LoadHost(GameView& view, TextureLoader& loader, Dialogs& dialogs, TNewForm& loadingForm,
                   QWidget& gameWindow, std::function<void()> windowAfterLoad)
    : view_(view), loader_(loader), dialogs_(dialogs), loadingForm_(loadingForm),
      gameWindow_(gameWindow), windowAfterLoad_(std::move(windowAfterLoad)) {}

void LoadHost::LoadTexture(const std::string& path, GLuint& slot) {
    // Textures need the drawing's context, made with the window.
    if (!view_.HasContext())
        throw std::runtime_error("no OpenGL context");
    view_.MakeCurrent();
    loader_.LoadTexture(path, slot);
}

void LoadHost::ShowFileNotFound(const std::string& path) {
    loader_.ShowFileNotFound(path);
}

void LoadHost::DeleteTexture(GLuint name) {
    view_.MakeCurrent();
    glDeleteTextures(1, &name);
    loader_.Forget(name);
}

void LoadHost::ProgressStep() {
    QProgressBar* gauge = loadingForm_.Gauge1();
    gauge->setValue(gauge->value() + 1);
    QCoreApplication::processEvents();
}

void LoadHost::ShowWarning(std::string_view text) {
    dialogs_.ShowMessage({}, text, DialogIcon::Warning);
}

void LoadHost::FinishLoad() {
    // Had the loading window been given the focus, the game's window takes it back: it never
    // asks for it otherwise.
    const bool hadFocus = QApplication::activeWindow() == &loadingForm_;
    loadingForm_.hide();
    if (hadFocus)
        gameWindow_.activateWindow();
    windowAfterLoad_();
}

} // namespace kluvian
