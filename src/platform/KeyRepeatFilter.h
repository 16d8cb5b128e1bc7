// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QWidget>

#include <map>
#include <vector>

namespace kluvian {

// Installed on the application, swallows the repeats of a held key among the given keys
// before any shortcut sees them, so each press runs its command once however long the key
// is held. Qt marks repeats as auto-repeat, but where the X server sends every repeat as a
// release and a press it misses some of them when busy; a press stamped with the very time
// of that key's last release is a repeat too. Given a window, only keys that reach it or its
// children count.
class KeyRepeatFilter final : public QObject {
public:
    explicit KeyRepeatFilter(std::vector<int> keys, const QWidget* window = nullptr)
        : keys_(std::move(keys)), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<int> keys_;
    const QWidget* window_;
    std::map<int, unsigned long long> releasedAt_; // window-system time in ms, 0 unknown
};

} // namespace kluvian
