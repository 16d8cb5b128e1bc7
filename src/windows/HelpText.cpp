// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/HelpText.h"

namespace kluvian {

const std::array<std::string_view, 46>& HelpLines() {
    static constexpr std::array<std::string_view, 46> kLines{
        " ",
        "    \"Kluvian\" jest prostą grą, która sprowadza się do ostrzeliwania obiektów ",
        "latających. Tymi obiektami są sępy-ludojady jakie pojawiły się ostatnio w naszych ",
        "górach.",
        "    Program jest uproszczoną wersją, z myślą o małych użytkownikach, aplikacji ",
        "\"Brassfang\", której autor udostępnia wszystkim kod źródłowy swojej gry ",
        "na własnej stronie internetowej. Chwała autorowi za taki gest!",
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
        "                                 Kluvian - na motywach gry \"Brassfang\", z uznaniem dla "
        "jej autora",
    };
    return kLines;
}

} // namespace kluvian
