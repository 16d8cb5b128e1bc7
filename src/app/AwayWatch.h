// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWindow>

class QWidget;

namespace kluvian {

// Tells when the player has gone away from the game: the window minimised, or another
// program taken up for longer than a move between two of the game's own windows takes. It
// only watches; the focus is the player's to give.
class AwayWatch final : public QObject {
    Q_OBJECT
public:
    explicit AwayWatch(QWidget& window);

signals:
    void PlayerWentAway();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    QTimer away_;
    QPointer<QWindow> lastFocus_; // the game's window that had the focus last
};

} // namespace kluvian
