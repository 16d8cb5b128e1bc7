// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TGLForm.h"
#include "support/RecordingDialogs.h"
#include "support/TempDir.h"
#include "support/WholeGame.h"
#include "windows/TFhelp.h"
#include "windows/TNewForm.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QStyle>
#include <QTranslator>

#include <gtest/gtest.h>

namespace kluvian {
namespace {

// The suite runs in Polish; these install a translation as the program does for a player
// whose desktop speaks it, and look at what that player sees first.
class Language : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        ASSERT_TRUE(translator_.load(QStringLiteral("kluvian_%1").arg(GetParam()),
                                     QStringLiteral(":/i18n")));
        QCoreApplication::installTranslator(&translator_);
    }
    void TearDown() override { QCoreApplication::removeTranslator(&translator_); }

private:
    QTranslator translator_;
};

// Whether the button shows its caption whole between the style's margins.
bool ShowsWhole(const QPushButton& button) {
    const QStyle* style = button.style();
    const int margins = 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
                             style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button));
    return button.fontMetrics().horizontalAdvance(QString(button.text()).remove(u'&')) + margins <=
           button.width();
}

TEST_P(Language, TheCaptionToolBarAndFirstWindowsSpeakItAndShowTheirTextsWhole) {
    test::TempDir dir;
    RecordingDialogs dialogs;
    SystemClock clock;
    const test::WholeGame game(dialogs, clock, dir.Path());
    const TGLForm& form = game.form;
    EXPECT_TRUE(form.windowTitle().startsWith(u"Kluvian"));
    EXPECT_FALSE(form.windowTitle().contains(u"wersja")) << form.windowTitle().toStdString();

    QSet<QChar> keys;
    for (const QPushButton* button :
         {form.btnPomoc, form.Button1, form.BitBtn1, form.btnRyki, form.btnEkran, form.btnKoniec}) {
        const QString caption = button->text();
        EXPECT_EQ(button->width(), 122);
        EXPECT_TRUE(ShowsWhole(*button)) << caption.toStdString();
        // Each accelerator is a key of its own.
        if (const qsizetype amp = caption.indexOf(u'&'); amp >= 0) {
            EXPECT_FALSE(keys.contains(caption[amp + 1].toLower())) << caption.toStdString();
            keys.insert(caption[amp + 1].toLower());
        }
    }
    EXPECT_EQ(form.btnPomoc->text(), GetParam() == std::string("de") ? u"F1 &Hilfe" : u"F1 &Help");

    const TFhelp help(nullptr);
    EXPECT_EQ(help.windowTitle(), GetParam() == std::string("de") ? u"Hilfe" : u"Help");
    EXPECT_TRUE(ShowsWhole(*help.Button1()));

    const TNewForm loading(nullptr);
    EXPECT_NE(loading.windowTitle(), QString::fromUtf8("Trwa ładowanie"));
    EXPECT_GE(loading.Label1()->width(), loading.Label1()->sizeHint().width());
    EXPECT_GE(loading.width(), loading.Label1()->width());
}

INSTANTIATE_TEST_SUITE_P(EnglishAndGerman, Language, ::testing::Values("en", "de"));

} // namespace
} // namespace kluvian
