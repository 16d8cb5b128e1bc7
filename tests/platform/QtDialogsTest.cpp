// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtDialogs.h"
#include "support/Windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>

namespace kluvian {
namespace {

// Runs act on the question box once it is open, and notes its buttons' texts.
bool AskAndAnswer(const QuestionButtons& buttons, const std::function<void(QMessageBox&)>& act,
                  QStringList& texts) {
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll.stop();
        texts.clear();
        for (const QAbstractButton* b : box->buttons())
            texts << b->text();
        act(*box);
    });
    poll.start(10);
    return QtDialogs().AskYesNo("Kluvian", "Spróbować jeszcze raz?", buttons);
}

TEST(QtDialogs, AQuestionShowsItsOwnButtonsAndEscapeOrTheCloseBoxGiveTheEscapeAnswer) {
    const QuestionButtons tryAgain{.yes = "Tak", .no = "Nie", .escapeMeansYes = true};
    const auto escape = [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); };
    // What the window manager's close box sends to the window.
    const auto closeBox = [](QMessageBox& box) {
        QCloseEvent close;
        QCoreApplication::sendEvent(box.windowHandle(), &close);
    };
    const auto clickNie = [](QMessageBox& box) {
        for (QAbstractButton* b : box.buttons())
            if (b->text() == "Nie")
                b->click();
    };

    QStringList texts;
    EXPECT_TRUE(AskAndAnswer(tryAgain, escape, texts));
    EXPECT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts.contains("Tak") && texts.contains("Nie")) << texts.join(',').toStdString();
    EXPECT_TRUE(AskAndAnswer(tryAgain, closeBox, texts));
    EXPECT_FALSE(AskAndAnswer(tryAgain, clickNie, texts));
    EXPECT_TRUE(AskAndAnswer(
        tryAgain, [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); }, texts));
    EXPECT_FALSE(AskAndAnswer({.yes = "Tak", .no = "Nie"}, escape, texts));
    EXPECT_FALSE(AskAndAnswer({.yes = "Tak", .no = "Nie"}, closeBox, texts));
}

TEST(QtDialogs, TheNameDialogTakesTheKeysAsItOpensAboveTheWindowThePlayerIsIn) {
    QWidget game;
    game.resize(400, 300);
    game.show();
    ASSERT_TRUE(test::Activate(game));
    // Opened from a timer, as the end of a game opens it, and typed into with no click.
    bool tookTheKeys = false;
    const QWindow* owner = nullptr;
    QTimer poll;
    QElapsedTimer waited;
    waited.start();
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        if (QApplication::activeWindow() != dialog && waited.elapsed() < 5000)
            return;
        poll.stop();
        owner = dialog->windowHandle()->transientParent();
        tookTheKeys = QApplication::activeWindow() == dialog;
        if (!tookTheKeys) {
            dialog->reject();
            return;
        }
        QTest::keyClicks(QApplication::focusWidget(), "Ola");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    poll.start(10);
    const auto name =
        QtDialogs().AskText("Gratulacje z dobrego wyniku!", "Podaj więc swoją nazwę", 255);
    EXPECT_TRUE(tookTheKeys);
    EXPECT_EQ(name, "Ola");
    EXPECT_EQ(owner, game.windowHandle());
}

} // namespace
} // namespace kluvian
