// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/TGLForm.h"
#include "support/RecordingDialogs.h"
#include "support/TempDir.h"
#include "support/Windows.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

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
    // As the player clicks on the window: keys reach only the active one.
    void activate() {
        ASSERT_TRUE(test::Activate(*form)) << "the active window is " << [] {
            const QWidget* active = QApplication::activeWindow();
            return active ? active->windowTitle().toStdString() : std::string("none");
        }();
    }
    void press(Qt::Key key) { QTest::keyClick(form.get(), key); }
};

} // namespace kluvian::test
