// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSize>
#include <QTimer>

#include <optional>

class QWidget;

namespace kluvian {

// Gives a window that leaves full screen the size it had before. Qt's Wayland client (6.4)
// now and then remembers the normal size without its own decorations and, when the compositor
// leaves the size to it, shrinks the window by their margins; this sets the size back.
class WindowedSize final : public QObject {
public:
    explicit WindowedSize(QWidget& window);

    // The size the window had before full screen, to be kept once it is back in the normal
    // state. Only the display's answer to the change counts: a size the player sets later is
    // the player's.
    void Expect(QSize size);
    // Full screen or maximised again: no size is owed.
    void Forget() { expected_.reset(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    std::optional<QSize> expected_;
    QTimer lapse_;
    int corrections_ = 0; // a window manager that insists on another size has the last word
};

} // namespace kluvian
