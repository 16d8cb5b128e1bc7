// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LoadHost.h"

#include "platform/Dialogs.h"
#include "render/GameView.h"
#include "windows/TNewForm.h"

#include <QApplication>
#include <QProgressBar>

namespace kluvian {

LoadHost::LoadHost(GameView& view, Dialogs& dialogs, TNewForm& loadingForm, QWidget& gameWindow,
                   std::function<void()> windowAfterLoad)
    : view_(view), dialogs_(dialogs), loadingForm_(loadingForm), gameWindow_(gameWindow),
      windowAfterLoad_(std::move(windowAfterLoad)) {}

void LoadHost::LoadPicture(const std::string& path, PictureSlot slot) {
    view_.LoadPicture(path, slot);
}

void LoadHost::ShowFileNotFound(const std::string& path) {
    view_.ShowFileNotFound(path);
}

void LoadHost::ProgressStep() {
    QProgressBar* gauge = loadingForm_.Gauge1();
    gauge->setValue(gauge->value() + 1);
    QCoreApplication::processEvents();
}

void LoadHost::ShowMissingFileWarning() {
    dialogs_.ShowMessage(
        {},
        QCoreApplication::translate("AreaLoad", "Przynajmniej 1 plik nie został znaleziony!")
            .toStdString(),
        DialogIcon::Warning);
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
