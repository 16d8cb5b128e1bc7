// SPDX-License-Identifier: GPL-3.0-or-later
// main() of the GL and window tests: one application object for the whole run.
#include "platform/Application.h"
#include "render/SurfaceFormat.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <string_view>

namespace {

// The platform the tests are to run on, as Qt will choose it: "-platform NAME" on the command
// line, else QT_QPA_PLATFORM.
QString AskedPlatform(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string_view(argv[i]) == "-platform")
            return QString::fromLocal8Bit(argv[i + 1]);
    return qEnvironmentVariable("QT_QPA_PLATFORM");
}

// "--wayland-display=NAME" picks one of the compositors tests/support/desktops.sh runs for the
// Wayland plugin, as WAYLAND_DISPLAY would.
void TakeWaylandDisplay(int argc, char** argv) {
    constexpr std::string_view kOption = "--wayland-display=";
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]).starts_with(kOption))
            qputenv("WAYLAND_DISPLAY", argv[i] + kOption.size());
}

// The tests were asked to run on Wayland, and no compositor is listening.
bool CompositorMissing(const QString& platform) {
    if (!platform.startsWith(QLatin1String("wayland")))
        return false;
    const QString socket = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    const QString path = QDir::isAbsolutePath(socket)
                             ? socket
                             : qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + socket;
    return !QFileInfo::exists(path);
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no display; without a compositor the Wayland runs cannot start.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    TakeWaylandDisplay(argc, argv);
    if (CompositorMissing(AskedPlatform(argc, argv))) {
        // In the words of a skipped test, so that ctest counts these as skipped.
        std::cout << "[  SKIPPED ] no Wayland compositor to run on; tests/support/desktops.sh "
                     "starts one\n";
        return 0;
    }
    kluvian::UseGameSurfaceFormat(); // the game's compatibility-profile context
    kluvian::Application app(argc, argv);
    kluvian::Application::setApplicationName("Kluvian");
    const int result = RUN_ALL_TESTS();
    // Qt's Wayland client (6.4) now and then deadlocks tearing its display down: the main
    // thread waits for the event thread, which waits in wl_display_read_events. The results
    // are in; leave without that teardown.
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        std::exit(result);
    return result;
}
