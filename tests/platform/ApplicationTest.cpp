// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Application.h"
#include "support/RecordingDialogs.h"

#include <QTest>
#include <QTimer>

#include <stdexcept>

#include <gtest/gtest.h>

namespace kluvian {
namespace {

TEST(Application, AnExceptionEscapingAHandlerIsShownWithAFullStopAndTheProgramGoesOn) {
    auto* app = static_cast<Application*>(qApp);
    RecordingDialogs dialogs;
    app->SetErrorReporter([&](std::string_view text) { dialogs.ShowError(text); });
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [] { throw std::runtime_error("Disk full"); });
    timer.start(0);
    QTest::qWait(50);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Disk full.");
    EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Error);
    EXPECT_EQ(dialogs.shown[0].caption, ""); // the application title
    bool stillRunning = false;
    QTimer::singleShot(0, [&] { stillRunning = true; });
    QTest::qWait(50);
    EXPECT_TRUE(stillRunning);
}

} // namespace
} // namespace kluvian
