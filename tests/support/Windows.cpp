// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/Windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWidget>

namespace kluvian::test {

bool Activate(QWidget& window, int timeoutMs) {
    QElapsedTimer waited;
    waited.start();
    do {
        window.activateWindow();
        if (QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }, 500))
            return true;
    } while (waited.elapsed() < timeoutMs);
    return false;
}

bool WindowPositionsAreTheClients() {
    return QGuiApplication::platformName() != QLatin1String("wayland");
}

} // namespace kluvian::test
