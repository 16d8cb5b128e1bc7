// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/HelpText.h"

#include <QCoreApplication>
#include <QStringList>

#include <array>

namespace kluvian {
namespace {

// The text, line for line as the memo shows it in Polish: each paragraph is translated as a
// whole (a translation wraps at the memo's width); the blank lines between them stand as
// they are. A piece that is empty or all blanks is one of those lines.
constexpr std::array kPieces{
    " ",
    //: A paragraph of the help window's text. Write it on one line, the window wraps it; a
    //: paragraph begins with four blanks.
    QT_TRANSLATE_NOOP(
        "TFhelp",
        "    \"Kluvian\" jest prostą grą, która sprowadza się do ostrzeliwania obiektów \n"
        "latających. Tymi obiektami są sępy-ludojady jakie pojawiły się ostatnio w naszych \n"
        "górach."),
    QT_TRANSLATE_NOOP(
        "TFhelp",
        "    Program jest uproszczoną wersją, z myślą o małych użytkownikach, aplikacji \n"
        "\"Brassfang\", której autor udostępnia wszystkim kod źródłowy swojej gry \n"
        "na własnej stronie internetowej. Chwała autorowi za taki gest!"),
    "",
    QT_TRANSLATE_NOOP(
        "TFhelp",
        "     Program składa się jedynie z pliku wykonywalnego, pliku \"wynik.ok\" zawierającego \n"
        "wykaz najlepszych wynikow oraz podkatalogu \"data\" z plikami konfiguracyjnymi gry."),
    "   ",
    QT_TRANSLATE_NOOP(
        "TFhelp",
        "     Obsługę programu zabezpieczają widoczne u góry przyciski uruchamiane klikiem \n"
        "myszy lub odpowiednimi klawiszami funkcyjnymi. Powyższe opcje mogą być \n"
        "uruchamiane w dowolnym etapie funkcjonowania programu."),
    "",
    QT_TRANSLATE_NOOP(
        "TFhelp",
        "     Klawiszem F2 uruchamiamy nową grę bez względu na stopień zaawansowania gry \n"
        "aktualnej. "),
    QT_TRANSLATE_NOOP(
        "TFhelp",
        "     Za pomocą klawisza F3 zawsze uzyskujemy tablicę z rekordowymi (10 najlepszych) \n"
        "wynikami."),
    QT_TRANSLATE_NOOP(
        "TFhelp",
        "     Aktywacja klawisza F4 na przemian włącza (opcja domyślna) lub wyłącza dźwięki \n"
        "towarzyszące oddawanym strzałom oraz tło muzyczne."),
    QT_TRANSLATE_NOOP(
        "TFhelp", "     Klawiszem F5 rozwijamy planszę gry na cały ekran lub sprowadzamy ją do \n"
                  "standardowych (ustawienie domyślne) rozmiarów."),
    QT_TRANSLATE_NOOP("TFhelp", "    Klawiszem F6 kończymy zabawę z programem."),
    "",
    QT_TRANSLATE_NOOP(
        "TFhelp",
        "    Z chwilą aktywacji pliku wykonywalnego pojawia się plansza programu w postaci \n"
        "czarnego pola. Klawisz F2 rozpoczyna grę - pojawia się panorama gór, na tle których \n"
        "widoczne są owe sępy. W dolnej partii planszy, po prawej widoczna jest ilość nabojów \n"
        "w magazynku (wyjściowa pojemność to 7 sztuk) naszej strzelby; w lewym, górnym rogu \n"
        "zegar odmierza nam czas jakim dysponujemy jeszcze na prowadzenie ognia. W każdej \n"
        "grze grający dysponuje czasem liczącym 90 sekund."),
    "",
    QT_TRANSLATE_NOOP(
        "TFhelp",
        "     Kursor, który obecnie przyjmuje postać celownika, naprowadzamy na widoczne ptaki \n"
        "i za pomocą kliku lewym przyciskiem myszy oddajemy strzał. W miarę oddawania \n"
        "strzałów ilość nabojów w magazynku ulega zmianie. Pusty już magazynek można \n"
        "ponownie załadować przy pomocy prawego przycisku myszy."),
    "",
    QT_TRANSLATE_NOOP(
        "TFhelp",
        "    Ilość zdobytych w grze punktów zależy od wielkości zestrzeliwanych ptaków i mieści \n"
        "się w przedziałe 5 (ptaki duże) do 25. Te wartości są widoczne przy zestrzeliwanych \n"
        "obiektach."),
    "",
    QT_TRANSLATE_NOOP(
        "TFhelp",
        "    Jeżeli uzyskany przez gracza wynik kwalifikuje go do dziesiątki najlepszych, \n"
        "wówczas program poprosi o wprowadzenie nazwy gracza (niekoniecznie musi to być \n"
        "nazwisko) by po segregacji wyników pokazać tablicę najlepszych."),
    "",
    QT_TRANSLATE_NOOP("TFhelp", "                                 Kluvian - na motywach gry "
                                "\"Brassfang\", z uznaniem dla jej autora"),
};

bool IsBlankLine(const char* piece) {
    return QByteArray(piece).trimmed().isEmpty();
}

} // namespace

QString HelpText() {
    QStringList lines;
    for (const char* piece : kPieces)
        lines << (IsBlankLine(piece) ? QString::fromLatin1(piece)
                                     : QCoreApplication::translate("TFhelp", piece));
    return lines.join(QLatin1Char('\n'));
}

} // namespace kluvian
