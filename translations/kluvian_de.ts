<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="pl">
<context>
    <name>Application</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>AreaChooser</name>
    <message>
        <source>%1 — brak: %2</source>
        <extracomment>An area whose folder lacks pictures: %1 its name, %2 the missing files&apos; names.</extracomment>
        <translation>%1 — es fehlt: %2</translation>
    </message>
    <message>
        <source>Wybór terenu łowieckiego</source>
        <translation>Jagdgebiet wählen</translation>
    </message>
    <message>
        <source>Własne tereny łowieckie: każdy w katalogu %1NAZWA/</source>
        <extracomment>Under the list: %1 is the folder that holds the player&apos;s own areas, one folder each.</extracomment>
        <translation>Eigene Jagdgebiete: jedes in einem Ordner %1NAME/</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>AreaLoad</name>
    <message>
        <source>Przynajmniej 1 plik nie został znaleziony!</source>
        <translation>Mindestens eine Datei wurde nicht gefunden!</translation>
    </message>
</context>
<context>
    <name>Audio</name>
    <message>
        <source>Cannot open the audio device</source>
        <translation>Das Audiogerät lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>The media player has no file open</source>
        <translation>Der Medienspieler hat keine Datei geöffnet</translation>
    </message>
    <message>
        <source>Cannot play %1</source>
        <translation>%1 lässt sich nicht abspielen</translation>
    </message>
    <message>
        <source>kluvian: no sound device, playing silently (%1)</source>
        <translation>kluvian: kein Audiogerät, das Spiel bleibt stumm (%1)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>show this help and leave</source>
        <translation>diese Hilfe zeigen und beenden</translation>
    </message>
    <message>
        <source>show the version and leave</source>
        <translation>die Version zeigen und beenden</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>Option %1 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>Usage: kluvian [OPTION]... [QT-OPTION]...
A shooting gallery: thirty vultures cross a mountain panorama, and you
have 90 seconds and an eight-cartridge magazine to score with.

Options:
</source>
        <extracomment>Lines of at most 79 characters, for a terminal.</extracomment>
        <translation>Aufruf: kluvian [OPTION]... [QT-OPTION]...
Eine Schießbude: Dreißig Geier fliegen über ein Bergpanorama, und du hast
90 Sekunden und ein Magazin mit acht Patronen, um Punkte zu sammeln.

Optionen:
</translation>
    </message>
    <message>
        <source>kluvian: no desktop to show the game on (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>kluvian: keine Arbeitsfläche, auf der das Spiel erscheinen kann (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt)</translation>
    </message>
    <message>
        <source>Your table: %1</source>
        <translation>Deine Tabelle: %1</translation>
    </message>
    <message>
        <source>option &apos;--area&apos; needs a folder, not an empty name</source>
        <translation>Option &apos;--area&apos; braucht einen Ordner, keinen leeren Namen</translation>
    </message>
    <message>
        <source>there is no such folder</source>
        <translation>diesen Ordner gibt es nicht</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>das ist kein Ordner</translation>
    </message>
    <message>
        <source>the folder cannot be entered (%1)</source>
        <translation>der Ordner lässt sich nicht betreten (%1)</translation>
    </message>
    <message>
        <source>no hunting area at %1: %2</source>
        <extracomment>%1 is the folder, %2 why it is none: &quot;there is no such folder&quot;, ...</extracomment>
        <translation>kein Jagdgebiet unter %1: %2</translation>
    </message>
    <message>
        <source>the X display (DISPLAY is not set)</source>
        <extracomment>Named in &quot;kluvian: cannot open %1&quot;.</extracomment>
        <translation>der X-Anzeige (DISPLAY ist nicht gesetzt)</translation>
    </message>
    <message>
        <source>the X display %1</source>
        <translation>der X-Anzeige %1</translation>
    </message>
    <message>
        <source>the Wayland display %1</source>
        <translation>der Wayland-Anzeige %1</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <extracomment>Two displays that could not be opened, the first tried first.</extracomment>
        <translation>%1 und auch nicht zu %2</translation>
    </message>
    <message>
        <source>kluvian: cannot open %1</source>
        <extracomment>%1 names the display, or the displays, that could not be opened.</extracomment>
        <translation>kluvian: keine Verbindung zu %1</translation>
    </message>
    <message>
        <source>play the hunting area in the folder DIR this time</source>
        <translation>diesmal das Jagdgebiet im Ordner DIR spielen</translation>
    </message>
    <message>
        <source>
Qt&apos;s own options work as well, among them -platform NAME, -style NAME and
-display DISPLAY.

The ten best results are kept in wynik.ok beside the program where the player
may write there, otherwise in the player&apos;s own $XDG_DATA_HOME/kluvian/
(~/.local/share/kluvian/ by default). Every hunting area but BlueMountains
keeps a table of its own there, in areas/.

F7 chooses the hunting area among the game&apos;s own and yours; each of yours is a
folder of its own in $XDG_DATA_HOME/kluvian/areas/. The game keeps the choice
for the next start; --area DIR plays DIR this time and leaves the choice be.

Keys: F1 help, F2 new game, F3 the table, F4 sound, F5 maximised window,
F6 leave, F7 hunting area, F11 full screen (Escape leaves it), P or Pause to
pause; the left button shoots, the right one reloads, the arrows pan.
</source>
        <extracomment>Lines of at most 79 characters, for a terminal.</extracomment>
        <translation>
Auch die Optionen von Qt selbst gelten, darunter -platform NAME, -style NAME
und -display DISPLAY.

Die zehn besten Ergebnisse stehen in wynik.ok neben dem Programm, wenn der
Spieler dort schreiben darf, sonst in seinem eigenen $XDG_DATA_HOME/kluvian/
(vorgegeben: ~/.local/share/kluvian/). Jedes Jagdgebiet außer BlueMountains
hat dort eine eigene Tabelle, in areas/.

F7 wählt das Jagdgebiet, eines des Spiels oder ein eigenes; jedes eigene ist
ein Ordner in $XDG_DATA_HOME/kluvian/areas/. Das Spiel behält die Wahl für den
nächsten Start; --area DIR spielt diesmal DIR und lässt die Wahl, wie sie ist.

Tasten: F1 Hilfe, F2 neues Spiel, F3 die Tabelle, F4 Ton, F5 maximiertes
Fenster, F6 beenden, F7 Jagdgebiet, F11 Vollbild (Escape verlässt es), P oder
Pause hält an; die linke Maustaste schießt, die rechte lädt nach, die
Pfeiltasten schwenken.
</translation>
    </message>
</context>
<context>
    <name>EndGame</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>Tym razem wynik jest poza finałową dziesiątką.
  Następnym razem napewno będzie lepiej.</source>
        <translation>Diesmal reicht das Ergebnis nicht für die besten zehn.
Nächstes Mal klappt es bestimmt besser!</translation>
    </message>
    <message>
        <source>Gratulacje z dobrego wyniku!</source>
        <translation>Glückwunsch zu diesem guten Ergebnis!</translation>
    </message>
    <message>
        <source>Podaj więc swoją nazwę</source>
        <translation>Dann verrate uns deinen Namen</translation>
    </message>
</context>
<context>
    <name>HudText</name>
    <message>
        <source>Pauza</source>
        <extracomment>The bitmap font of the game&apos;s picture: letters of code page 1250 only (Polish, German, ...), in glyphs of 60 units over an 800-unit view: at most 20 characters.</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>%1 FPS</source>
        <extracomment>Frames a second, in the bottom-right corner of the game&apos;s picture (bitmap font: code page 1250 letters only).</extracomment>
        <translation>%1 FPS</translation>
    </message>
    <message>
        <source>Wynik: %1</source>
        <extracomment>The score, top left of the game&apos;s picture (bitmap font: code page 1250 letters only).</extracomment>
        <translation>Punkte: %1</translation>
    </message>
    <message>
        <source>Czas: %1</source>
        <extracomment>The seconds left, below the score (bitmap font: code page 1250 letters only).</extracomment>
        <translation>Zeit: %1</translation>
    </message>
</context>
<context>
    <name>IoError</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Zugriff auf die Datei verweigert</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lesen über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Ungültige numerische Eingabe</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>E/A-Fehler %1</translation>
    </message>
</context>
<context>
    <name>SaveOnClose</name>
    <message>
        <source>Nie udało się zapisać tabeli wyników do pliku „wynik.ok”.
Spróbować jeszcze raz? Jeśli nie, gra zakończy się bez zapisania wyników.</source>
        <translation>Die Bestenliste ließ sich nicht in der Datei „wynik.ok“ speichern.
Noch einmal versuchen? Wenn nicht, endet das Spiel, ohne die Ergebnisse zu speichern.</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Nie udało się zapisać tabeli wyników do pliku „wynik.ok”.
Spróbować jeszcze raz? Jeśli nie, gra spróbuje zapisać wyniki przy zamknięciu.</source>
        <translation>Die Bestenliste ließ sich nicht in der Datei „wynik.ok“ speichern.
Noch einmal versuchen? Wenn nicht, versucht das Spiel es beim Beenden noch einmal.</translation>
    </message>
</context>
<context>
    <name>TFWynik</name>
    <message>
        <source>Lp.</source>
        <extracomment>The score table&apos;s place column, 30 pixels wide: three or four characters.</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Nazwa Gracza</source>
        <extracomment>The score table&apos;s name column, 136 pixels wide.</extracomment>
        <translation>Spieler</translation>
    </message>
    <message>
        <source> Data  </source>
        <extracomment>The score table&apos;s date column, 84 pixels wide.</extracomment>
        <translation> Datum </translation>
    </message>
    <message>
        <source> Wynik </source>
        <extracomment>The score table&apos;s score column, 55 pixels wide: about seven characters.</extracomment>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Tabela mistrzów</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Aufsteigend</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Absteigend</translation>
    </message>
    <message>
        <source>&amp;Zamknij</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>TFhelp</name>
    <message>
        <source>    &quot;Kluvian&quot; jest prostą grą, która sprowadza się do ostrzeliwania obiektów 
latających. Tymi obiektami są sępy-ludojady jakie pojawiły się ostatnio w naszych 
górach.</source>
        <extracomment>A paragraph of the help window&apos;s text. Write it on one line, the window wraps it; a paragraph begins with four blanks.</extracomment>
        <translation>    „Kluvian“ ist ein einfaches Spiel, bei dem es darum geht, fliegende Objekte abzuschießen. Diese Objekte sind die menschenfressenden Geier, die sich neuerdings in unseren Bergen herumtreiben.</translation>
    </message>
    <message>
        <source>    Program jest uproszczoną wersją, z myślą o małych użytkownikach, aplikacji 
&quot;Brassfang&quot;, której autor udostępnia wszystkim kod źródłowy swojej gry 
na własnej stronie internetowej. Chwała autorowi za taki gest!</source>
        <translation>    Das Programm ist eine vereinfachte, für junge Spieler gedachte Fassung der Anwendung „Brassfang“, deren Autor den Quellcode seines Spiels auf seiner eigenen Webseite allen zur Verfügung stellt. Ein Hoch auf den Autor für diese Geste!</translation>
    </message>
    <message>
        <source>     Program składa się jedynie z pliku wykonywalnego, pliku &quot;wynik.ok&quot; zawierającego 
wykaz najlepszych wynikow oraz podkatalogu &quot;data&quot; z plikami konfiguracyjnymi gry.</source>
        <translation>    Das Programm besteht nur aus der ausführbaren Datei, der Datei „wynik.ok“ mit der Liste der besten Ergebnisse und dem Unterordner „data“ mit den Konfigurationsdateien des Spiels.</translation>
    </message>
    <message>
        <source>     Obsługę programu zabezpieczają widoczne u góry przyciski uruchamiane klikiem 
myszy lub odpowiednimi klawiszami funkcyjnymi. Powyższe opcje mogą być 
uruchamiane w dowolnym etapie funkcjonowania programu.</source>
        <translation>    Bedient wird das Programm über die Schaltflächen oben, die auf einen Mausklick oder auf die passende Funktionstaste reagieren. Diese Optionen lassen sich zu jedem Zeitpunkt aufrufen, solange das Programm läuft.</translation>
    </message>
    <message>
        <source>     Klawiszem F2 uruchamiamy nową grę bez względu na stopień zaawansowania gry 
aktualnej. </source>
        <translation>    F2 startet ein neues Spiel, ganz gleich, wie weit das laufende gediehen ist.</translation>
    </message>
    <message>
        <source>     Za pomocą klawisza F3 zawsze uzyskujemy tablicę z rekordowymi (10 najlepszych) 
wynikami.</source>
        <translation>    F3 zeigt jederzeit die Tabelle der Rekordergebnisse (die 10 besten).</translation>
    </message>
    <message>
        <source>     Aktywacja klawisza F4 na przemian włącza (opcja domyślna) lub wyłącza dźwięki 
towarzyszące oddawanym strzałom oraz tło muzyczne.</source>
        <translation>    F4 schaltet die Schussgeräusche und die Hintergrundmusik abwechselnd ein (Voreinstellung) und aus.</translation>
    </message>
    <message>
        <source>     Klawiszem F5 rozwijamy planszę gry na cały ekran lub sprowadzamy ją do 
standardowych (ustawienie domyślne) rozmiarów.</source>
        <translation>    F5 vergrößert das Spielfeld auf den ganzen Bildschirm oder bringt es auf seine Standardgröße (Voreinstellung) zurück.</translation>
    </message>
    <message>
        <source>    Klawiszem F6 kończymy zabawę z programem.</source>
        <translation>    F6 beendet den Spielspaß.</translation>
    </message>
    <message>
        <source>    Z chwilą aktywacji pliku wykonywalnego pojawia się plansza programu w postaci 
czarnego pola. Klawisz F2 rozpoczyna grę - pojawia się panorama gór, na tle których 
widoczne są owe sępy. W dolnej partii planszy, po prawej widoczna jest ilość nabojów 
w magazynku (wyjściowa pojemność to 7 sztuk) naszej strzelby; w lewym, górnym rogu 
zegar odmierza nam czas jakim dysponujemy jeszcze na prowadzenie ognia. W każdej 
grze grający dysponuje czasem liczącym 90 sekund.</source>
        <translation>    Sobald das Programm startet, erscheint sein Spielfeld als schwarze Fläche. F2 beginnt das Spiel: Ein Bergpanorama erscheint, und davor sind die Geier zu sehen. Unten rechts im Spielfeld steht, wie viele Patronen noch im Magazin unseres Gewehrs sind (anfangs 7 Stück); oben links zählt eine Uhr die Zeit herunter, die uns noch zum Feuern bleibt. In jedem Spiel hat der Spieler 90 Sekunden Zeit.</translation>
    </message>
    <message>
        <source>     Kursor, który obecnie przyjmuje postać celownika, naprowadzamy na widoczne ptaki 
i za pomocą kliku lewym przyciskiem myszy oddajemy strzał. W miarę oddawania 
strzałów ilość nabojów w magazynku ulega zmianie. Pusty już magazynek można 
ponownie załadować przy pomocy prawego przycisku myszy.</source>
        <translation>    Der Mauszeiger, der jetzt die Form eines Fadenkreuzes hat, wird auf die sichtbaren Vögel gerichtet, und ein Klick mit der linken Maustaste löst einen Schuss aus. Mit jedem Schuss ändert sich die Zahl der Patronen im Magazin. Ein leeres Magazin lässt sich mit der rechten Maustaste wieder laden.</translation>
    </message>
    <message>
        <source>    Ilość zdobytych w grze punktów zależy od wielkości zestrzeliwanych ptaków i mieści 
się w przedziałe 5 (ptaki duże) do 25. Te wartości są widoczne przy zestrzeliwanych 
obiektach.</source>
        <translation>    Wie viele Punkte man in einem Spiel bekommt, hängt von der Größe der abgeschossenen Vögel ab und reicht von 5 (große Vögel) bis 25. Diese Werte sind bei den abgeschossenen Vögeln zu sehen.</translation>
    </message>
    <message>
        <source>    Jeżeli uzyskany przez gracza wynik kwalifikuje go do dziesiątki najlepszych, 
wówczas program poprosi o wprowadzenie nazwy gracza (niekoniecznie musi to być 
nazwisko) by po segregacji wyników pokazać tablicę najlepszych.</source>
        <translation>    Reicht das Ergebnis für einen Platz unter den besten zehn, fragt das Programm nach dem Namen des Spielers (es muss nicht der echte sein), sortiert die Ergebnisse und zeigt dann die Bestenliste.</translation>
    </message>
    <message>
        <source>                                 Kluvian - na motywach gry &quot;Brassfang&quot;, z uznaniem dla jej autora</source>
        <translation>                                 Kluvian – nach dem Spiel „Brassfang“, mit Anerkennung für seinen Autor</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Klawisz &lt;ESC&gt; zamyka to okno</source>
        <extracomment>Plain text, not HTML: &lt;ESC&gt; is shown as it stands.</extracomment>
        <translation>Die Taste &lt;ESC&gt; schließt dieses Fenster</translation>
    </message>
    <message>
        <source>&amp;Zamknij</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>TNewForm</name>
    <message>
        <source>Trwa ładowanie</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>Poczekaj chwilkę teraz ładuję dane...</source>
        <translation>Einen Moment bitte, ich lade die Daten...</translation>
    </message>
    <message>
        <source>Go Hunting</source>
        <translation>Auf zur Jagd</translation>
    </message>
    <message>
        <source>Use [Alt] for the menu and [H] for help!</source>
        <translation>[Alt] öffnet das Menü, [H] die Hilfe!</translation>
    </message>
</context>
<context>
    <name>Textures</name>
    <message>
        <source>BMP Unit</source>
        <translation>BMP-Modul</translation>
    </message>
    <message>
        <source>Unable to read from resource - %1</source>
        <translation>Lesen aus der Ressource nicht möglich - %1</translation>
    </message>
    <message>
        <source>Error reading palette</source>
        <translation>Fehler beim Lesen der Palette</translation>
    </message>
    <message>
        <source>Error reading bitmap data</source>
        <translation>Fehler beim Lesen der Bilddaten</translation>
    </message>
    <message>
        <source>Error opening %1</source>
        <translation>Fehler beim Öffnen von %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t load JPG Resource - %1</source>
        <translation>JPG-Ressource konnte nicht geladen werden - %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t load JPG - %1</source>
        <translation>JPG konnte nicht geladen werden - %1</translation>
    </message>
    <message>
        <source>File not found in resource - %1</source>
        <translation>Datei nicht in den Ressourcen gefunden - %1</translation>
    </message>
    <message>
        <source>BMP Texture</source>
        <translation>BMP-Textur</translation>
    </message>
    <message>
        <source>JPG Texture</source>
        <translation>JPG-Textur</translation>
    </message>
    <message>
        <source>TGA Texture</source>
        <translation>TGA-Textur</translation>
    </message>
    <message>
        <source>TGA File Error</source>
        <translation>TGA-Dateifehler</translation>
    </message>
    <message>
        <source>Couldn&apos;t read file %1.</source>
        <translation>Datei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Couldn&apos;t load %1. Only 24 and 32bit TGA supported.</source>
        <translation>%1 konnte nicht geladen werden. Nur TGA mit 24 und 32 Bit wird unterstützt.</translation>
    </message>
    <message>
        <source>Couldn&apos;t load %1. Colormapped TGA files not supported.</source>
        <translation>%1 konnte nicht geladen werden. TGA-Dateien mit Farbpalette werden nicht unterstützt.</translation>
    </message>
    <message>
        <source>Couldn&apos;t load %1. Only 24 and 32 bit TGA files supported.</source>
        <translation>%1 konnte nicht geladen werden. Nur TGA-Dateien mit 24 und 32 Bit werden unterstützt.</translation>
    </message>
    <message>
        <source>File not found  - %1</source>
        <translation>Datei nicht gefunden - %1</translation>
    </message>
</context>
<context>
    <name>kluvian::TGLForm</name>
    <message>
        <source>Kluvian wer.1.0 - uproszczona wersja gry &quot;Brassfang&quot;, z podziękowaniem dla jej autora</source>
        <translation>Kluvian Version 1.0 – eine vereinfachte Fassung des Spiels „Brassfang“, mit Dank an seinen Autor</translation>
    </message>
    <message>
        <source>Nie można utworzyć kontekstu OpenGL</source>
        <translation>Der OpenGL-Kontext lässt sich nicht erstellen</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>[F2] New...</source>
        <translation>[F2] Neu...</translation>
    </message>
    <message>
        <source>[F3] Show Highscores</source>
        <translation>[F3] Bestenliste zeigen</translation>
    </message>
    <message>
        <source>[Alt+F4] Exit</source>
        <translation>[Alt+F4] Beenden</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>[S] Sound</source>
        <translation>[S] Ton</translation>
    </message>
    <message>
        <source>[F] Fullscreen</source>
        <translation>[F] Vollbild</translation>
    </message>
    <message>
        <source>[H] Show Help and Credits</source>
        <translation>[H] Hilfe und Danksagung</translation>
    </message>
    <message>
        <source>Hide [Alt]</source>
        <extracomment>Hides the mouse pointer over the game.</extracomment>
        <translation>Zeiger ausblenden [Alt]</translation>
    </message>
    <message>
        <source>F1 &amp;Pomoc</source>
        <extracomment>A tool-bar button of 122 pixels in a bold font: at most about 15 characters.</extracomment>
        <translation>F1 &amp;Hilfe</translation>
    </message>
    <message>
        <source>Otwiera okno pomocy</source>
        <translation>Öffnet das Hilfefenster</translation>
    </message>
    <message>
        <source>F2 &amp;Nowa gra</source>
        <extracomment>A tool-bar button of 122 pixels in a bold font: at most about 15 characters.</extracomment>
        <translation>F2 &amp;Neues Spiel</translation>
    </message>
    <message>
        <source>Rozpoczyna grę od nowa</source>
        <translation>Startet das Spiel neu</translation>
    </message>
    <message>
        <source>F3 Wynik</source>
        <extracomment>A tool-bar button of 122 pixels in a bold font: at most about 15 characters.</extracomment>
        <translation>F3 Bestenliste</translation>
    </message>
    <message>
        <source>Pokazuje/Ukrywa tabelę wyników</source>
        <translation>Zeigt/verbirgt die Bestenliste</translation>
    </message>
    <message>
        <source>F4 &amp;Dźwięki</source>
        <extracomment>A tool-bar button of 122 pixels in a bold font: at most about 15 characters.</extracomment>
        <translation>F4 &amp;Ton</translation>
    </message>
    <message>
        <source>Dxwięki włączone/ wyłączone</source>
        <translation>Ton ein/aus</translation>
    </message>
    <message>
        <source>F5 &amp;Ekran</source>
        <extracomment>A tool-bar button of 122 pixels in a bold font: at most about 15 characters.</extracomment>
        <translation>F5 &amp;Vollbild</translation>
    </message>
    <message>
        <source>Gra na całym/normalnym ekranie</source>
        <translation>Spiel im Vollbild/im normalen Fenster</translation>
    </message>
    <message>
        <source>F6 &amp;Koniec</source>
        <extracomment>A tool-bar button of 122 pixels in a bold font: at most about 15 characters.</extracomment>
        <translation>F6 &amp;Beenden</translation>
    </message>
    <message>
        <source>Koniec pracy</source>
        <translation>Beendet das Spiel</translation>
    </message>
    <message>
        <source>kluvian: the score table was not saved: %1</source>
        <translation>kluvian: die Bestenliste wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>[F7] Hunting area...</source>
        <translation>[F7] Jagdgebiet...</translation>
    </message>
</context>
</TS>
