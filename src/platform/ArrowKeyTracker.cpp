// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ArrowKeyTracker.h"

#include <QEvent>
#include <QKeyEvent>

namespace kluvian {

bool ArrowKeyTracker::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Auto-repeat sends release/press pairs; the key stays held throughout.
        if (key->isAutoRepeat())
            break;
        const bool down = event->type() == QEvent::KeyPress;
        if (key->key() == Qt::Key_Left)
            left_ = down;
        else if (key->key() == Qt::Key_Right)
            right_ = down;
        break;
    }
    case QEvent::ApplicationDeactivate:
        ReleaseAll();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kluvian
