<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pl">
<context>
    <name>Application</name>
    <message>
        <source>Unknown error</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>AreaChooser</name>
    <message>
        <source>%1 — brak: %2</source>
        <extracomment>An area whose folder lacks pictures: %1 its name, %2 the missing files&apos; names.</extracomment>
        <translation>%1 — missing: %2</translation>
    </message>
    <message>
        <source>Wybór terenu łowieckiego</source>
        <translation>Choose a hunting area</translation>
    </message>
    <message>
        <source>Własne tereny łowieckie: każdy w katalogu %1NAZWA/</source>
        <extracomment>Under the list: %1 is the folder that holds the player&apos;s own areas, one folder each.</extracomment>
        <translation>Your own areas: each in a folder %1NAME/</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>AreaLoad</name>
    <message>
        <source>Przynajmniej 1 plik nie został znaleziony!</source>
        <translation>At least one file was not found!</translation>
    </message>
</context>
<context>
    <name>Audio</name>
    <message>
        <source>Cannot open the audio device</source>
        <translation>Cannot open the audio device</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Cannot open %1</translation>
    </message>
    <message>
        <source>The media player has no file open</source>
        <translation>The media player has no file open</translation>
    </message>
    <message>
        <source>Cannot play %1</source>
        <translation>Cannot play %1</translation>
    </message>
    <message>
        <source>kluvian: no sound device, playing silently (%1)</source>
        <translation>kluvian: no sound device, playing silently (%1)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>show this help and leave</source>
        <translation>show this help and leave</translation>
    </message>
    <message>
        <source>show the version and leave</source>
        <translation>show the version and leave</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>option %1 needs a value</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unexpected argument %1</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>option %1 takes no value</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>Usage: kluvian [OPTION]... [QT-OPTION]...
A shooting gallery: thirty vultures cross a mountain panorama, and you
have 90 seconds and an eight-cartridge magazine to score with.

Options:
</source>
        <extracomment>Lines of at most 79 characters, for a terminal.</extracomment>
        <translation>Usage: kluvian [OPTION]... [QT-OPTION]...
A shooting gallery: thirty vultures cross a mountain panorama, and you
have 90 seconds and an eight-cartridge magazine to score with.

Options:
</translation>
    </message>
    <message>
        <source>kluvian: no desktop to show the game on (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>kluvian: no desktop to show the game on (neither DISPLAY nor WAYLAND_DISPLAY is set)</translation>
    </message>
    <message>
        <source>Your table: %1</source>
        <translation>Your table: %1</translation>
    </message>
    <message>
        <source>option &apos;--area&apos; needs a folder, not an empty name</source>
        <translation>option &apos;--area&apos; needs a folder, not an empty name</translation>
    </message>
    <message>
        <source>there is no such folder</source>
        <translation>there is no such folder</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>it is not a folder</translation>
    </message>
    <message>
        <source>the folder cannot be entered (%1)</source>
        <translation>the folder cannot be entered (%1)</translation>
    </message>
    <message>
        <source>no hunting area at %1: %2</source>
        <extracomment>%1 is the folder, %2 why it is none: &quot;there is no such folder&quot;, ...</extracomment>
        <translation>no hunting area at %1: %2</translation>
    </message>
    <message>
        <source>the X display (DISPLAY is not set)</source>
        <extracomment>Named in &quot;kluvian: cannot open %1&quot;.</extracomment>
        <translation>the X display (DISPLAY is not set)</translation>
    </message>
    <message>
        <source>the X display %1</source>
        <translation>the X display %1</translation>
    </message>
    <message>
        <source>the Wayland display %1</source>
        <translation>the Wayland display %1</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <extracomment>Two displays that could not be opened, the first tried first.</extracomment>
        <translation>%1 nor %2</translation>
    </message>
    <message>
        <source>kluvian: cannot open %1</source>
        <extracomment>%1 names the display, or the displays, that could not be opened.</extracomment>
        <translation>kluvian: cannot open %1</translation>
    </message>
    <message>
        <source>play the hunting area in the folder DIR this time</source>
        <translation>play the hunting area in the folder DIR this time</translation>
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
</translation>
    </message>
</context>
<context>
    <name>EndGame</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>Tym razem wynik jest poza finałową dziesiątką.
  Następnym razem napewno będzie lepiej.</source>
        <translation>This time your score did not make the top ten.
You will surely do better next time.</translation>
    </message>
    <message>
        <source>Gratulacje z dobrego wyniku!</source>
        <translation>Congratulations on a fine score!</translation>
    </message>
    <message>
        <source>Podaj więc swoją nazwę</source>
        <translation>So tell us your name</translation>
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
        <translation>Score: %1</translation>
    </message>
    <message>
        <source>Czas: %1</source>
        <extracomment>The seconds left, below the score (bitmap font: code page 1250 letters only).</extracomment>
        <translation>Time: %1</translation>
    </message>
</context>
<context>
    <name>IoError</name>
    <message>
        <source>File not found</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Path not found</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>File access denied</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Read beyond end of file</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disk full</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Invalid numeric input</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>I/O error %1</translation>
    </message>
</context>
<context>
    <name>SaveOnClose</name>
    <message>
        <source>Nie udało się zapisać tabeli wyników do pliku „wynik.ok”.
Spróbować jeszcze raz? Jeśli nie, gra zakończy się bez zapisania wyników.</source>
        <translation>The score table could not be saved to the file “wynik.ok”.
Try again? If not, the game ends without saving the scores.</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Nie udało się zapisać tabeli wyników do pliku „wynik.ok”.
Spróbować jeszcze raz? Jeśli nie, gra spróbuje zapisać wyniki przy zamknięciu.</source>
        <translation>The score table could not be saved to the file “wynik.ok”.
Try again? If not, the game tries again when it ends.</translation>
    </message>
</context>
<context>
    <name>TFWynik</name>
    <message>
        <source>Lp.</source>
        <extracomment>The score table&apos;s place column, 30 pixels wide: three or four characters.</extracomment>
        <translation>No.</translation>
    </message>
    <message>
        <source>Nazwa Gracza</source>
        <extracomment>The score table&apos;s name column, 136 pixels wide.</extracomment>
        <translation>Player</translation>
    </message>
    <message>
        <source> Data  </source>
        <extracomment>The score table&apos;s date column, 84 pixels wide.</extracomment>
        <translation> Date  </translation>
    </message>
    <message>
        <source> Wynik </source>
        <extracomment>The score table&apos;s score column, 55 pixels wide: about seven characters.</extracomment>
        <translation> Score </translation>
    </message>
    <message>
        <source>Tabela mistrzów</source>
        <translation>Hall of Fame</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Ascending</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Descending</translation>
    </message>
    <message>
        <source>&amp;Zamknij</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>TFhelp</name>
    <message>
        <source>    &quot;Kluvian&quot; jest prostą grą, która sprowadza się do ostrzeliwania obiektów 
latających. Tymi obiektami są sępy-ludojady jakie pojawiły się ostatnio w naszych 
górach.</source>
        <extracomment>A paragraph of the help window&apos;s text. Write it on one line, the window wraps it; a paragraph begins with four blanks.</extracomment>
        <translation>    &quot;Kluvian&quot; is a simple game that comes down to shooting at flying objects. The objects are the man-eating vultures that have lately turned up in our mountains.</translation>
    </message>
    <message>
        <source>    Program jest uproszczoną wersją, z myślą o małych użytkownikach, aplikacji 
&quot;Brassfang&quot;, której autor udostępnia wszystkim kod źródłowy swojej gry 
na własnej stronie internetowej. Chwała autorowi za taki gest!</source>
        <translation>    The program is a simplified version, made with young players in mind, of the application &quot;Brassfang&quot;, whose author shares the source code of his game with everyone on his own web page. All credit to the author for such a gesture!</translation>
    </message>
    <message>
        <source>     Program składa się jedynie z pliku wykonywalnego, pliku &quot;wynik.ok&quot; zawierającego 
wykaz najlepszych wynikow oraz podkatalogu &quot;data&quot; z plikami konfiguracyjnymi gry.</source>
        <translation>    The program consists of nothing but the executable file, the file &quot;wynik.ok&quot; with the list of the best scores, and the subfolder &quot;data&quot; with the game&apos;s configuration files.</translation>
    </message>
    <message>
        <source>     Obsługę programu zabezpieczają widoczne u góry przyciski uruchamiane klikiem 
myszy lub odpowiednimi klawiszami funkcyjnymi. Powyższe opcje mogą być 
uruchamiane w dowolnym etapie funkcjonowania programu.</source>
        <translation>    The program is worked with the buttons along the top, which respond to a mouse click or to the matching function keys. These options can be used at any stage while the program runs.</translation>
    </message>
    <message>
        <source>     Klawiszem F2 uruchamiamy nową grę bez względu na stopień zaawansowania gry 
aktualnej. </source>
        <translation>    F2 starts a new game, however far the current one has got.</translation>
    </message>
    <message>
        <source>     Za pomocą klawisza F3 zawsze uzyskujemy tablicę z rekordowymi (10 najlepszych) 
wynikami.</source>
        <translation>    F3 always brings up the table of record scores (the 10 best).</translation>
    </message>
    <message>
        <source>     Aktywacja klawisza F4 na przemian włącza (opcja domyślna) lub wyłącza dźwięki 
towarzyszące oddawanym strzałom oraz tło muzyczne.</source>
        <translation>    F4 turns the sound of the shots and the background music on (the default) or off, in turn.</translation>
    </message>
    <message>
        <source>     Klawiszem F5 rozwijamy planszę gry na cały ekran lub sprowadzamy ją do 
standardowych (ustawienie domyślne) rozmiarów.</source>
        <translation>    F5 spreads the playing field over the whole screen or brings it back to its standard size (the default).</translation>
    </message>
    <message>
        <source>    Klawiszem F6 kończymy zabawę z programem.</source>
        <translation>    F6 brings the fun to an end.</translation>
    </message>
    <message>
        <source>    Z chwilą aktywacji pliku wykonywalnego pojawia się plansza programu w postaci 
czarnego pola. Klawisz F2 rozpoczyna grę - pojawia się panorama gór, na tle których 
widoczne są owe sępy. W dolnej partii planszy, po prawej widoczna jest ilość nabojów 
w magazynku (wyjściowa pojemność to 7 sztuk) naszej strzelby; w lewym, górnym rogu 
zegar odmierza nam czas jakim dysponujemy jeszcze na prowadzenie ognia. W każdej 
grze grający dysponuje czasem liczącym 90 sekund.</source>
        <translation>    As soon as the program starts, its playing field appears as a black area. F2 starts the game: a mountain panorama appears, with those vultures against it. At the bottom right of the field you see how many cartridges are left in the magazine of our gun (it starts with 7); in the top left corner a clock counts down the time we still have for opening fire. Every game gives the player 90 seconds.</translation>
    </message>
    <message>
        <source>     Kursor, który obecnie przyjmuje postać celownika, naprowadzamy na widoczne ptaki 
i za pomocą kliku lewym przyciskiem myszy oddajemy strzał. W miarę oddawania 
strzałów ilość nabojów w magazynku ulega zmianie. Pusty już magazynek można 
ponownie załadować przy pomocy prawego przycisku myszy.</source>
        <translation>    The pointer, which now takes the shape of a cross-hair, is aimed at the birds in sight, and a click of the left mouse button fires a shot. As you shoot, the number of cartridges in the magazine changes. An empty magazine can be loaded again with the right mouse button.</translation>
    </message>
    <message>
        <source>    Ilość zdobytych w grze punktów zależy od wielkości zestrzeliwanych ptaków i mieści 
się w przedziałe 5 (ptaki duże) do 25. Te wartości są widoczne przy zestrzeliwanych 
obiektach.</source>
        <translation>    The points scored in a game depend on the size of the birds shot down and range from 5 (big birds) to 25. These values are shown beside the birds as they are shot down.</translation>
    </message>
    <message>
        <source>    Jeżeli uzyskany przez gracza wynik kwalifikuje go do dziesiątki najlepszych, 
wówczas program poprosi o wprowadzenie nazwy gracza (niekoniecznie musi to być 
nazwisko) by po segregacji wyników pokazać tablicę najlepszych.</source>
        <translation>    If the player&apos;s score earns a place among the ten best, the program asks for the player&apos;s name (it need not be a real name) and then sorts the scores and shows the table of the best.</translation>
    </message>
    <message>
        <source>                                 Kluvian - na motywach gry &quot;Brassfang&quot;, z uznaniem dla jej autora</source>
        <translation>                                 Kluvian - based on the game &quot;Brassfang&quot;, in appreciation of its author</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Klawisz &lt;ESC&gt; zamyka to okno</source>
        <extracomment>Plain text, not HTML: &lt;ESC&gt; is shown as it stands.</extracomment>
        <translation>The &lt;ESC&gt; key closes this window</translation>
    </message>
    <message>
        <source>&amp;Zamknij</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>TNewForm</name>
    <message>
        <source>Trwa ładowanie</source>
        <translation>Loading</translation>
    </message>
    <message>
        <source>Poczekaj chwilkę teraz ładuję dane...</source>
        <translation>Just a moment, I am loading the data...</translation>
    </message>
    <message>
        <source>Go Hunting</source>
        <translation>Go Hunting</translation>
    </message>
    <message>
        <source>Use [Alt] for the menu and [H] for help!</source>
        <translation>Use [Alt] for the menu and [H] for help!</translation>
    </message>
</context>
<context>
    <name>Textures</name>
    <message>
        <source>BMP Unit</source>
        <translation>BMP Unit</translation>
    </message>
    <message>
        <source>Unable to read from resource - %1</source>
        <translation>Unable to read from resource - %1</translation>
    </message>
    <message>
        <source>Error reading palette</source>
        <translation>Error reading palette</translation>
    </message>
    <message>
        <source>Error reading bitmap data</source>
        <translation>Error reading bitmap data</translation>
    </message>
    <message>
        <source>Error opening %1</source>
        <translation>Error opening %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t load JPG Resource - %1</source>
        <translation>Couldn&apos;t load JPG Resource - %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t load JPG - %1</source>
        <translation>Couldn&apos;t load JPG - %1</translation>
    </message>
    <message>
        <source>File not found in resource - %1</source>
        <translation>File not found in resource - %1</translation>
    </message>
    <message>
        <source>BMP Texture</source>
        <translation>BMP Texture</translation>
    </message>
    <message>
        <source>JPG Texture</source>
        <translation>JPG Texture</translation>
    </message>
    <message>
        <source>TGA Texture</source>
        <translation>TGA Texture</translation>
    </message>
    <message>
        <source>TGA File Error</source>
        <translation>TGA File Error</translation>
    </message>
    <message>
        <source>Couldn&apos;t read file %1.</source>
        <translation>Couldn&apos;t read file %1.</translation>
    </message>
    <message>
        <source>Couldn&apos;t load %1. Only 24 and 32bit TGA supported.</source>
        <translation>Couldn&apos;t load %1. Only 24 and 32bit TGA supported.</translation>
    </message>
    <message>
        <source>Couldn&apos;t load %1. Colormapped TGA files not supported.</source>
        <translation>Couldn&apos;t load %1. Colormapped TGA files not supported.</translation>
    </message>
    <message>
        <source>Couldn&apos;t load %1. Only 24 and 32 bit TGA files supported.</source>
        <translation>Couldn&apos;t load %1. Only 24 and 32 bit TGA files supported.</translation>
    </message>
    <message>
        <source>File not found  - %1</source>
        <translation>File not found  - %1</translation>
    </message>
</context>
<context>
    <name>kluvian::TGLForm</name>
    <message>
        <source>Kluvian wer.1.0 - uproszczona wersja gry &quot;Brassfang&quot;, z podziękowaniem dla jej autora</source>
        <translation>Kluvian ver. 1.0 - a simplified version of the game &quot;Brassfang&quot;, with thanks to its author</translation>
    </message>
    <message>
        <source>Nie można utworzyć kontekstu OpenGL</source>
        <translation>Cannot create the OpenGL context</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>[F2] New...</source>
        <translation>[F2] New...</translation>
    </message>
    <message>
        <source>[F3] Show Highscores</source>
        <translation>[F3] Show Highscores</translation>
    </message>
    <message>
        <source>[Alt+F4] Exit</source>
        <translation>[Alt+F4] Exit</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>[S] Sound</source>
        <translation>[S] Sound</translation>
    </message>
    <message>
        <source>[F] Fullscreen</source>
        <translation>[F] Fullscreen</translation>
    </message>
    <message>
        <source>[H] Show Help and Credits</source>
        <translation>[H] Show Help and Credits</translation>
    </message>
    <message>
        <source>Hide [Alt]</source>
        <extracomment>Hides the mouse pointer over the game.</extracomment>
        <translation>Hide [Alt]</translation>
    </message>
    <message>
        <source>F1 &amp;Pomoc</source>
        <extracomment>A tool-bar button of 122 pixels in a bold font: at most about 15 characters.</extracomment>
        <translation>F1 &amp;Help</translation>
    </message>
    <message>
        <source>Otwiera okno pomocy</source>
        <translation>Opens the help window</translation>
    </message>
    <message>
        <source>F2 &amp;Nowa gra</source>
        <extracomment>A tool-bar button of 122 pixels in a bold font: at most about 15 characters.</extracomment>
        <translation>F2 &amp;New game</translation>
    </message>
    <message>
        <source>Rozpoczyna grę od nowa</source>
        <translation>Starts the game afresh</translation>
    </message>
    <message>
        <source>F3 Wynik</source>
        <extracomment>A tool-bar button of 122 pixels in a bold font: at most about 15 characters.</extracomment>
        <translation>F3 Scores</translation>
    </message>
    <message>
        <source>Pokazuje/Ukrywa tabelę wyników</source>
        <translation>Shows/hides the score table</translation>
    </message>
    <message>
        <source>F4 &amp;Dźwięki</source>
        <extracomment>A tool-bar button of 122 pixels in a bold font: at most about 15 characters.</extracomment>
        <translation>F4 &amp;Sound</translation>
    </message>
    <message>
        <source>Dxwięki włączone/ wyłączone</source>
        <translation>Sound on/off</translation>
    </message>
    <message>
        <source>F5 &amp;Ekran</source>
        <extracomment>A tool-bar button of 122 pixels in a bold font: at most about 15 characters.</extracomment>
        <translation>F5 &amp;Full screen</translation>
    </message>
    <message>
        <source>Gra na całym/normalnym ekranie</source>
        <translation>Play on the whole screen/in a normal window</translation>
    </message>
    <message>
        <source>F6 &amp;Koniec</source>
        <extracomment>A tool-bar button of 122 pixels in a bold font: at most about 15 characters.</extracomment>
        <translation>F6 &amp;Quit</translation>
    </message>
    <message>
        <source>Koniec pracy</source>
        <translation>Quit the game</translation>
    </message>
    <message>
        <source>kluvian: the score table was not saved: %1</source>
        <translation>kluvian: the score table was not saved: %1</translation>
    </message>
    <message>
        <source>[F7] Hunting area...</source>
        <translation>[F7] Hunting area...</translation>
    </message>
</context>
</TS>
