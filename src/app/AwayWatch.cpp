// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AwayWatch.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

namespace kluvian {
namespace {

// Moving between the game's own windows leaves no window active for a moment on some
// desktops (Wayland's focus goes to none, then to the new one).
constexpr int kAwayMs = 250;
// A compositor may give the focus to no window when one of the game's windows goes while it
// has the focus, and back to the game's window a little later (weston: 0.8 - 1 s after the
// loading window or the help has gone); a busy one may be as slow to focus a new dialog.
constexpr int kSettleMs = 2000;

} // namespace

AwayWatch::AwayWatch(QWidget& window) : window_(window) {
    away_.setSingleShot(true);
    connect(&away_, &QTimer::timeout, this, [this] {
        if (QGuiApplication::applicationState() != Qt::ApplicationActive)
            emit PlayerWentAway();
    });
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focus) {
        if (focus != nullptr)
            lastFocus_ = focus;
    });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s == Qt::ApplicationActive) {
            away_.stop();
            return;
        }
        const bool ownWindowWent = lastFocus_ != nullptr && !lastFocus_->isVisible();
        // A dialog of the game's own (the help, a question) is on its way to the focus; a
        // busy compositor may take longer than a move between windows takes to give it.
        const bool ownDialogCame = QGuiApplication::modalWindow() != nullptr;
        away_.start(ownWindowWent || ownDialogCame ? kSettleMs : kAwayMs);
    });
    window_.installEventFilter(this);
}

bool AwayWatch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::WindowStateChange && window_.isMinimized())
        emit PlayerWentAway();
    return QObject::eventFilter(watched, event);
}

} // namespace kluvian
