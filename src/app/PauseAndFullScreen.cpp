// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the desktop sees it: the pause of a game whose player is away, and the
// full screen.
#include "app/TGLForm.h"

#include "platform/Clock.h"
#include "render/GameView.h"

#include <QApplication>
#include <QEvent>
#include <QMenuBar>
#include <QToolBar>

namespace kluvian {
namespace {

constexpr int kAwayMs = 250;
constexpr int kFocusBackMs = 200;
constexpr double kFocusBackForMs = 1000;

} // namespace

void TGLForm::WatchForTheAbsentPlayer() {
    // Another program taken up, or this one minimised, holds the game: the player is away.
    // Moving between the game's own windows leaves no window active for a moment on some
    // desktops (Wayland's focus goes to none, then to the new one): only a lasting absence
    // counts.
    awayTimer_.setSingleShot(true);
    awayTimer_.setInterval(kAwayMs);
    connect(&awayTimer_, &QTimer::timeout, this, [this] {
        if (QGuiApplication::applicationState() != Qt::ApplicationActive)
            PauseGame();
    });
    // A compositor that gave the loading window the focus may give it to no window when the
    // loading window goes (weston does): when the focus goes right after a load, the game's
    // window asks for it back for a moment.
    focusBack_.setInterval(kFocusBackMs);
    connect(&focusBack_, &QTimer::timeout, this, [this] {
        if (SteadyMilliseconds() > focusBackUntil_)
            focusBack_.stop();
        else
            activateWindow();
    });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s == Qt::ApplicationActive) {
            awayTimer_.stop();
            focusBack_.stop();
        } else if (SteadyMilliseconds() < focusBackUntil_ - kFocusBackForMs / 2) {
            activateWindow();
            focusBack_.start();
        } else {
            awayTimer_.start();
        }
    });
}

void TGLForm::ExpectTheFocusBack() {
    if (activeAtLoad_)
        focusBackUntil_ = SteadyMilliseconds() + kFocusBackForMs;
}

void TGLForm::TogglePause() {
    if (world_.state.paused)
        ResumeGame();
    else
        PauseGame();
}

void TGLForm::PauseGame() {
    GameState& state = world_.state;
    if (state.paused || !state.Running || LoadInProgress())
        return;
    state.paused = true;
    countDownHold_.Hold();
    flightHold_.Hold();
    MediaPlayer1.Pause();
    view_->unsetCursor();
}

void TGLForm::ResumeGame() {
    GameState& state = world_.state;
    if (!state.paused || LoadInProgress())
        return;
    state.paused = false;
    stats_.Start(clock_);
    countDownHold_.Release();
    flightHold_.Release();
    MediaPlayer1.Resume();
    view_->setCursor(Qt::BlankCursor);
}

void TGLForm::EndPause() {
    if (!world_.state.paused)
        return;
    world_.state.paused = false;
    countDownHold_.Forget();
    flightHold_.Forget();
    MediaPlayer1.Resume();
}

void TGLForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        PauseGame();
}

void TGLForm::ShowWindowed() {
    menuBar()->show();
    ToolBar1->show();
    if (Fullscreen1->isChecked())
        showMaximized();
    else
        showNormal();
}

void TGLForm::ToggleFullScreen() {
    if (isFullScreen()) {
        LeaveFullScreen();
        return;
    }
    menuBar()->hide();
    ToolBar1->hide();
    showFullScreen();
}

void TGLForm::LeaveFullScreen() {
    // Back to the window there was: maximised when F5 had made it so.
    if (isFullScreen())
        ShowWindowed();
}

} // namespace kluvian
