// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowedSize.h"

#include <QEvent>
#include <QWidget>

namespace kluvian {
namespace {

constexpr int kMaxCorrections = 2;
constexpr int kAnswerMs = 2000; // far longer than a display takes to answer a change of state

} // namespace

WindowedSize::WindowedSize(QWidget& window) : QObject(&window), window_(window) {
    window_.installEventFilter(this);
    lapse_.setSingleShot(true);
    lapse_.setInterval(kAnswerMs);
    connect(&lapse_, &QTimer::timeout, this, [this] { expected_.reset(); });
}

void WindowedSize::Expect(QSize size) {
    expected_ = size;
    corrections_ = 0;
    lapse_.start();
}

bool WindowedSize::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_ || !expected_ ||
        (event->type() != QEvent::Resize && event->type() != QEvent::WindowStateChange))
        return false;
    constexpr Qt::WindowStates kOtherStates =
        Qt::WindowFullScreen | Qt::WindowMaximized | Qt::WindowMinimized;
    if (window_.windowState() & kOtherStates)
        return false;
    if (window_.size() == *expected_ || corrections_ >= kMaxCorrections) {
        expected_.reset();
        return false;
    }
    ++corrections_;
    window_.resize(*expected_);
    return false;
}

} // namespace kluvian
