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
    TempDir dir_;
    RecordingDialogs dialogs_;
    SystemClock clock_;
    std::unique_ptr<TGLForm> form_;

    // Puts files into dir before the window is made.
    virtual void PrepareDirectory() {}

    void SetUp() override {
        PrepareDirectory();
        form_ = std::make_unique<TGLForm>(dialogs_, clock_, dir_.Path());
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        Activate();
    }
    void TearDown() override {
        form_->NewTmr.stop();
        form_.reset();
    }
    // As the player clicks on the window: keys reach only the active one.
    void Activate() {
        ASSERT_TRUE(test::Activate(*form_)) << "the active window is " << [] {
            const QWidget* active = QApplication::activeWindow();
            return active ? active->windowTitle().toStdString() : std::string("none");
        }();
    }
    void Press(Qt::Key key) { QTest::keyClick(form_.get(), key); }
};

} // namespace kluvian::test
