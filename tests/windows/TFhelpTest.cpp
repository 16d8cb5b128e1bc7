// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/TFhelp.h"

#include "support/Windows.h"

#include <QApplication>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace kluvian {
namespace {

// Every line of the help text as the player must see it, blanks included; null marks the
// lines of credit, which are checked by their shape.
const std::array<const char*, 46> ExpectedLines{
    " ",
    "    \"Kluvian\" jest prostą grą, która sprowadza się do ostrzeliwania obiektów ",
    "latających. Tymi obiektami są sępy-ludojady jakie pojawiły się ostatnio w naszych ",
    "górach.",
    "    Program jest uproszczoną wersją, z myślą o małych użytkownikach, aplikacji ",
    nullptr,
    nullptr,
    "",
    "     Program składa się jedynie z pliku wykonywalnego, pliku \"wynik.ok\" zawierającego ",
    "wykaz najlepszych wynikow oraz podkatalogu \"data\" z plikami konfiguracyjnymi gry.",
    "   ",
    "     Obsługę programu zabezpieczają widoczne u góry przyciski uruchamiane klikiem ",
    "myszy lub odpowiednimi klawiszami funkcyjnymi. Powyższe opcje mogą być ",
    "uruchamiane w dowolnym etapie funkcjonowania programu.",
    "",
    "     Klawiszem F2 uruchamiamy nową grę bez względu na stopień zaawansowania gry ",
    "aktualnej. ",
    "     Za pomocą klawisza F3 zawsze uzyskujemy tablicę z rekordowymi (10 najlepszych) ",
    "wynikami.",
    "     Aktywacja klawisza F4 na przemian włącza (opcja domyślna) lub wyłącza dźwięki ",
    "towarzyszące oddawanym strzałom oraz tło muzyczne.",
    "     Klawiszem F5 rozwijamy planszę gry na cały ekran lub sprowadzamy ją do ",
    "standardowych (ustawienie domyślne) rozmiarów.",
    "    Klawiszem F6 kończymy zabawę z programem.",
    "",
    "    Z chwilą aktywacji pliku wykonywalnego pojawia się plansza programu w postaci ",
    "czarnego pola. Klawisz F2 rozpoczyna grę - pojawia się panorama gór, na tle których ",
    "widoczne są owe sępy. W dolnej partii planszy, po prawej widoczna jest ilość nabojów ",
    "w magazynku (wyjściowa pojemność to 7 sztuk) naszej strzelby; w lewym, górnym rogu ",
    "zegar odmierza nam czas jakim dysponujemy jeszcze na prowadzenie ognia. W każdej ",
    "grze grający dysponuje czasem liczącym 90 sekund.",
    "",
    "     Kursor, który obecnie przyjmuje postać celownika, naprowadzamy na widoczne ptaki ",
    "i za pomocą kliku lewym przyciskiem myszy oddajemy strzał. W miarę oddawania ",
    "strzałów ilość nabojów w magazynku ulega zmianie. Pusty już magazynek można ",
    "ponownie załadować przy pomocy prawego przycisku myszy.",
    "",
    "    Ilość zdobytych w grze punktów zależy od wielkości zestrzeliwanych ptaków i mieści ",
    "się w przedziałe 5 (ptaki duże) do 25. Te wartości są widoczne przy zestrzeliwanych ",
    "obiektach.",
    "",
    "    Jeżeli uzyskany przez gracza wynik kwalifikuje go do dziesiątki najlepszych, ",
    "wówczas program poprosi o wprowadzenie nazwy gracza (niekoniecznie musi to być ",
    "nazwisko) by po segregacji wyników pokazać tablicę najlepszych.",
    "",
    nullptr,
};

// Runs action on the modal window once the modal showing has started.
void WhileModal(std::function<void(TFhelp&)> action) {
    QTimer::singleShot(0, [action = std::move(action)] {
        auto* help = dynamic_cast<TFhelp*>(QApplication::activeModalWidget());
        ASSERT_NE(help, nullptr);
        action(*help);
    });
}

TEST(TFhelp, HasItsCaptionSizeHintAndOnlyTheCloseBox) {
    QWidget main;
    TFhelp help(&main);
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Pomoc"));
    EXPECT_EQ(help.size(), QSize(624, 340));
    EXPECT_EQ(help.minimumSize(), help.maximumSize());
    EXPECT_EQ(help.toolTip(), QStringLiteral("Klawisz <ESC> zamyka to okno"));
    // Shown as rich text, "<ESC>" would vanish from the tip.
    EXPECT_FALSE(Qt::mightBeRichText(help.toolTip()));
    EXPECT_EQ(help.windowType(), Qt::Tool);
    EXPECT_TRUE(help.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(help.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(help.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

    EXPECT_EQ(help.Memo1()->geometry(), QRect(0, 0, 624, 307));
    EXPECT_EQ(help.Panel1()->geometry(), QRect(0, 307, 624, 33));
    EXPECT_EQ(help.Button1()->geometry(), QRect(240, 4, 75, 25));
    EXPECT_EQ(help.Button1()->text(), QStringLiteral("&Zamknij"));
    EXPECT_EQ(help.focusWidget(), help.Button1());
}

TEST(TFhelp, HoldsTheHelpTextLineForLineInAnEditableWrappingMemo) {
    TFhelp help(nullptr);
    const QPlainTextEdit& memo = *help.Memo1();
    EXPECT_FALSE(memo.isReadOnly());
    EXPECT_EQ(memo.lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(memo.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    const QStringList lines = memo.toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 46);
    for (std::size_t i = 0; i < ExpectedLines.size(); ++i) {
        if (ExpectedLines[i] != nullptr) {
            EXPECT_EQ(lines[qsizetype(i)].toStdString(), ExpectedLines[i]) << "line " << i + 1;
        }
    }
    EXPECT_TRUE(lines[5].startsWith(QStringLiteral("\"Brassfang\"")));
    EXPECT_TRUE(lines[6].endsWith(QStringLiteral(" Chwała autorowi za taki gest!")));
    EXPECT_TRUE(lines[45].startsWith(QString(33, QLatin1Char(' '))));
    EXPECT_NE(lines[45][33], QLatin1Char(' '));
    for (const qsizetype credit : {5, 6, 45}) {
        EXPECT_FALSE(lines[credit].contains(QStringLiteral("http")) ||
                     lines[credit].contains(QStringLiteral("www")))
            << "line " << credit + 1;
    }
}

TEST(TFhelp, EveryWayOfClosingEndsTheModalShowingAccepted) {
    QWidget main;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    const std::vector<std::pair<const char*, std::function<void(TFhelp&)>>> ways = {
        {"Escape in the memo",
         [](TFhelp& h) {
             h.Memo1()->setFocus();
             QTest::keyClick(h.Memo1(), Qt::Key_Escape);
         }},
        {"Escape on the button", [](TFhelp& h) { QTest::keyClick(h.Button1(), Qt::Key_Escape); }},
        {"Escape on the window", [](TFhelp& h) { QTest::keyClick(&h, Qt::Key_Escape); }},
        {"the button", [](TFhelp& h) { QTest::mouseClick(h.Button1(), Qt::LeftButton); }},
        {"Alt+Z",
         [](TFhelp& h) {
             // A mnemonic works only in the active window.
             ASSERT_TRUE(test::Activate(h));
             QTest::keyClick(&h, Qt::Key_Z, Qt::AltModifier);
         }},
        {"the close box", [](TFhelp& h) { h.close(); }},
    };
    for (const auto& [name, close] : ways) {
        TFhelp help(&main);
        bool blocksMain = false;
        WhileModal([&](TFhelp& h) {
            blocksMain = h.isModal() && QApplication::activeModalWidget() == &help;
            close(h);
        });
        // A way that fails to close must not hang the run.
        QTimer::singleShot(3000, &help, [&help, name = name] {
            ADD_FAILURE() << name << " left the window open";
            help.hide();
        });
        EXPECT_EQ(help.exec(), QDialog::Accepted) << name;
        EXPECT_FALSE(help.isVisible()) << name;
        EXPECT_TRUE(blocksMain) << name;
    }
}

TEST(TFhelp, ASecondHelpWindowShowsTheTextUnchangedAfterTypingIntoTheFirst) {
    QWidget main;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    QString original;
    QString typed;
    WhileModal([&](TFhelp& h) {
        original = h.Memo1()->toPlainText();
        h.Memo1()->setFocus();
        QTest::keyClicks(h.Memo1(), QStringLiteral("xyz"));
        typed = h.Memo1()->toPlainText();
        QTest::keyClick(h.Memo1(), Qt::Key_Escape);
    });
    EXPECT_EQ(ShowHelpModal(&main), QDialog::Accepted);
    EXPECT_NE(typed, original);
    EXPECT_TRUE(main.findChildren<TFhelp*>().isEmpty());

    QString second;
    WhileModal([&](TFhelp& h) {
        second = h.Memo1()->toPlainText();
        h.close();
    });
    ShowHelpModal(&main);
    EXPECT_EQ(second, original);
    EXPECT_TRUE(main.findChildren<TFhelp*>().isEmpty());
}

} // namespace
} // namespace kluvian
