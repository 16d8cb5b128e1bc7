// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/KeyState.h"

#include <QObject>

namespace kluvian {

// Tracks the arrow keys from the application's key events. Installed on the application,
// it sees presses whichever widget has focus; everything is released when the application
// loses activation, so a key held while another program is active never counts.
class ArrowKeyTracker final : public QObject, public KeyState {
public:
    explicit ArrowKeyTracker(QObject* parent = nullptr) : QObject(parent) {}
    bool LeftHeld() const override { return left_; }
    bool RightHeld() const override { return right_; }
    void ReleaseAll() { left_ = right_ = false; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool left_ = false;
    bool right_ = false;
};

} // namespace kluvian
