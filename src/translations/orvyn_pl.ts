<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Writing to the keyboard</source>
        <translation>Zapisywanie do klawiatury</translation>
    </message>
    <message>
        <source>Could not map view of file.</source>
        <translation>Nie można zmapować widoku pliku.</translation>
    </message>
    <message>
        <source>No program could show the user manual %1. Install a PDF viewer.</source>
        <translation>Żaden program nie mógł wyświetlić instrukcji obsługi %1. Zainstaluj przeglądarkę PDF.</translation>
    </message>
    <message>
        <source>The user manual is missing. It was looked for at %1.</source>
        <translation>Brak instrukcji obsługi. Szukano jej w %1.</translation>
    </message>
</context>
<context>
    <name>ConnectionLine</name>
    <message>
        <source>Start Monitor</source>
        <translation>Uruchom Monitor</translation>
    </message>
    <message>
        <source>Monitor is already running.</source>
        <translation>Monitor już działa.</translation>
    </message>
    <message>
        <source>Monitor could not be started: %1</source>
        <translation>Nie można uruchomić programu Monitor: %1</translation>
    </message>
</context>
<context>
    <name>ConnectionStatus</name>
    <message>
        <source>Keyboard connected</source>
        <translation>Klawiatura podłączona</translation>
    </message>
    <message>
        <source>No keyboard connected</source>
        <translation>Brak podłączonej klawiatury</translation>
    </message>
    <message>
        <source>Starting Monitor...</source>
        <translation>Uruchamianie programu Monitor...</translation>
    </message>
    <message>
        <source>Monitor is not running</source>
        <translation>Monitor nie działa</translation>
    </message>
    <message>
        <source>Saved to the keyboard</source>
        <translation>Zapisano w klawiaturze</translation>
    </message>
    <message>
        <source>Saved; the keyboard is not connected</source>
        <translation>Zapisano; klawiatura nie jest podłączona</translation>
    </message>
</context>
<context>
    <name>DeviceAccessNotice</name>
    <message>
        <source>The keyboard is connected but cannot be opened</source>
        <translation>Klawiatura jest podłączona, ale nie można jej otworzyć</translation>
    </message>
    <message>
        <source>The keyboard is connected, but this user may not use it</source>
        <translation>Klawiatura jest podłączona, ale ten użytkownik nie może jej używać</translation>
    </message>
    <message>
        <source>The udev rule %1 is installed: unplug and plug the keyboard, or run: sudo udevadm trigger. If the keyboard has other ids than [Device] in config.ini, set them in the rule as well.</source>
        <translation>Reguła udev %1 jest zainstalowana: odłącz i ponownie podłącz klawiaturę albo uruchom: sudo udevadm trigger. Jeśli klawiatura ma inne identyfikatory niż [Device] w config.ini, ustaw je również w regule.</translation>
    </message>
    <message>
        <source>Install the udev rule: %1</source>
        <translation>Zainstaluj regułę udev: %1</translation>
    </message>
</context>
<context>
    <name>DocumentOpener</name>
    <message>
        <source>No program could open %1.</source>
        <translation>Żaden program nie mógł otworzyć %1.</translation>
    </message>
    <message>
        <source>No program to show PDF files is installed.</source>
        <translation>Nie zainstalowano programu do wyświetlania plików PDF.</translation>
    </message>
    <message>
        <source>The PDF viewer could not show it.</source>
        <translation>Przeglądarka PDF nie mogła jej wyświetlić.</translation>
    </message>
    <message>
        <source>The user manual could not be opened. %1

It is at:
%2</source>
        <translation>Nie można otworzyć instrukcji obsługi. %1

Znajduje się w:
%2</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otwórz folder</translation>
    </message>
</context>
<context>
    <name>ForegroundChoice</name>
    <message>
        <source>per-game profiles on GNOME need the extension that tells which window is in front: run &quot;gnome-extensions enable %1&quot; and start Monitor again; until then only games running through XWayland switch the profile</source>
        <translation>profile dla gier w GNOME wymagają rozszerzenia, które wskazuje okno na pierwszym planie: uruchom „gnome-extensions enable %1” i ponownie uruchom Monitor; do tego czasu profil przełączają tylko gry działające przez XWayland</translation>
    </message>
    <message>
        <source>per-game profiles on GNOME need the extension that tells which window is in front: run &quot;gnome-extensions enable %1&quot; and start Monitor again</source>
        <translation>profile dla gier w GNOME wymagają rozszerzenia, które wskazuje okno na pierwszym planie: uruchom „gnome-extensions enable %1” i ponownie uruchom Monitor</translation>
    </message>
</context>
<context>
    <name>KeyCaptureDialog</name>
    <message>
        <source>Every key you press is recorded. Hold Enter for one second for OK, hold Esc for one second to leave without a change.</source>
        <translation>Każdy naciśnięty klawisz jest nagrywany. Przytrzymaj Enter przez sekundę, aby zatwierdzić (OK), lub Esc przez sekundę, aby wyjść bez zmian.</translation>
    </message>
</context>
<context>
    <name>KeyName</name>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>PrtSc</source>
        <translation>PrtSc</translation>
    </message>
    <message>
        <source>ScrLk</source>
        <translation>ScrLk</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Win</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Ins</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>PgUp</translation>
    </message>
    <message>
        <source>PgDn</source>
        <translation>PgDn</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Num</translation>
    </message>
    <message>
        <source>BackSpace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>CapsLock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spacja</translation>
    </message>
    <message>
        <source>Page UP</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>W lewo</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>W prawo</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Wykonaj</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>PrtSc</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Left Windows</source>
        <translation>Lewy Windows</translation>
    </message>
    <message>
        <source>Right Windows</source>
        <translation>Prawy Windows</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>(Enter)</source>
        <translation>(Enter)</translation>
    </message>
    <message>
        <source>Numlock</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>ScrollLock</source>
        <translation>Scroll Lock</translation>
    </message>
    <message>
        <source>Left Shift</source>
        <translation>Lewy Shift</translation>
    </message>
    <message>
        <source>Right Shift</source>
        <translation>Prawy Shift</translation>
    </message>
    <message>
        <source>Left Ctrl</source>
        <translation>Lewy Ctrl</translation>
    </message>
    <message>
        <source>Right Ctrl</source>
        <translation>Prawy Ctrl</translation>
    </message>
    <message>
        <source>Left Alt</source>
        <translation>Lewy Alt</translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation>Prawy Alt</translation>
    </message>
    <message>
        <source>L Button</source>
        <translation>Lewy przycisk</translation>
    </message>
    <message>
        <source>R Button</source>
        <translation>Prawy przycisk</translation>
    </message>
    <message>
        <source>M Button</source>
        <translation>Środkowy przycisk</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>Przycisk 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>Przycisk 5</translation>
    </message>
</context>
<context>
    <name>LaunchProgramDialog</name>
    <message>
        <source>exe file(*.exe)</source>
        <translation>Plik EXE (*.exe)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>No program &quot;%1&quot; was found in PATH. Choose it with the browse button or type its full path.</source>
        <translation>Nie znaleziono programu „%1” w PATH. Wybierz go przyciskiem przeglądania lub wpisz jego pełną ścieżkę.</translation>
    </message>
    <message>
        <source>The program path is too long: a key holds at most %1 bytes.</source>
        <translation>Ścieżka programu jest za długa: klawisz mieści najwyżej %1 bajtów.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>no program given</source>
        <translation>nie podano programu</translation>
    </message>
    <message>
        <source>not found: %1</source>
        <translation>nie znaleziono: %1</translation>
    </message>
    <message>
        <source>cannot open %1: xdg-open is not installed</source>
        <translation>nie można otworzyć %1: xdg-open nie jest zainstalowany</translation>
    </message>
    <message>
        <source>%1 is not a file that can be opened</source>
        <translation>%1 nie jest plikiem, który można otworzyć</translation>
    </message>
    <message>
        <source>cannot launch %1</source>
        <translation>nie można uruchomić: %1</translation>
    </message>
    <message>
        <source>%1 is not a desktop entry</source>
        <translation>%1 nie jest wpisem pulpitu (.desktop)</translation>
    </message>
    <message>
        <source>%1 is marked as deleted (Hidden)</source>
        <translation>%1 jest oznaczony jako usunięty (Hidden)</translation>
    </message>
    <message>
        <source>%1 links nowhere</source>
        <translation>%1 nie wskazuje żadnego adresu</translation>
    </message>
    <message>
        <source>%1 does not start a program</source>
        <translation>%1 nie uruchamia żadnego programu</translation>
    </message>
    <message>
        <source>%1: %2 is not installed</source>
        <translation>%1: %2 nie jest zainstalowany</translation>
    </message>
    <message>
        <source>%1 has no usable command (Exec)</source>
        <translation>%1 nie ma użytecznego polecenia (Exec)</translation>
    </message>
    <message>
        <source>%1 runs in a terminal, and no terminal emulator is installed</source>
        <translation>%1 działa w terminalu, a nie zainstalowano żadnego emulatora terminala</translation>
    </message>
</context>
<context>
    <name>MacroManagerDialog</name>
    <message>
        <source>Macros</source>
        <translation>Makra</translation>
    </message>
    <message>
        <source>Macro events</source>
        <translation>Kroki makra</translation>
    </message>
</context>
<context>
    <name>MediaFunction</name>
    <message>
        <source>Screensave</source>
        <translation>Wygaszacz ekranu</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>Eksplorator</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
</context>
<context>
    <name>Monitor</name>
    <message>
        <source>Keyboard settings not saved</source>
        <translation>Ustawienia klawiatury nie zostały zapisane</translation>
    </message>
    <message>
        <source>%1
Monitor writes them again with its next save; free some space or fix the folder&apos;s permissions.</source>
        <translation>%1
Monitor zapisze je ponownie przy następnym zapisie; zwolnij trochę miejsca na dysku lub popraw uprawnienia folderu.</translation>
    </message>
    <message>
        <source>Program key %1</source>
        <translation>Klawisz programowalny %1</translation>
    </message>
</context>
<context>
    <name>MonitorHost</name>
    <message>
        <source>Per-game profiles</source>
        <translation>Profile dla gier</translation>
    </message>
</context>
<context>
    <name>Option</name>
    <message>
        <source>Option cannot draw its windows, because a file of its skin is wrong:

%1

Restore the skins folder beside the program (or mend the file) and start Option again.</source>
        <translation>Option nie może narysować swoich okien, ponieważ plik jego skórki jest błędny:

%1

Przywróć folder skins obok programu (lub napraw plik) i uruchom Option ponownie.</translation>
    </message>
</context>
<context>
    <name>OsdProgram</name>
    <message>
        <source>Windows Key: Lock</source>
        <translation>Klawisz Windows: zablokowany</translation>
    </message>
    <message>
        <source>Windows Key: UnLock</source>
        <translation>Klawisz Windows: odblokowany</translation>
    </message>
</context>
<context>
    <name>ProfileCheck</name>
    <message>
        <source>%1: %2 has no terminating NUL within its %3 bytes</source>
        <translation>%1: %2 nie ma kończącego znaku NUL w swoich %3 bajtach</translation>
    </message>
    <message>
        <source>%1: %2 is not a repeat count (0-255)</source>
        <translation>%1: %2 nie jest liczbą powtórzeń (0-255)</translation>
    </message>
    <message>
        <source>%1: %2 is more than the 50 steps a key holds</source>
        <translation>%1: %2 to więcej niż 50 kroków, które mieści klawisz</translation>
    </message>
    <message>
        <source>%1: %2 is not a key or mouse-button code</source>
        <translation>%1: %2 nie jest kodem klawisza ani przycisku myszy</translation>
    </message>
    <message>
        <source>%1: %2 is neither 1 (press) nor 2 (release)</source>
        <translation>%1: %2 nie jest ani 1 (naciśnięcie), ani 2 (zwolnienie)</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of this assignment type</source>
        <translation>%1: %2 nie jest równe 0, jedynej wartości flags dla tego typu przypisania</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of this assignment type</source>
        <translation>%1: %2 nie jest równe 0, jedynej wartości code dla tego typu przypisania</translation>
    </message>
    <message>
        <source>%1: %2 is not a set of modifiers (1 Ctrl, 2 Shift, 4 Alt, 8 Win)</source>
        <translation>%1: %2 nie jest zestawem klawiszy modyfikujących (1 Ctrl, 2 Shift, 4 Alt, 8 Win)</translation>
    </message>
    <message>
        <source>%1: %2 is not a key code</source>
        <translation>%1: %2 nie jest kodem klawisza</translation>
    </message>
    <message>
        <source>%1: %2 is not a keyboard function (1, 4-7)</source>
        <translation>%1: %2 nie jest funkcją klawiatury (1, 4-7)</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a keyboard function</source>
        <translation>%1: %2 nie jest równe 0, jedynej wartości code dla funkcji klawiatury</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of a media function</source>
        <translation>%1: %2 nie jest równe 0, jedynej wartości flags dla funkcji multimedialnej</translation>
    </message>
    <message>
        <source>%1: %2 is not a media or application function (176-199)</source>
        <translation>%1: %2 nie jest funkcją multimedialną ani funkcją aplikacji (176-199)</translation>
    </message>
    <message>
        <source>%1: %2 is not a mouse button (1-5)</source>
        <translation>%1: %2 nie jest przyciskiem myszy (1-5)</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a mouse-button function</source>
        <translation>%1: %2 nie jest równe 0, jedynej wartości code dla funkcji przycisku myszy</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of a single key</source>
        <translation>%1: %2 nie jest równe 0, jedynej wartości flags dla pojedynczego klawisza</translation>
    </message>
    <message>
        <source>%1: %2 is not %3, the key&apos;s number</source>
        <translation>%1: %2 nie jest równe %3, numerowi klawisza</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a program key</source>
        <translation>%1: %2 nie jest równe 0, jedynej wartości code dla klawisza programowalnego</translation>
    </message>
    <message>
        <source>%1: %2 is not an assignment type</source>
        <translation>%1: %2 nie jest typem przypisania</translation>
    </message>
    <message>
        <source>%1: %2 contains a control character</source>
        <translation>%1: %2 zawiera znak sterujący</translation>
    </message>
    <message>
        <source>%1: %2 contains a bidirectional override</source>
        <translation>%1: %2 zawiera znak wymuszający kierunek tekstu</translation>
    </message>
    <message>
        <source>%1: %2 is not a media player (0-3)</source>
        <translation>%1: %2 nie jest odtwarzaczem multimediów (0-3)</translation>
    </message>
    <message>
        <source>%1: %2 is neither 0 nor 1</source>
        <translation>%1: %2 nie jest ani 0, ani 1</translation>
    </message>
    <message>
        <source>%1: %2 is not a byte (0-255)</source>
        <translation>%1: %2 nie jest bajtem (0-255)</translation>
    </message>
    <message>
        <source>%1: %2 is not a lighting colour (0-7)</source>
        <translation>%1: %2 nie jest kolorem podświetlenia (0-7)</translation>
    </message>
    <message>
        <source>%1: %2 is not a lighting control value (1, 2, 4, 8, 16, 32)</source>
        <translation>%1: %2 nie jest wartością sterowania podświetleniem (1, 2, 4, 8, 16, 32)</translation>
    </message>
    <message>
        <source>%1: %2 is not a polling rate (1, 2, 4)</source>
        <translation>%1: %2 nie jest częstotliwością odpytywania (1, 2, 4)</translation>
    </message>
    <message>
        <source>%1; replaced by its factory value</source>
        <translation>%1; zastąpiono wartością fabryczną</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Game program</source>
        <translation>Program gry</translation>
    </message>
    <message>
        <source>exe file(*.exe)</source>
        <translation>Plik EXE (*.exe)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>ProfileFiles</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Plik %1 nie istnieje.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 nie jest plikiem.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it is larger than %2 MB (a profile file has about 33 KB).</source>
        <translation>%1 nie jest plikiem profilu: jest większy niż %2 MB (plik profilu ma około 33 KB).</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Nie można odczytać pliku: %1.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it is empty.</source>
        <translation>%1 nie jest plikiem profilu: jest pusty.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it has no [Setting] section.</source>
        <translation>%1 nie jest plikiem profilu: nie ma sekcji [Setting].</translation>
    </message>
    <message>
        <source>%1 is a damaged profile file: its block %2 does not check out.</source>
        <translation>%1 jest uszkodzonym plikiem profilu: jego blok %2 nie przechodzi kontroli.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it holds none of the key blocks of a profile.</source>
        <translation>%1 nie jest plikiem profilu: nie zawiera żadnego z bloków klawiszy profilu.</translation>
    </message>
    <message>
        <source>%1 is refused: it holds %2 more than once.</source>
        <translation>%1 odrzucono: zawiera %2 więcej niż raz.</translation>
    </message>
    <message>
        <source>%1: missing (a profile file holds every setting)</source>
        <translation>%1: brak (plik profilu zawiera każde ustawienie)</translation>
    </message>
    <message>
        <source>%1 is refused: %2.</source>
        <translation>%1 odrzucono: %2.</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Niczego nie zaimportowano.</translation>
    </message>
    <message>
        <source>The profile file could not be copied into the settings folder %1. Check that you may write there and that the disk is not full. Nothing was imported.</source>
        <translation>Nie można skopiować pliku profilu do folderu ustawień %1. Sprawdź, czy masz tam prawo zapisu i czy dysk nie jest pełny. Niczego nie zaimportowano.</translation>
    </message>
    <message>
        <source>The profile could not be written to %1 (%2). The file that was there is left as it was.</source>
        <translation>Nie można zapisać profilu w %1 (%2). Plik, który tam był, pozostał bez zmian.</translation>
    </message>
    <message>
        <source>The profile could not be written to %1 (%2).</source>
        <translation>Nie można zapisać profilu w %1 (%2).</translation>
    </message>
    <message>
        <source>The profile was exported to %1, but its copy %2 and its name in config.ini could not all be written.</source>
        <translation>Profil wyeksportowano do %1, ale nie udało się zapisać w całości jego kopii %2 i jego nazwy w config.ini.</translation>
    </message>
</context>
<context>
    <name>ProfileTransfer</name>
    <message>
        <source>Import a profile</source>
        <translation>Importuj profil</translation>
    </message>
    <message>
        <source>Export the profile</source>
        <translation>Eksportuj profil</translation>
    </message>
    <message>
        <source>Gaming Keyboard Profile(*.gkp)</source>
        <translation>Profil klawiatury do gier (*.gkp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>Opcje:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumenty:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Every key you press is recorded. Hold Esc for one second to leave without a change.</source>
        <translation>Każdy naciśnięty klawisz jest nagrywany. Przytrzymaj Esc przez sekundę, aby wyjść bez zmian.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Wy&amp;tnij</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Wk&amp;lej</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Zaznacz &amp;wszystko</translation>
    </message>
</context>
<context>
    <name>SessionNotices</name>
    <message>
        <source>current profile</source>
        <translation>bieżący profil</translation>
    </message>
    <message>
        <source>key assignments of the standard keys</source>
        <translation>przypisania klawiszy standardowych</translation>
    </message>
    <message>
        <source>Windows-key lock and other switches</source>
        <translation>blokada klawisza Windows i inne przełączniki</translation>
    </message>
    <message>
        <source>programmable-key assignments</source>
        <translation>przypisania klawiszy programowalnych</translation>
    </message>
    <message>
        <source>macros</source>
        <translation>makra</translation>
    </message>
    <message>
        <source>lighting</source>
        <translation>podświetlenie</translation>
    </message>
    <message>
        <source>polling rate</source>
        <translation>częstotliwość odpytywania</translation>
    </message>
    <message>
        <source>other settings</source>
        <translation>inne ustawienia</translation>
    </message>
    <message>
        <source>The settings were saved, but they could not be sent to the keyboard because the Monitor program is not running. Start Monitor and apply again to change the keyboard.</source>
        <translation>Ustawienia zostały zapisane, ale nie można ich było wysłać do klawiatury, ponieważ program Monitor nie działa. Uruchom Monitor i zastosuj ponownie, aby zmienić ustawienia klawiatury.</translation>
    </message>
    <message>
        <source>The settings were not saved, and they could not be sent to the keyboard because the Monitor program is not running. Start Monitor and apply again to change the keyboard.</source>
        <translation>Ustawienia nie zostały zapisane i nie można ich było wysłać do klawiatury, ponieważ program Monitor nie działa. Uruchom Monitor i zastosuj ponownie, aby zmienić ustawienia klawiatury.</translation>
    </message>
    <message>
        <source>The settings were saved, but no keyboard is connected, so the keyboard did not receive them. Connect it and apply again.</source>
        <translation>Ustawienia zostały zapisane, ale żadna klawiatura nie jest podłączona, więc klawiatura ich nie otrzymała. Podłącz ją i zastosuj ponownie.</translation>
    </message>
    <message>
        <source>The settings were not saved, and no keyboard is connected, so the keyboard did not receive them. Connect it and apply again.</source>
        <translation>Ustawienia nie zostały zapisane, a żadna klawiatura nie jest podłączona, więc klawiatura ich nie otrzymała. Podłącz ją i zastosuj ponownie.</translation>
    </message>
    <message>
        <source>The settings were saved, but Monitor did not confirm that the keyboard received them. Make sure Monitor is running and apply again.</source>
        <translation>Ustawienia zostały zapisane, ale Monitor nie potwierdził, że klawiatura je otrzymała. Upewnij się, że Monitor działa, i zastosuj ponownie.</translation>
    </message>
    <message>
        <source>The settings were not saved, and Monitor did not confirm that the keyboard received them. Make sure Monitor is running and apply again.</source>
        <translation>Ustawienia nie zostały zapisane, a Monitor nie potwierdził, że klawiatura je otrzymała. Upewnij się, że Monitor działa, i zastosuj ponownie.</translation>
    </message>
    <message>
        <source>The keyboard refused some changes. They stay marked; Apply sends them again.</source>
        <translation>Klawiatura odrzuciła część zmian. Pozostają oznaczone; Zastosuj wysyła je ponownie.</translation>
    </message>
    <message>
        <source>The keyboard refused some changes: %1. They stay marked; Apply sends them again.</source>
        <translation>Klawiatura odrzuciła część zmian: %1. Pozostają oznaczone; Zastosuj wysyła je ponownie.</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole. It is left as it is: the macros that could be read are shown, and macros recorded or changed now are not saved to it until it is mended or removed.</source>
        <translation>Nie można odczytać całej biblioteki makr %1. Pozostaje bez zmian: wyświetlane są makra, które udało się odczytać, a makra nagrane lub zmienione teraz nie zostaną w niej zapisane, dopóki nie zostanie naprawiona lub usunięta.</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole: %2. It is left as it is: the macros that could be read are shown, and macros recorded or changed now are not saved to it until it is mended or removed.</source>
        <translation>Nie można odczytać całej biblioteki makr %1: %2. Pozostaje bez zmian: wyświetlane są makra, które udało się odczytać, a makra nagrane lub zmienione teraz nie zostaną w niej zapisane, dopóki nie zostanie naprawiona lub usunięta.</translation>
    </message>
    <message>
        <source>The settings could not be saved:
%1
They stay marked as changed: once the problem is solved, apply again to save them.</source>
        <translation>Nie można zapisać ustawień:
%1
Pozostają oznaczone jako zmienione: po rozwiązaniu problemu zastosuj ponownie, aby je zapisać.</translation>
    </message>
</context>
<context>
    <name>ShortcutDialog</name>
    <message>
        <source>Press the key with Ctrl, Shift, Alt or Win held to record the combination. </source>
        <translation>Naciśnij klawisz, przytrzymując Ctrl, Shift, Alt lub Win, aby nagrać kombinację. </translation>
    </message>
</context>
<context>
    <name>SkinAdvanced</name>
    <message>
        <source>ADVANCED</source>
        <translation>ZAAWANSOWANE</translation>
    </message>
    <message>
        <source>Settings of the current profile. They reach the keyboard when you press APPLY or OK.</source>
        <translation>Ustawienia bieżącego profilu. Trafiają do klawiatury po naciśnięciu ZASTOSUJ lub OK.</translation>
    </message>
    <message>
        <source>POLLING RATE</source>
        <translation>CZĘSTOTLIWOŚĆ ODPYTYWANIA</translation>
    </message>
    <message>
        <source>How often the keyboard reports to the computer.</source>
        <translation>Jak często klawiatura wysyła raporty do komputera.</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>PODŚWIETLENIE</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFEKT</translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation>KOLOR</translation>
    </message>
    <message>
        <source>WINDOWS KEY</source>
        <translation>KLAWISZ WINDOWS</translation>
    </message>
    <message>
        <source>Lock it so that it cannot throw you out of a game.</source>
        <translation>Zablokuj go; wtedy nie wyrzuci cię z gry.</translation>
    </message>
    <message>
        <source>POWER SAVING</source>
        <translation>OSZCZĘDZANIE ENERGII</translation>
    </message>
    <message>
        <source>Lets the keyboard save power when it is idle.</source>
        <translation>Pozwala klawiaturze oszczędzać energię w bezczynności.</translation>
    </message>
    <message>
        <source>125 Hz</source>
        <translation>125 Hz</translation>
    </message>
    <message>
        <source>Report 125 times a second (8 ms).</source>
        <translation>Raport 125 razy na sekundę (8 ms).</translation>
    </message>
    <message>
        <source>500 Hz</source>
        <translation>500 Hz</translation>
    </message>
    <message>
        <source>Report 500 times a second (2 ms).</source>
        <translation>Raport 500 razy na sekundę (2 ms).</translation>
    </message>
    <message>
        <source>1000 Hz</source>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <source>Report 1000 times a second (1 ms): the quickest response.</source>
        <translation>Raport 1000 razy na sekundę (1 ms): najszybsza reakcja.</translation>
    </message>
    <message>
        <source>Lighting effect of the keyboard. Click to choose another.</source>
        <translation>Efekt podświetlenia klawiatury. Kliknij i wybierz inny.</translation>
    </message>
    <message>
        <source>Lighting colour of the keyboard. Click to choose another.</source>
        <translation>Kolor podświetlenia klawiatury. Kliknij i wybierz inny.</translation>
    </message>
    <message>
        <source>ENABLED</source>
        <translation>WŁĄCZONY</translation>
    </message>
    <message>
        <source>The Windows keys work as usual.</source>
        <translation>Klawisze Windows działają normalnie.</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>ZABLOKOWANY</translation>
    </message>
    <message>
        <source>The Windows keys are locked while you play.</source>
        <translation>Klawisze Windows są zablokowane podczas gry.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>WYŁĄCZONE</translation>
    </message>
    <message>
        <source>Power saving is off.</source>
        <translation>Oszczędzanie energii jest wyłączone.</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>WŁĄCZONE</translation>
    </message>
    <message>
        <source>The keyboard saves power when it is idle.</source>
        <translation>Klawiatura oszczędza energię w bezczynności.</translation>
    </message>
</context>
<context>
    <name>SkinKeyMapping</name>
    <message>
        <source>KEY MAPPING</source>
        <translation>PRZYPISANIE KLAWISZY</translation>
    </message>
    <message>
        <source>Click a key to make it send another key or a mouse function. Remapped keys stay lit.</source>
        <translation>Kliknij klawisz i każ mu wysyłać inny klawisz lub funkcję myszy. Klawisze o zmienionym przypisaniu świecą.</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>CAPS</source>
        <translation>CAPS</translation>
    </message>
    <message>
        <source>SCROLL</source>
        <translation>SCROLL</translation>
    </message>
    <message>
        <source>Remapped key</source>
        <translation>Zmienione przypisanie</translation>
    </message>
    <message>
        <source>Default key</source>
        <translation>Klawisz domyślny</translation>
    </message>
    <message>
        <source>%1 key. Click to make it send another key or a mouse function.</source>
        <translation>Klawisz %1. Kliknij i każ mu wysyłać inny klawisz lub funkcję myszy.</translation>
    </message>
</context>
<context>
    <name>SkinLaunchProgram</name>
    <message>
        <source>PROGRAM TO START WHEN THE KEY IS PRESSED</source>
        <translation>PROGRAM URUCHAMIANY PO NACIŚNIĘCIU KLAWISZA</translation>
    </message>
    <message>
        <source>Path of the program.</source>
        <translation>Ścieżka programu.</translation>
    </message>
    <message>
        <source>BROWSE...</source>
        <translation>PRZEGLĄDAJ...</translation>
    </message>
    <message>
        <source>Choose the program in a file dialog.</source>
        <translation>Wybierz program w oknie wyboru pliku.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Use this program.</source>
        <translation>Użyj tego programu.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANULUJ</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>Pozostaw klawisz bez zmian.</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>Pozostaw klawisz bez zmian i zamknij.</translation>
    </message>
    <message>
        <source>LAUNCH PROGRAM</source>
        <translation>URUCHOM PROGRAM</translation>
    </message>
</context>
<context>
    <name>SkinMacroKeys</name>
    <message>
        <source>MACRO KEYS</source>
        <translation>KLAWISZE MAKR</translation>
    </message>
    <message>
        <source>Click a key to give it a macro, a key combination, a program, a media function or a mouse button.</source>
        <translation>Kliknij klawisz i przypisz mu: makro; kombinację klawiszy; program; funkcję multimedialną lub przycisk myszy.</translation>
    </message>
    <message>
        <source>G9 to G14 are the media keys: the Media Keys page shows the same six keys.</source>
        <translation>G9 do G14 to klawisze multimedialne: strona Klawisze multimedialne pokazuje te same sześć klawiszy.</translation>
    </message>
    <message>
        <source>Programmable key G%1. Click to choose what it does.</source>
        <translation>Klawisz programowalny G%1. Kliknij i wybierz jego funkcję.</translation>
    </message>
</context>
<context>
    <name>SkinMacroManager</name>
    <message>
        <source>MACROS</source>
        <translation>MAKRA</translation>
    </message>
    <message>
        <source>EVENTS</source>
        <translation>ZDARZENIA</translation>
    </message>
    <message>
        <source>TIMES</source>
        <translation>RAZY</translation>
    </message>
    <message>
        <source>Right-click the event list to record before or after a step, insert delays and mouse buttons, edit or delete.</source>
        <translation>Kliknij prawym przyciskiem listę zdarzeń: nagrywanie przed krokiem lub po nim; wstawianie opóźnień i przycisków myszy; edycja i usuwanie.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keep the changes to the macro library.</source>
        <translation>Zachowaj zmiany w bibliotece makr.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANULUJ</translation>
    </message>
    <message>
        <source>Discard the changes to the macro library.</source>
        <translation>Odrzuć zmiany w bibliotece makr.</translation>
    </message>
    <message>
        <source>Discard the changes and close.</source>
        <translation>Odrzuć zmiany i zamknij.</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NOWE</translation>
    </message>
    <message>
        <source>Create a new macro and name it.</source>
        <translation>Utwórz nowe makro i nadaj mu nazwę.</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>USUŃ</translation>
    </message>
    <message>
        <source>Delete the selected macro.</source>
        <translation>Usuń zaznaczone makro.</translation>
    </message>
    <message>
        <source>Macros of the library.</source>
        <translation>Makra z biblioteki.</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>NAGRAJ</translation>
    </message>
    <message>
        <source>Record the keys you press into the selected macro. Click again to stop.</source>
        <translation>Nagraj naciskane klawisze do zaznaczonego makra. Ponowne kliknięcie kończy nagrywanie.</translation>
    </message>
    <message>
        <source>RECORD DELAYS</source>
        <translation>NAGRYWAJ OPÓŹNIENIA</translation>
    </message>
    <message>
        <source>Record the pauses between the keys as delays.</source>
        <translation>Nagrywaj przerwy między klawiszami jako opóźnienia.</translation>
    </message>
    <message>
        <source>REPEAT</source>
        <translation>POWTÓRZ</translation>
    </message>
    <message>
        <source>Play the macro more than once each time the key is pressed.</source>
        <translation>Odtwarzaj makro więcej niż raz przy każdym naciśnięciu klawisza.</translation>
    </message>
    <message>
        <source>How many times the macro plays (1-255).</source>
        <translation>Ile razy makro jest odtwarzane (1-255).</translation>
    </message>
    <message>
        <source>Steps of the selected macro. Right-click for more.</source>
        <translation>Kroki zaznaczonego makra. Prawy przycisk: więcej opcji.</translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation>MENEDŻER MAKR</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
</context>
<context>
    <name>SkinMain</name>
    <message>
        <source>GAMING KEYBOARD CONTROL CENTER</source>
        <translation>CENTRUM STEROWANIA KLAWIATURĄ DLA GRACZY</translation>
    </message>
    <message>
        <source>PROFILES</source>
        <translation>PROFILE</translation>
    </message>
    <message>
        <source>KEY MAPPING</source>
        <translation>PRZYPISANIE KLAWISZY</translation>
    </message>
    <message>
        <source>Remap the standard keys of the keyboard.</source>
        <translation>Zmień przypisanie standardowych klawiszy klawiatury.</translation>
    </message>
    <message>
        <source>MACRO KEYS</source>
        <translation>KLAWISZE MAKR</translation>
    </message>
    <message>
        <source>Give the programmable keys macros and functions.</source>
        <translation>Przypisz klawiszom programowalnym makra i funkcje.</translation>
    </message>
    <message>
        <source>MEDIA KEYS</source>
        <translation>KLAWISZE MULTIMEDIALNE</translation>
    </message>
    <message>
        <source>Give the media keys their functions and choose the media player they control.</source>
        <translation>Przypisz klawiszom multimedialnym funkcje i wybierz sterowany nimi odtwarzacz.</translation>
    </message>
    <message>
        <source>ADVANCED</source>
        <translation>ZAAWANSOWANE</translation>
    </message>
    <message>
        <source>Polling rate; lighting; Windows key lock and power saving.</source>
        <translation>Częstotliwość odpytywania; podświetlenie; blokada klawisza Windows i oszczędzanie energii.</translation>
    </message>
    <message>
        <source>Orvyn Vantor gaming keyboard.</source>
        <translation>Klawiatura dla graczy Orvyn Vantor.</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NOWY</translation>
    </message>
    <message>
        <source>Start the current profile afresh with a new name and game program.</source>
        <translation>Zacznij bieżący profil od nowa z nową nazwą i programem gry.</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTUJ</translation>
    </message>
    <message>
        <source>Load a profile file into the current profile.</source>
        <translation>Wczytaj plik profilu do bieżącego profilu.</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EKSPORTUJ</translation>
    </message>
    <message>
        <source>Save the current profile to a profile file.</source>
        <translation>Zapisz bieżący profil do pliku profilu.</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>EDYTUJ</translation>
    </message>
    <message>
        <source>Change the name and the game program of the current profile.</source>
        <translation>Zmień nazwę i program gry bieżącego profilu.</translation>
    </message>
    <message>
        <source>PROFILE 1</source>
        <translation>PROFIL 1</translation>
    </message>
    <message>
        <source>Show and edit profile 1.</source>
        <translation>Pokaż i edytuj profil 1.</translation>
    </message>
    <message>
        <source>PROFILE 2</source>
        <translation>PROFIL 2</translation>
    </message>
    <message>
        <source>Show and edit profile 2.</source>
        <translation>Pokaż i edytuj profil 2.</translation>
    </message>
    <message>
        <source>PROFILE 3</source>
        <translation>PROFIL 3</translation>
    </message>
    <message>
        <source>Show and edit profile 3.</source>
        <translation>Pokaż i edytuj profil 3.</translation>
    </message>
    <message>
        <source>PROFILE 4</source>
        <translation>PROFIL 4</translation>
    </message>
    <message>
        <source>Show and edit profile 4.</source>
        <translation>Pokaż i edytuj profil 4.</translation>
    </message>
    <message>
        <source>PROFILE 5</source>
        <translation>PROFIL 5</translation>
    </message>
    <message>
        <source>Show and edit profile 5.</source>
        <translation>Pokaż i edytuj profil 5.</translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation>MENEDŻER MAKR</translation>
    </message>
    <message>
        <source>Record and edit the macros of the macro library.</source>
        <translation>Nagrywaj i edytuj makra z biblioteki makr.</translation>
    </message>
    <message>
        <source>Minimize the window.</source>
        <translation>Zminimalizuj okno.</translation>
    </message>
    <message>
        <source>Close without applying changes.</source>
        <translation>Zamknij bez zastosowania zmian.</translation>
    </message>
    <message>
        <source>Open the user manual.</source>
        <translation>Otwórz instrukcję obsługi.</translation>
    </message>
    <message>
        <source>Visit the Orvyn Vantor web page.</source>
        <translation>Odwiedź stronę internetową Orvyn Vantor.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Write the changes to the keyboard and close.</source>
        <translation>Zapisz zmiany w klawiaturze i zamknij.</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>ZASTOSUJ</translation>
    </message>
    <message>
        <source>Write the changes to the keyboard.</source>
        <translation>Zapisz zmiany w klawiaturze.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANULUJ</translation>
    </message>
    <message>
        <source>RESTORE DEFAULTS</source>
        <translation>PRZYWRÓĆ DOMYŚLNE</translation>
    </message>
    <message>
        <source>Restore the factory settings of all five profiles.</source>
        <translation>Przywróć ustawienia fabryczne wszystkich pięciu profili.</translation>
    </message>
</context>
<context>
    <name>SkinMediaKeys</name>
    <message>
        <source>MEDIA KEYS</source>
        <translation>KLAWISZE MULTIMEDIALNE</translation>
    </message>
    <message>
        <source>Click a media key to choose its function. The media keys drive the player chosen on the right.</source>
        <translation>Kliknij klawisz multimedialny i wybierz jego funkcję. Klawisze multimedialne sterują odtwarzaczem wybranym po prawej.</translation>
    </message>
    <message>
        <source>KEYS</source>
        <translation>KLAWISZE</translation>
    </message>
    <message>
        <source>MEDIA PLAYER</source>
        <translation>ODTWARZACZ</translation>
    </message>
    <message>
        <source>M1 to M6 are keys G9 to G14 of the Macro Keys page.</source>
        <translation>M1 do M6 to klawisze G9 do G14 ze strony Klawisze makr.</translation>
    </message>
    <message>
        <source>The media keys control this player:</source>
        <translation>Klawisze multimedialne sterują tym odtwarzaczem:</translation>
    </message>
    <message>
        <source>Play, pause, stop and track keys go to the chosen player when it is running.</source>
        <translation>Klawisze odtwarzania/pauzy/stopu i utworów działają w wybranym odtwarzaczu (gdy jest uruchomiony).</translation>
    </message>
    <message>
        <source>Media key M%1. Click to choose what it does.</source>
        <translation>Klawisz multimedialny M%1. Kliknij i wybierz jego funkcję.</translation>
    </message>
    <message>
        <source>The media player that the media keys control. Click to choose another.</source>
        <translation>Odtwarzacz sterowany klawiszami multimedialnymi. Kliknij i wybierz inny.</translation>
    </message>
</context>
<context>
    <name>SkinProfile</name>
    <message>
        <source>PROFILE NAME</source>
        <translation>NAZWA PROFILU</translation>
    </message>
    <message>
        <source>GAME PROGRAM</source>
        <translation>PROGRAM GRY</translation>
    </message>
    <message>
        <source>Matched by file name only (like game.exe): when it comes to the front, this profile is used.</source>
        <translation>Dopasowanie tylko po nazwie pliku (np. game.exe): program na pierwszym planie włącza ten profil.</translation>
    </message>
    <message>
        <source>Name of the profile (20 characters).</source>
        <translation>Nazwa profilu (20 znaków).</translation>
    </message>
    <message>
        <source>The game: a program of this file name in front selects this profile.</source>
        <translation>Gra: program o tej nazwie pliku na pierwszym planie wybiera ten profil.</translation>
    </message>
    <message>
        <source>BROWSE...</source>
        <translation>PRZEGLĄDAJ...</translation>
    </message>
    <message>
        <source>Choose the game program in a file dialog.</source>
        <translation>Wybierz program gry w oknie wyboru pliku.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keep the name and the game program.</source>
        <translation>Zachowaj nazwę i program gry.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANULUJ</translation>
    </message>
    <message>
        <source>Leave the profile as it was.</source>
        <translation>Pozostaw profil bez zmian.</translation>
    </message>
    <message>
        <source>Leave the profile as it was and close.</source>
        <translation>Pozostaw profil bez zmian i zamknij.</translation>
    </message>
    <message>
        <source>PROFILE</source>
        <translation>PROFIL</translation>
    </message>
</context>
<context>
    <name>SkinShortcut</name>
    <message>
        <source>PRESS THE KEY</source>
        <translation>NACIŚNIJ KLAWISZ</translation>
    </message>
    <message>
        <source>WITH</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Every key is recorded; hold Ctrl, Shift, Alt or Win with it for a combination. Hold Enter 1 s: OK; hold Esc 1 s: cancel.</source>
        <translation>Każdy klawisz jest rejestrowany; do kombinacji przytrzymaj z nim Ctrl/Shift/Alt/Win. Przytrzymaj Enter 1 s: OK; Esc 1 s: anuluj.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Use this key combination.</source>
        <translation>Użyj tej kombinacji klawiszy.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANULUJ</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>Pozostaw klawisz bez zmian.</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>Pozostaw klawisz bez zmian i zamknij.</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>BRAK</translation>
    </message>
    <message>
        <source>The key alone without a modifier.</source>
        <translation>Sam klawisz bez modyfikatora.</translation>
    </message>
    <message>
        <source>CTRL</source>
        <translation>CTRL</translation>
    </message>
    <message>
        <source>Hold Ctrl with the key.</source>
        <translation>Przytrzymaj Ctrl z klawiszem.</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>SHIFT</translation>
    </message>
    <message>
        <source>Hold Shift with the key.</source>
        <translation>Przytrzymaj Shift z klawiszem.</translation>
    </message>
    <message>
        <source>ALT</source>
        <translation>ALT</translation>
    </message>
    <message>
        <source>Hold Alt with the key.</source>
        <translation>Przytrzymaj Alt z klawiszem.</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>WIN</translation>
    </message>
    <message>
        <source>Hold the Windows key with the key.</source>
        <translation>Przytrzymaj klawisz Windows z klawiszem.</translation>
    </message>
    <message>
        <source>The key of the combination.</source>
        <translation>Klawisz kombinacji.</translation>
    </message>
    <message>
        <source>KEY COMBINATION</source>
        <translation>KOMBINACJA KLAWISZY</translation>
    </message>
</context>
<context>
    <name>SkinSwapKey</name>
    <message>
        <source>THIS KEY NOW SENDS</source>
        <translation>TEN KLAWISZ WYSYŁA TERAZ</translation>
    </message>
    <message>
        <source>KEY: press the key it should send. MOUSE: choose a mouse function. Hold Enter 1 s: OK; hold Esc 1 s: cancel.</source>
        <translation>KLAWISZ: naciśnij klawisz do wysyłania. MYSZ: wybierz funkcję myszy. Przytrzymaj Enter 1 s: OK; Esc 1 s: anuluj.</translation>
    </message>
    <message>
        <source>The key it will send.</source>
        <translation>Klawisz do wysyłania.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Remap the key.</source>
        <translation>Zmień przypisanie klawisza.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANULUJ</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>Pozostaw klawisz bez zmian.</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>Pozostaw klawisz bez zmian i zamknij.</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>DOMYŚLNY</translation>
    </message>
    <message>
        <source>Give the key back its own function.</source>
        <translation>Przywróć klawiszowi jego własną funkcję.</translation>
    </message>
    <message>
        <source>Choose the mouse function.</source>
        <translation>Wybierz funkcję myszy.</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>KLAWISZ</translation>
    </message>
    <message>
        <source>The key sends another key.</source>
        <translation>Klawisz wysyła inny klawisz.</translation>
    </message>
    <message>
        <source>MOUSE</source>
        <translation>MYSZ</translation>
    </message>
    <message>
        <source>The key acts as a mouse button.</source>
        <translation>Klawisz działa jak przycisk myszy.</translation>
    </message>
    <message>
        <source>SWAP KEY</source>
        <translation>ZAMIANA KLAWISZA</translation>
    </message>
</context>
<context>
    <name>SkinWarnings</name>
    <message>
        <source>DELETE MACRO</source>
        <translation>USUŃ MAKRO</translation>
    </message>
    <message>
        <source>Delete the selected macro?</source>
        <translation>Usunąć zaznaczone makro?</translation>
    </message>
    <message>
        <source>It is removed from the macro library. Cancel in the macro manager brings it back.</source>
        <translation>Zostanie usunięte z biblioteki makr. ANULUJ w menedżerze makr przywróci je.</translation>
    </message>
    <message>
        <source>Delete the macro.</source>
        <translation>Usuń makro.</translation>
    </message>
    <message>
        <source>Keep the macro.</source>
        <translation>Zachowaj makro.</translation>
    </message>
    <message>
        <source>NO MACRO SELECTED</source>
        <translation>NIE ZAZNACZONO MAKRA</translation>
    </message>
    <message>
        <source>Select a macro first.</source>
        <translation>Najpierw zaznacz makro.</translation>
    </message>
    <message>
        <source>Choose a macro in the list or create one with NEW.</source>
        <translation>Wybierz makro z listy lub utwórz je przyciskiem NOWE.</translation>
    </message>
    <message>
        <source>Close this message.</source>
        <translation>Zamknij ten komunikat.</translation>
    </message>
    <message>
        <source>RESTORE DEFAULTS</source>
        <translation>PRZYWRÓĆ DOMYŚLNE</translation>
    </message>
    <message>
        <source>Restore the factory settings?</source>
        <translation>Przywrócić ustawienia fabryczne?</translation>
    </message>
    <message>
        <source>All five profiles return to their defaults and are written to the keyboard at once.</source>
        <translation>Wszystkie pięć profili wraca do ustawień domyślnych i od razu trafia do klawiatury.</translation>
    </message>
    <message>
        <source>Restore the factory settings.</source>
        <translation>Przywróć ustawienia fabryczne.</translation>
    </message>
    <message>
        <source>Keep the current settings.</source>
        <translation>Zachowaj bieżące ustawienia.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANULUJ</translation>
    </message>
</context>
<context>
    <name>StandardKeyPage</name>
    <message>
        <source>Key %1</source>
        <translation>Klawisz %1</translation>
    </message>
    <message>
        <source>key code %1</source>
        <translation>kod klawisza %1</translation>
    </message>
    <message>
        <source>%1, sends %2</source>
        <translation>%1, wysyła %2</translation>
    </message>
</context>
<context>
    <name>UserManual</name>
    <message>
        <source>User Manual</source>
        <translation>Instrukcja obsługi</translation>
    </message>
    <message>
        <source>Profiles, keys, macros and lighting of the keyboard, set up from the Linux desktop</source>
        <translation>Profile, klawisze, makra i podświetlenie klawiatury, konfigurowane z pulpitu Linuksa</translation>
    </message>
    <message>
        <source>The chapters that follow are in English.</source>
        <translation>Dalsze rozdziały są w języku angielskim.</translation>
    </message>
</context>
<context>
    <name>vantorctl</name>
    <message>
        <source>Another change is in progress (Option&apos;s window or another vantorctl command), so nothing was changed: two editors of one configuration would overwrite each other. Close Option or wait for the other command, then try again.</source>
        <translation>Trwa inna zmiana (okno programu Option lub inne polecenie vantorctl), więc nic nie zmieniono: dwa programy edytujące jedną konfigurację nadpisałyby się nawzajem. Zamknij Option lub zaczekaj na zakończenie drugiego polecenia, a potem spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Another program receives Option&apos;s messages, so nothing was changed. Close Option and try again.</source>
        <translation>Inny program odbiera komunikaty programu Option, więc nic nie zmieniono. Zamknij Option i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Cannot receive Monitor&apos;s answer: %1</source>
        <translation>Nie można odebrać odpowiedzi programu Monitor: %1</translation>
    </message>
    <message>
        <source>The keyboard refused some changes. The settings files hold them, but the keyboard did not take them.</source>
        <translation>Klawiatura odrzuciła część zmian. Pliki ustawień je zawierają, ale klawiatura ich nie przyjęła.</translation>
    </message>
    <message>
        <source>The keyboard refused some changes: %1. The settings files hold them, but the keyboard did not take them.</source>
        <translation>Klawiatura odrzuciła część zmian: %1. Pliki ustawień je zawierają, ale klawiatura ich nie przyjęła.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation>Nie można odczytać „%1”.</translation>
    </message>
    <message>
        <source>Cannot read standard input: %1</source>
        <translation>Nie można odczytać standardowego wejścia: %1</translation>
    </message>
    <message>
        <source>The document on standard input is larger than a profile document can be.</source>
        <translation>Dokument na standardowym wejściu jest większy, niż może być dokument profilu.</translation>
    </message>
    <message>
        <source>set needs a profile and at least one KEY=VALUE.</source>
        <translation>set wymaga profilu i co najmniej jednego KEY=VALUE.</translation>
    </message>
    <message>
        <source>assign needs a profile, a key and what the key does.</source>
        <translation>assign wymaga profilu, klawisza i tego, co klawisz ma robić.</translation>
    </message>
    <message>
        <source>default takes nothing after it.</source>
        <translation>Po default nie może nic następować.</translation>
    </message>
    <message>
        <source>program takes one path (quote a path with blanks).</source>
        <translation>program przyjmuje jedną ścieżkę (ścieżkę ze spacjami ujmij w cudzysłów).</translation>
    </message>
    <message>
        <source>No program &quot;%1&quot; was found in PATH; give its full path (or ./%1 for one in the current folder).</source>
        <translation>Nie znaleziono programu „%1” w PATH; podaj jego pełną ścieżkę (lub ./%1 dla programu w bieżącym folderze).</translation>
    </message>
    <message>
        <source>Cannot make a full path of &quot;%1&quot;.</source>
        <translation>Nie można utworzyć pełnej ścieżki z „%1”.</translation>
    </message>
    <message>
        <source>The path &quot;%1&quot; is longer than the %2 bytes a key holds.</source>
        <translation>Ścieżka „%1” przekracza limit %2 bajtów, jaki mieści klawisz.</translation>
    </message>
    <message>
        <source>note: &quot;%1&quot; does not exist (yet); the key starts it once it does.</source>
        <translation>uwaga: „%1” (jeszcze) nie istnieje; klawisz uruchomi go, gdy się pojawi.</translation>
    </message>
    <message>
        <source>macro takes the name of a macro of the library (vantorctl macros).</source>
        <translation>macro przyjmuje nazwę makra z biblioteki (vantorctl macros).</translation>
    </message>
    <message>
        <source>Unknown assignment &quot;%1&quot;: use macro NAME, keys COMBINATION, program PATH, media NAME, mouse NAME or default.</source>
        <translation>Nieznane przypisanie „%1”: użyj macro NAME, keys COMBINATION, program PATH, media NAME, mouse NAME lub default.</translation>
    </message>
    <message>
        <source>export needs a profile and a file.</source>
        <translation>export wymaga profilu i pliku.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>Nie można zapisać „%1”: %2.</translation>
    </message>
    <message>
        <source> The file that was there is left as it was.</source>
        <translation> Istniejący plik pozostał bez zmian.</translation>
    </message>
    <message>
        <source>import needs a profile and a file.</source>
        <translation>import wymaga profilu i pliku.</translation>
    </message>
    <message>
        <source>standard input is not a usable profile document: %1. Nothing was imported.</source>
        <translation>standardowe wejście nie jest poprawnym dokumentem profilu: %1. Nic nie zaimportowano.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a usable profile document: %2. Nothing was imported.</source>
        <translation>„%1” nie jest poprawnym dokumentem profilu: %2. Nic nie zaimportowano.</translation>
    </message>
    <message>
        <source>--wait takes a number of seconds (more than 0, at most a day).</source>
        <translation>--wait przyjmuje liczbę sekund (więcej niż 0, najwyżej jedna doba).</translation>
    </message>
    <message>
        <source>Usage: %1 %2 (see %1 --help)
</source>
        <translation>Użycie: %1 %2 (zobacz %1 --help)
</translation>
    </message>
    <message>
        <source>Which profile (1-5)?</source>
        <translation>Który profil (1-5)?</translation>
    </message>
    <message>
        <source>keyboard, firmware, current profile, whether Monitor runs</source>
        <translation>klawiatura, firmware, bieżący profil, czy Monitor działa</translation>
    </message>
    <message>
        <source>Shows whether Monitor runs and has the keyboard, the firmware version and the current profile. Exit status 0 when Monitor runs with the keyboard connected, 2 otherwise.</source>
        <translation>Pokazuje, czy Monitor działa i ma dostęp do klawiatury, wersję firmware i bieżący profil. Kod wyjścia 0, gdy Monitor działa z podłączoną klawiaturą, w przeciwnym razie 2.</translation>
    </message>
    <message>
        <source>show the current profile, or switch to profile N (1-5)</source>
        <translation>pokaż bieżący profil lub przełącz na profil N (1-5)</translation>
    </message>
    <message>
        <source>Without N: prints the current profile&apos;s number and name. With N: makes profile N current on the keyboard.</source>
        <translation>Bez N: wypisuje numer i nazwę bieżącego profilu. Z N: ustawia profil N jako bieżący na klawiaturze.</translation>
    </message>
    <message>
        <source>a profile&apos;s lighting, polling rate, switches, keys and remapped keys</source>
        <translation>podświetlenie, częstotliwość odpytywania, przełączniki, klawisze i klawisze o zmienionym przypisaniu w profilu</translation>
    </message>
    <message>
        <source>Shows a profile (the current one when none is given): lighting effect and colour, polling rate, Windows-key lock, power saving, what each programmable key G1-G15 does (as the window&apos;s captions say it) and the remapped standard keys. With --json: the whole profile as a JSON document.</source>
        <translation>Pokazuje profil (bieżący, jeśli nie podano żadnego): efekt i kolor podświetlenia, częstotliwość odpytywania, blokadę klawisza Windows, oszczędzanie energii, funkcję każdego programowalnego klawisza G1-G15 (tak, jak opisują ją podpisy w oknie) oraz standardowe klawisze o zmienionym przypisaniu. Z --json: cały profil jako dokument JSON.</translation>
    </message>
    <message>
        <source>lighting, polling rate, Windows-key lock, power saving, name, game</source>
        <translation>podświetlenie, częstotliwość odpytywania, blokada klawisza Windows, oszczędzanie energii, nazwa, gra</translation>
    </message>
    <message>
        <source>Changes settings of a profile and applies them:
  effect=static|breathing|wave|reactive|ripple|lights-off  lighting effect
  colour=red|green|blue|yellow|purple|cyan|colour-cycle|1-7 lighting colour
  polling=125|500|1000        polling rate in Hz
  winlock=on|off              Windows-key lock
  powersaving=on|off          power saving
  name=TEXT                   profile name (20 characters)
  game=PATH                   the game whose window selects this profile</source>
        <translation>Zmienia ustawienia profilu i stosuje je:
  effect=static|breathing|wave|reactive|ripple|lights-off  efekt podświetlenia
  colour=red|green|blue|yellow|purple|cyan|colour-cycle|1-7 kolor podświetlenia
  polling=125|500|1000        częstotliwość odpytywania w Hz
  winlock=on|off              blokada klawisza Windows
  powersaving=on|off          oszczędzanie energii
  name=TEXT                   nazwa profilu (20 znaków)
  game=PATH                   gra, której okno wybiera ten profil</translation>
    </message>
    <message>
        <source>what a programmable key does</source>
        <translation>funkcja programowalnego klawisza</translation>
    </message>
    <message>
        <source>a profile into a .gkp profile file, or a JSON document</source>
        <translation>profil do pliku profilu .gkp lub dokumentu JSON</translation>
    </message>
    <message>
        <source>Writes a profile into a profile file (.gkp, as the window&apos;s EXPORT does: its name is noted in config.ini and a copy kept in the settings folder), or with --json, a FILE ending in .json, or FILE &quot;-&quot; (standard output) as a JSON document.</source>
        <translation>Zapisuje profil do pliku profilu (.gkp, tak jak EXPORT w oknie: jego nazwa zostaje zapisana w config.ini, a kopia zostaje w folderze ustawień) albo, z --json, do pliku FILE z końcówką .json lub do FILE „-” (standardowe wyjście) jako dokument JSON.</translation>
    </message>
    <message>
        <source>a profile from a .gkp profile file or a JSON document, and apply it</source>
        <translation>profil z pliku profilu .gkp lub dokumentu JSON i zastosuj go</translation>
    </message>
    <message>
        <source>Replaces a profile by a profile file (.gkp, as the window&apos;s IMPORT does) or with --json, a FILE ending in .json, or FILE &quot;-&quot; (standard input) by a JSON document, and applies the whole profile. A file that is not usable changes nothing.</source>
        <translation>Zastępuje profil zawartością pliku profilu (.gkp, tak jak IMPORT w oknie) albo, z --json, pliku FILE z końcówką .json lub FILE „-” (standardowe wejście) jako dokumentu JSON, i stosuje cały profil. Niepoprawny plik niczego nie zmienia.</translation>
    </message>
    <message>
        <source>the macro library</source>
        <translation>biblioteka makr</translation>
    </message>
    <message>
        <source>Lists the macros of the library: name, steps, repeat.</source>
        <translation>Wypisuje makra z biblioteki: nazwa, kroki, powtórzenia.</translation>
    </message>
    <message>
        <source>the names assign accepts</source>
        <translation>nazwy akceptowane przez assign</translation>
    </message>
    <message>
        <source>Lists the function names of assign ... media and assign ... mouse, and the key names of assign ... keys, one a line.</source>
        <translation>Wypisuje nazwy funkcji dla assign ... media i assign ... mouse oraz nazwy klawiszy dla assign ... keys, po jednej w wierszu.</translation>
    </message>
    <message>
        <source>%1 takes on or off, not %2.</source>
        <translation>%1 przyjmuje on lub off, a nie %2.</translation>
    </message>
    <message>
        <source>Unknown lighting effect %1: use one of %2 (or 1, 2, 4, 8, 16, 32).</source>
        <translation>Nieznany efekt podświetlenia %1: użyj jednego z: %2 (lub 1, 2, 4, 8, 16, 32).</translation>
    </message>
    <message>
        <source>Colour %1 is out of range: use 1-7 or one of %2.</source>
        <translation>Kolor %1 jest poza zakresem: użyj 1-7 lub jednego z: %2.</translation>
    </message>
    <message>
        <source>Unknown colour %1: use one of %2 (or 1-7).</source>
        <translation>Nieznany kolor %1: użyj jednego z: %2 (lub 1-7).</translation>
    </message>
    <message>
        <source>Polling rate %1 is not one of 125, 500, 1000 (Hz).</source>
        <translation>Częstotliwość odpytywania %1 nie jest żadną z wartości 125, 500, 1000 (Hz).</translation>
    </message>
    <message>
        <source>Profile %1 does not exist: profiles are 1-5.</source>
        <translation>Profil %1 nie istnieje: dostępne profile to 1-5.</translation>
    </message>
    <message>
        <source>Unknown key %1: the programmable keys are G1-G15.</source>
        <translation>Nieznany klawisz %1: programowalne klawisze to G1-G15.</translation>
    </message>
    <message>
        <source>Expected KEY=VALUE, not %1.</source>
        <translation>Oczekiwano KEY=VALUE, a nie %1.</translation>
    </message>
    <message>
        <source>The game program&apos;s path is longer than the %1 bytes a profile holds.</source>
        <translation>Ścieżka programu gry przekracza limit %1 bajtów, jaki mieści profil.</translation>
    </message>
    <message>
        <source>Unknown setting %1: use effect, colour, polling, winlock, powersaving, name or game.</source>
        <translation>Nieznane ustawienie %1: użyj effect, colour, polling, winlock, powersaving, name lub game.</translation>
    </message>
    <message>
        <source>The mouse button %1 can only be a step of a macro, not a key&apos;s combination.</source>
        <translation>Przycisk myszy %1 może być tylko krokiem makra, a nie częścią kombinacji klawiszy.</translation>
    </message>
    <message>
        <source>Unknown media function %1: use one of %2.</source>
        <translation>Nieznana funkcja multimedialna %1: użyj jednej z: %2.</translation>
    </message>
    <message>
        <source>Unknown mouse function %1: use one of %2.</source>
        <translation>Nieznana funkcja myszy %1: użyj jednej z: %2.</translation>
    </message>
    <message>
        <source>status takes no arguments.</source>
        <translation>status nie przyjmuje argumentów.</translation>
    </message>
    <message>
        <source>profile takes at most one profile number.</source>
        <translation>profile przyjmuje najwyżej jeden numer profilu.</translation>
    </message>
    <message>
        <source>show takes at most one profile number.</source>
        <translation>show przyjmuje najwyżej jeden numer profilu.</translation>
    </message>
    <message>
        <source>macros takes no arguments.</source>
        <translation>macros nie przyjmuje argumentów.</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole: %2.</source>
        <translation>Nie można odczytać całej biblioteki makr %1: %2.</translation>
    </message>
    <message>
        <source>functions takes one of media, mouse, keys.</source>
        <translation>functions przyjmuje jedną z wartości: media, mouse, keys.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Pokazuje tę pomoc.</translation>
    </message>
    <message>
        <source>JSON instead of text (the schema is in the manual page).</source>
        <translation>JSON zamiast tekstu (schemat opisuje strona podręcznika).</translation>
    </message>
    <message>
        <source>Waits at most SECONDS for Monitor to confirm that the keyboard took the change (default 40 minutes, longer than the slowest apply).</source>
        <translation>Czeka najwyżej SECONDS na potwierdzenie od programu Monitor, że klawiatura przyjęła zmianę (domyślnie 40 minut, dłużej niż trwa najwolniejsze zastosowanie).</translation>
    </message>
    <message>
        <source>Exit status: 0 done; 1 bad input (nothing changed); 2 Monitor not running, no keyboard or no answer (the settings files are saved); 3 Option is open or another change is in progress (changing commands refuse); 4 settings could not be saved (the message names the file; the keyboard may have taken the change); 5 the keyboard refused part of the change (the message names the settings; the files are saved).
</source>
        <translation>Kod wyjścia: 0 wykonano; 1 błędne dane wejściowe (nic nie zmieniono); 2 Monitor nie działa, brak klawiatury lub brak odpowiedzi (pliki ustawień są zapisane); 3 Option jest otwarty lub trwa inna zmiana (polecenia zmieniające odmawiają działania); 4 nie można zapisać ustawień (komunikat podaje plik; klawiatura mogła przyjąć zmianę); 5 klawiatura odrzuciła część zmiany (komunikat podaje ustawienia; pliki są zapisane).
</translation>
    </message>
    <message>
        <source>Usage: vantorctl COMMAND [ARGUMENTS] [--help]

Reads and changes the Orvyn Vantor keyboard&apos;s configuration as the Option window does. Changes are applied
before the command returns.

Commands:
</source>
        <translation>Użycie: vantorctl COMMAND [ARGUMENTS] [--help]

Odczytuje i zmienia konfigurację klawiatury Orvyn Vantor tak jak okno programu Option. Zmiany są stosowane,
zanim polecenie się zakończy.

Polecenia:
</translation>
    </message>
    <message>
        <source>
Reading commands work while Option is open; changing commands (profile N, set, assign, import) refuse.
</source>
        <translation>
Polecenia odczytujące działają, gdy Option jest otwarty; polecenia zmieniające (profile N, set, assign, import) odmawiają działania.
</translation>
    </message>
    <message>
        <source>See vantorctl COMMAND --help and man vantorctl.
</source>
        <translation>Zobacz vantorctl COMMAND --help oraz man vantorctl.
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Użycie: %1 [opcje]</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Nieznane polecenie „%1”.</translation>
    </message>
    <message>
        <source>Gives programmable key G1-G15 of a profile a function and applies it:
  macro NAME         a macro of the library (vantorctl macros)
  keys COMBINATION   a key combination in English key names: Ctrl+Alt+X, Shift+Page Down
  program PATH       starts a program (or a .desktop file)
  media NAME         a media or application function: Play/Pause, Volume Up, Calculator, ...
  mouse NAME         a mouse function: Left Button, Double Click, Key Disabled, ...
  default            the key&apos;s factory setting
Names are matched without regard to case; vantorctl functions lists them.</source>
        <translation>Nadaje programowalnemu klawiszowi G1-G15 profilu funkcję i stosuje ją:
  macro NAME         makro z biblioteki (vantorctl macros)
  keys COMBINATION   kombinacja klawiszy z angielskimi nazwami klawiszy: Ctrl+Alt+X, Shift+Page Down
  program PATH       uruchamia program (lub plik .desktop)
  media NAME         funkcja multimedialna lub aplikacji: Play/Pause, Volume Up, Calculator, ...
  mouse NAME         funkcja myszy: Left Button, Double Click, Key Disabled, ...
  default            ustawienie fabryczne klawisza
Wielkość liter w nazwach nie ma znaczenia; vantorctl functions je wypisuje.</translation>
    </message>
    <message>
        <source>Unknown key %1 in %2: write it with the English key names, e.g. Ctrl+Alt+X or Shift+Page Down (vantorctl functions lists them).</source>
        <translation>Nieznany klawisz %1 w %2: zapisz go angielskimi nazwami klawiszy, np. Ctrl+Alt+X lub Shift+Page Down (vantorctl functions je wypisuje).</translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation>nieznane pole</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>expected a whole number</source>
        <translation>oczekiwano liczby całkowitej</translation>
    </message>
    <message>
        <source>%1 is out of range (%2 to %3)</source>
        <translation>%1 jest poza zakresem (%2 do %3)</translation>
    </message>
    <message>
        <source>expected a text</source>
        <translation>oczekiwano tekstu</translation>
    </message>
    <message>
        <source>longer than the %1 bytes the profile holds</source>
        <translation>dłuższe niż %1 bajtów, które mieści profil</translation>
    </message>
    <message>
        <source>contains a NUL character</source>
        <translation>zawiera znak NUL</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>oczekiwano obiektu</translation>
    </message>
    <message>
        <source>expected a list</source>
        <translation>oczekiwano listy</translation>
    </message>
    <message>
        <source>%1 steps; a key holds at most 50</source>
        <translation>%1 kroków; klawisz mieści najwyżej 50</translation>
    </message>
    <message>
        <source>%1 keys; a profile has 15 (G1-G15)</source>
        <translation>%1 klawiszy; profil ma 15 (G1-G15)</translation>
    </message>
    <message>
        <source>expected one of G1-G15</source>
        <translation>oczekiwano jednego z G1-G15</translation>
    </message>
    <message>
        <source>named twice</source>
        <translation>podane dwukrotnie</translation>
    </message>
    <message>
        <source>missing (type 3 is a macro)</source>
        <translation>brak (typ 3 to makro)</translation>
    </message>
    <message>
        <source>given, but only a macro key (type 3) has one</source>
        <translation>podane, ale ma je tylko klawisz makra (typ 3)</translation>
    </message>
    <message>
        <source>missing (type 11 starts a program)</source>
        <translation>brak (typ 11 uruchamia program)</translation>
    </message>
    <message>
        <source>given, but only a program key (type 11) has one</source>
        <translation>podane, ale ma je tylko klawisz programu (typ 11)</translation>
    </message>
    <message>
        <source>position %1 is given twice</source>
        <translation>pozycja %1 jest podana dwukrotnie</translation>
    </message>
    <message>
        <source>not valid JSON at byte %1: %2</source>
        <translation>niepoprawny JSON w bajcie %1: %2</translation>
    </message>
    <message>
        <source>expected a JSON object at the top</source>
        <translation>oczekiwano obiektu JSON na najwyższym poziomie</translation>
    </message>
    <message>
        <source>%1: given more than once</source>
        <translation>%1: podane więcej niż raz</translation>
    </message>
    <message>
        <source>format: expected &quot;%1&quot; (not a profile document)</source>
        <translation>format: oczekiwano „%1” (to nie jest dokument profilu)</translation>
    </message>
    <message>
        <source>this vantorctl reads version %1</source>
        <translation>ta wersja vantorctl odczytuje wersję %1</translation>
    </message>
    <message>
        <source>%1 values; a profile has 6</source>
        <translation>%1 wartości; profil ma 6</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(brak)</translation>
    </message>
    <message>
        <source>Profile %1: %2  (current)</source>
        <translation>Profil %1: %2  (bieżący)</translation>
    </message>
    <message>
        <source>Profile %1: %2</source>
        <translation>Profil %1: %2</translation>
    </message>
    <message>
        <source>Game program:</source>
        <translation>Program gry:</translation>
    </message>
    <message>
        <source>Lighting effect:</source>
        <translation>Efekt podświetlenia:</translation>
    </message>
    <message>
        <source>Lighting colour:</source>
        <translation>Kolor podświetlenia:</translation>
    </message>
    <message>
        <source>Polling rate:</source>
        <translation>Częstotliwość odpytywania:</translation>
    </message>
    <message>
        <source>Windows-key lock:</source>
        <translation>Blokada klawisza Windows:</translation>
    </message>
    <message>
        <source>Power saving:</source>
        <translation>Oszczędzanie energii:</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Klawisze:</translation>
    </message>
    <message>
        <source>Remapped standard keys: none</source>
        <translation>Klawisze standardowe o zmienionym przypisaniu: brak</translation>
    </message>
    <message>
        <source>Remapped standard keys:</source>
        <translation>Klawisze standardowe o zmienionym przypisaniu:</translation>
    </message>
    <message>
        <source>unknown (Monitor is not running)</source>
        <translation>nieznany (Monitor nie działa)</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>podłączona</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>niepodłączona</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>nieznany</translation>
    </message>
    <message>
        <source>Monitor:</source>
        <translation>Monitor:</translation>
    </message>
    <message>
        <source>running</source>
        <translation>działa</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>nie działa</translation>
    </message>
    <message>
        <source>Keyboard:</source>
        <translation>Klawiatura:</translation>
    </message>
    <message>
        <source>Firmware:</source>
        <translation>Firmware:</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Option:</source>
        <translation>Option:</translation>
    </message>
    <message>
        <source>open</source>
        <translation>otwarty</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>nieotwarty</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A refused setting&apos;s reason (already translated) as a sentence.</extracomment>
        <translation>%1.</translation>
    </message>
</context>
</TS>
