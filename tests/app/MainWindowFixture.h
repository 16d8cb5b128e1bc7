// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/TGLForm.h"
#include "support/RecordingDialogs.h"
#include "support/TempDir.h"
#include "support/WholeGame.h"
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
    std::unique_ptr<test::WholeGame> game_;
    TGLForm* form_ = nullptr;

    // Puts files into dir before the window is made.
    virtual void PrepareDirectory() {}

    void SetUp() override {
        PrepareDirectory();
        game_ = std::make_unique<test::WholeGame>(dialogs_, clock_, dir_.Path());
        form_ = &game_->form;
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_));
        Activate();
    }
    void TearDown() override {
        form_->NewTmr.stop();
        game_.reset();
    }
    // As the player clicks on the window: keys reach only the active one.
    void Activate() {
        ASSERT_TRUE(test::Activate(*form_)) << "the active window is " << [] {
            const QWidget* active = QApplication::activeWindow();
            return active ? active->windowTitle().toStdString() : std::string("none");
        }();
    }
    void Press(Qt::Key key) { QTest::keyClick(form_, key); }
    Hunt& Session() { return game_->hunt; }
    World& GameWorld() { return game_->hunt.GameWorld(); }
    GameState& State() { return game_->hunt.GameWorld().state; }
};

} // namespace kluvian::test
