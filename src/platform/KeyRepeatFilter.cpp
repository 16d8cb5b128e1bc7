// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyRepeatFilter.h"

#include <QKeyEvent>

#include <algorithm>

namespace kluvian {

bool KeyRepeatFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (std::find(keys_.begin(), keys_.end(), key->key()) == keys_.end())
        return QObject::eventFilter(watched, event);
    if (window_ &&
        !(watched->isWidgetType() && static_cast<const QWidget*>(watched)->window() == window_))
        return QObject::eventFilter(watched, event);

    const unsigned long long time = key->timestamp();
    if (type == QEvent::KeyRelease) {
        releasedAt_[key->key()] = time;
        return QObject::eventFilter(watched, event);
    }
    const auto released = releasedAt_.find(key->key());
    const bool sameTimeAsRelease =
        time != 0 && released != releasedAt_.end() && released->second == time;
    if (!key->isAutoRepeat() && !sameTimeAsRelease)
        return QObject::eventFilter(watched, event);
    // An accepted override keeps the key from every shortcut; the press that follows it
    // goes nowhere either.
    event->accept();
    return true;
}

} // namespace kluvian
