#pragma once

#include "game/TGLForm.h"
#include "platform/RecordingDialogs.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace kluvian::test {

// The real main window over a temporary executable directory, shown and active, with its
// dialogs answered by the test.
class MainWindowFixture : public ::testing::Test {
protected:
    TempDir dir;
    RecordingDialogs dialogs;
    SystemClock clock;
    std::unique_ptr<TGLForm> form;

    // Puts files into dir before the window is made.
    virtual void PrepareDirectory() {}

    void SetUp() override {
        PrepareDirectory();
        form = std::make_unique<TGLForm>(dialogs, clock, dir.path());
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        activate();
    }
    void TearDown() override {
        form->NewTmr.stop();
        form.reset();
    }
    // As the player clicks on the window; without a window manager nobody else does. The X
    // server now and then ignores the request (its focus changed later than our last event),
    // so Qt is then told directly.
    void activate() {
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get(), 2000))
            QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(form->isActiveWindow());
    }
    void press(Qt::Key key) { QTest::keyClick(form.get(), key); }
};

} // namespace kluvian::test
