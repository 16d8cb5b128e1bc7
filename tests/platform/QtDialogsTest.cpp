// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
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

} // namespace
} // namespace kluvian
