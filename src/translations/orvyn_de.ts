<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Writing to the keyboard</source>
        <translation>Schreibe in die Tastatur</translation>
    </message>
    <message>
        <source>Could not map view of file.</source>
        <translation>Die Datei konnte nicht eingeblendet werden.</translation>
    </message>
    <message>
        <source>No program could show the user manual %1. Install a PDF viewer.</source>
        <translation>Kein Programm konnte das Benutzerhandbuch %1 anzeigen. Installieren Sie einen PDF-Betrachter.</translation>
    </message>
    <message>
        <source>The user manual is missing. It was looked for at %1.</source>
        <translation>Das Benutzerhandbuch fehlt. Es wurde unter %1 gesucht.</translation>
    </message>
</context>
<context>
    <name>ConnectionLine</name>
    <message>
        <source>Start Monitor</source>
        <translation>Monitor starten</translation>
    </message>
    <message>
        <source>Monitor is already running.</source>
        <translation>Monitor läuft bereits.</translation>
    </message>
    <message>
        <source>Monitor could not be started: %1</source>
        <translation>Monitor konnte nicht gestartet werden: %1</translation>
    </message>
</context>
<context>
    <name>ConnectionStatus</name>
    <message>
        <source>Keyboard connected</source>
        <translation>Tastatur verbunden</translation>
    </message>
    <message>
        <source>No keyboard connected</source>
        <translation>Keine Tastatur verbunden</translation>
    </message>
    <message>
        <source>Starting Monitor...</source>
        <translation>Monitor wird gestartet...</translation>
    </message>
    <message>
        <source>Monitor is not running</source>
        <translation>Monitor läuft nicht</translation>
    </message>
    <message>
        <source>Saved to the keyboard</source>
        <translation>In der Tastatur gespeichert</translation>
    </message>
    <message>
        <source>Saved; the keyboard is not connected</source>
        <translation>Gespeichert; die Tastatur ist nicht verbunden</translation>
    </message>
</context>
<context>
    <name>DeviceAccessNotice</name>
    <message>
        <source>The keyboard is connected but cannot be opened</source>
        <translation>Die Tastatur ist verbunden, lässt sich aber nicht öffnen</translation>
    </message>
    <message>
        <source>The keyboard is connected, but this user may not use it</source>
        <translation>Die Tastatur ist verbunden, aber dieser Benutzer darf sie nicht verwenden</translation>
    </message>
    <message>
        <source>The udev rule %1 is installed: unplug and plug the keyboard, or run: sudo udevadm trigger. If the keyboard has other ids than [Device] in config.ini, set them in the rule as well.</source>
        <translation>Die udev-Regel %1 ist installiert: Ziehen Sie die Tastatur ab und stecken Sie sie wieder an, oder führen Sie aus: sudo udevadm trigger. Hat die Tastatur andere Kennungen als [Device] in config.ini, tragen Sie diese auch in die Regel ein.</translation>
    </message>
    <message>
        <source>Install the udev rule: %1</source>
        <translation>Installieren Sie die udev-Regel: %1</translation>
    </message>
</context>
<context>
    <name>DocumentOpener</name>
    <message>
        <source>No program could open %1.</source>
        <translation>Kein Programm konnte %1 öffnen.</translation>
    </message>
    <message>
        <source>No program to show PDF files is installed.</source>
        <translation>Es ist kein Programm zum Anzeigen von PDF-Dateien installiert.</translation>
    </message>
    <message>
        <source>The PDF viewer could not show it.</source>
        <translation>Der PDF-Betrachter konnte es nicht anzeigen.</translation>
    </message>
    <message>
        <source>The user manual could not be opened. %1

It is at:
%2</source>
        <translation>Das Benutzerhandbuch konnte nicht geöffnet werden. %1

Es liegt unter:
%2</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
</context>
<context>
    <name>ForegroundChoice</name>
    <message>
        <source>per-game profiles on GNOME need the extension that tells which window is in front: run &quot;gnome-extensions enable %1&quot; and start Monitor again; until then only games running through XWayland switch the profile</source>
        <translation>Profile je Spiel brauchen unter GNOME die Erweiterung, die das Fenster im Vordergrund meldet: Führen Sie „gnome-extensions enable %1“ aus und starten Sie Monitor neu; bis dahin wechseln nur Spiele, die über XWayland laufen, das Profil</translation>
    </message>
    <message>
        <source>per-game profiles on GNOME need the extension that tells which window is in front: run &quot;gnome-extensions enable %1&quot; and start Monitor again</source>
        <translation>Profile je Spiel brauchen unter GNOME die Erweiterung, die das Fenster im Vordergrund meldet: Führen Sie „gnome-extensions enable %1“ aus und starten Sie Monitor neu</translation>
    </message>
</context>
<context>
    <name>KeyCaptureDialog</name>
    <message>
        <source>Every key you press is recorded. Hold Enter for one second for OK, hold Esc for one second to leave without a change.</source>
        <translation>Jede gedrückte Taste wird aufgenommen. Halten Sie Enter eine Sekunde lang für OK, halten Sie Esc eine Sekunde lang, um ohne Änderung zu schließen.</translation>
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
        <translation>Druck</translation>
    </message>
    <message>
        <source>ScrLk</source>
        <translation>Rollen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rück</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Ein­gabe</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Feststell</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Strg</translation>
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
        <translation>Menü</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Einfg</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>Bild auf</translation>
    </message>
    <message>
        <source>PgDn</source>
        <translation>Bild ab</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Num</translation>
    </message>
    <message>
        <source>BackSpace</source>
        <translation>Rück</translation>
    </message>
    <message>
        <source>CapsLock</source>
        <translation>Feststell</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Page UP</source>
        <translation>Bild auf</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Bild ab</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfg</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Left Windows</source>
        <translation>Windows links</translation>
    </message>
    <message>
        <source>Right Windows</source>
        <translation>Windows rechts</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>(Enter)</source>
        <translation>(Eingabe)</translation>
    </message>
    <message>
        <source>Numlock</source>
        <translation>Num</translation>
    </message>
    <message>
        <source>ScrollLock</source>
        <translation>Rollen</translation>
    </message>
    <message>
        <source>Left Shift</source>
        <translation>Umschalt links</translation>
    </message>
    <message>
        <source>Right Shift</source>
        <translation>Umschalt rechts</translation>
    </message>
    <message>
        <source>Left Ctrl</source>
        <translation>Strg links</translation>
    </message>
    <message>
        <source>Right Ctrl</source>
        <translation>Strg rechts</translation>
    </message>
    <message>
        <source>Left Alt</source>
        <translation>Alt links</translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation>Alt rechts</translation>
    </message>
    <message>
        <source>L Button</source>
        <translation>Maustaste L</translation>
    </message>
    <message>
        <source>R Button</source>
        <translation>Maustaste R</translation>
    </message>
    <message>
        <source>M Button</source>
        <translation>Maustaste M</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>Maustaste 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>Maustaste 5</translation>
    </message>
</context>
<context>
    <name>LaunchProgramDialog</name>
    <message>
        <source>exe file(*.exe)</source>
        <translation>EXE-Datei(*.exe)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>No program &quot;%1&quot; was found in PATH. Choose it with the browse button or type its full path.</source>
        <translation>Im PATH wurde kein Programm „%1“ gefunden. Wählen Sie es mit der Durchsuchen-Schaltfläche oder geben Sie seinen vollständigen Pfad ein.</translation>
    </message>
    <message>
        <source>The program path is too long: a key holds at most %1 bytes.</source>
        <translation>Der Programmpfad ist zu lang: Eine Taste fasst höchstens %1 Bytes.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>no program given</source>
        <translation>kein Programm angegeben</translation>
    </message>
    <message>
        <source>not found: %1</source>
        <translation>nicht gefunden: %1</translation>
    </message>
    <message>
        <source>cannot open %1: xdg-open is not installed</source>
        <translation>%1 kann nicht geöffnet werden: xdg-open ist nicht installiert</translation>
    </message>
    <message>
        <source>%1 is not a file that can be opened</source>
        <translation>%1 ist keine Datei, die sich öffnen lässt</translation>
    </message>
    <message>
        <source>cannot launch %1</source>
        <translation>Start nicht möglich: %1</translation>
    </message>
    <message>
        <source>%1 is not a desktop entry</source>
        <translation>%1 ist kein Desktop-Eintrag</translation>
    </message>
    <message>
        <source>%1 is marked as deleted (Hidden)</source>
        <translation>%1 ist als gelöscht markiert (Hidden)</translation>
    </message>
    <message>
        <source>%1 links nowhere</source>
        <translation>%1 verweist nirgendwohin</translation>
    </message>
    <message>
        <source>%1 does not start a program</source>
        <translation>%1 startet kein Programm</translation>
    </message>
    <message>
        <source>%1: %2 is not installed</source>
        <translation>%1: %2 ist nicht installiert</translation>
    </message>
    <message>
        <source>%1 has no usable command (Exec)</source>
        <translation>%1 hat keinen brauchbaren Befehl (Exec)</translation>
    </message>
    <message>
        <source>%1 runs in a terminal, and no terminal emulator is installed</source>
        <translation>%1 läuft in einem Terminal, und es ist kein Terminalemulator installiert</translation>
    </message>
</context>
<context>
    <name>MacroManagerDialog</name>
    <message>
        <source>Macros</source>
        <translation>Makros</translation>
    </message>
    <message>
        <source>Macro events</source>
        <translation>Makroschritte</translation>
    </message>
</context>
<context>
    <name>MediaFunction</name>
    <message>
        <source>Screensave</source>
        <translation>Bildschirmschoner</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>Dateimanager</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
</context>
<context>
    <name>Monitor</name>
    <message>
        <source>Keyboard settings not saved</source>
        <translation>Tastatureinstellungen nicht gespeichert</translation>
    </message>
    <message>
        <source>%1
Monitor writes them again with its next save; free some space or fix the folder&apos;s permissions.</source>
        <translation>%1
Monitor schreibt sie beim nächsten Speichern erneut; schaffen Sie Platz oder berichtigen Sie die Rechte des Ordners.</translation>
    </message>
    <message>
        <source>Program key %1</source>
        <translation>Programmtaste %1</translation>
    </message>
</context>
<context>
    <name>MonitorHost</name>
    <message>
        <source>Per-game profiles</source>
        <translation>Profile je Spiel</translation>
    </message>
</context>
<context>
    <name>Option</name>
    <message>
        <source>Option cannot draw its windows, because a file of its skin is wrong:

%1

Restore the skins folder beside the program (or mend the file) and start Option again.</source>
        <translation>Option kann seine Fenster nicht zeichnen, weil eine Datei seiner Oberfläche fehlerhaft ist:

%1

Stellen Sie den Ordner skins neben dem Programm wieder her (oder reparieren Sie die Datei) und starten Sie Option erneut.</translation>
    </message>
</context>
<context>
    <name>OsdProgram</name>
    <message>
        <source>Windows Key: Lock</source>
        <translation>Windows-Taste: gesperrt</translation>
    </message>
    <message>
        <source>Windows Key: UnLock</source>
        <translation>Windows-Taste: entsperrt</translation>
    </message>
</context>
<context>
    <name>ProfileCheck</name>
    <message>
        <source>%1: %2 has no terminating NUL within its %3 bytes</source>
        <translation>%1: %2 hat innerhalb seiner %3 Bytes kein abschließendes NUL</translation>
    </message>
    <message>
        <source>%1: %2 is not a repeat count (0-255)</source>
        <translation>%1: %2 ist keine Wiederholungsanzahl (0-255)</translation>
    </message>
    <message>
        <source>%1: %2 is more than the 50 steps a key holds</source>
        <translation>%1: %2 ist mehr als die 50 Schritte, die eine Taste fasst</translation>
    </message>
    <message>
        <source>%1: %2 is not a key or mouse-button code</source>
        <translation>%1: %2 ist kein Tasten- oder Maustastencode</translation>
    </message>
    <message>
        <source>%1: %2 is neither 1 (press) nor 2 (release)</source>
        <translation>%1: %2 ist weder 1 (drücken) noch 2 (loslassen)</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of this assignment type</source>
        <translation>%1: %2 ist nicht 0, der einzige flags-Wert dieser Zuweisungsart</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of this assignment type</source>
        <translation>%1: %2 ist nicht 0, der einzige code-Wert dieser Zuweisungsart</translation>
    </message>
    <message>
        <source>%1: %2 is not a set of modifiers (1 Ctrl, 2 Shift, 4 Alt, 8 Win)</source>
        <translation>%1: %2 ist keine Auswahl von Modifikatortasten (1 Strg, 2 Umschalt, 4 Alt, 8 Win)</translation>
    </message>
    <message>
        <source>%1: %2 is not a key code</source>
        <translation>%1: %2 ist kein Tastencode</translation>
    </message>
    <message>
        <source>%1: %2 is not a keyboard function (1, 4-7)</source>
        <translation>%1: %2 ist keine Tastaturfunktion (1, 4-7)</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a keyboard function</source>
        <translation>%1: %2 ist nicht 0, der einzige code-Wert einer Tastaturfunktion</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of a media function</source>
        <translation>%1: %2 ist nicht 0, der einzige flags-Wert einer Medienfunktion</translation>
    </message>
    <message>
        <source>%1: %2 is not a media or application function (176-199)</source>
        <translation>%1: %2 ist keine Medien- oder Anwendungsfunktion (176-199)</translation>
    </message>
    <message>
        <source>%1: %2 is not a mouse button (1-5)</source>
        <translation>%1: %2 ist keine Maustaste (1-5)</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a mouse-button function</source>
        <translation>%1: %2 ist nicht 0, der einzige code-Wert einer Maustastenfunktion</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of a single key</source>
        <translation>%1: %2 ist nicht 0, der einzige flags-Wert einer Einzeltaste</translation>
    </message>
    <message>
        <source>%1: %2 is not %3, the key&apos;s number</source>
        <translation>%1: %2 ist nicht %3, die Nummer der Taste</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a program key</source>
        <translation>%1: %2 ist nicht 0, der einzige code-Wert einer Programmtaste</translation>
    </message>
    <message>
        <source>%1: %2 is not an assignment type</source>
        <translation>%1: %2 ist keine Zuweisungsart</translation>
    </message>
    <message>
        <source>%1: %2 contains a control character</source>
        <translation>%1: %2 enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>%1: %2 contains a bidirectional override</source>
        <translation>%1: %2 enthält ein Zeichen, das die Schreibrichtung umkehrt</translation>
    </message>
    <message>
        <source>%1: %2 is not a media player (0-3)</source>
        <translation>%1: %2 ist kein Mediaplayer (0-3)</translation>
    </message>
    <message>
        <source>%1: %2 is neither 0 nor 1</source>
        <translation>%1: %2 ist weder 0 noch 1</translation>
    </message>
    <message>
        <source>%1: %2 is not a byte (0-255)</source>
        <translation>%1: %2 ist kein Byte (0-255)</translation>
    </message>
    <message>
        <source>%1: %2 is not a lighting colour (0-7)</source>
        <translation>%1: %2 ist keine Beleuchtungsfarbe (0-7)</translation>
    </message>
    <message>
        <source>%1: %2 is not a lighting control value (1, 2, 4, 8, 16, 32)</source>
        <translation>%1: %2 ist kein Wert der Beleuchtungssteuerung (1, 2, 4, 8, 16, 32)</translation>
    </message>
    <message>
        <source>%1: %2 is not a polling rate (1, 2, 4)</source>
        <translation>%1: %2 ist keine Abfragerate (1, 2, 4)</translation>
    </message>
    <message>
        <source>%1; replaced by its factory value</source>
        <translation>%1; auf den Werkswert zurückgesetzt</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Game program</source>
        <translation>Spielprogramm</translation>
    </message>
    <message>
        <source>exe file(*.exe)</source>
        <translation>EXE-Datei(*.exe)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>ProfileFiles</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Die Datei %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 ist keine Datei.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it is larger than %2 MB (a profile file has about 33 KB).</source>
        <translation>%1 ist keine Profildatei: Sie ist größer als %2 MB (eine Profildatei hat etwa 33 KB).</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Die Datei kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it is empty.</source>
        <translation>%1 ist keine Profildatei: Sie ist leer.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it has no [Setting] section.</source>
        <translation>%1 ist keine Profildatei: Ihr fehlt der Abschnitt [Setting].</translation>
    </message>
    <message>
        <source>%1 is a damaged profile file: its block %2 does not check out.</source>
        <translation>%1 ist eine beschädigte Profildatei: Ihr Block %2 ist fehlerhaft.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it holds none of the key blocks of a profile.</source>
        <translation>%1 ist keine Profildatei: Sie enthält keinen der Tastenblöcke eines Profils.</translation>
    </message>
    <message>
        <source>%1 is refused: it holds %2 more than once.</source>
        <translation>%1 wird abgelehnt: Sie enthält %2 mehr als einmal.</translation>
    </message>
    <message>
        <source>%1: missing (a profile file holds every setting)</source>
        <translation>%1: fehlt (eine Profildatei enthält jede Einstellung)</translation>
    </message>
    <message>
        <source>%1 is refused: %2.</source>
        <translation>%1 wird abgelehnt: %2.</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The profile file could not be copied into the settings folder %1. Check that you may write there and that the disk is not full. Nothing was imported.</source>
        <translation>Die Profildatei konnte nicht in den Einstellungsordner %1 kopiert werden. Prüfen Sie, ob Sie dort schreiben dürfen und ob der Datenträger voll ist. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The profile could not be written to %1 (%2). The file that was there is left as it was.</source>
        <translation>Das Profil konnte nicht nach %1 geschrieben werden (%2). Die Datei, die dort war, bleibt unverändert.</translation>
    </message>
    <message>
        <source>The profile could not be written to %1 (%2).</source>
        <translation>Das Profil konnte nicht nach %1 geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>The profile was exported to %1, but its copy %2 and its name in config.ini could not all be written.</source>
        <translation>Das Profil wurde nach %1 exportiert, aber seine Kopie %2 und sein Name in config.ini konnten nicht vollständig geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>ProfileTransfer</name>
    <message>
        <source>Import a profile</source>
        <translation>Profil importieren</translation>
    </message>
    <message>
        <source>Export the profile</source>
        <translation>Profil exportieren</translation>
    </message>
    <message>
        <source>Gaming Keyboard Profile(*.gkp)</source>
        <translation>Gaming-Tastatur-Profil(*.gkp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Every key you press is recorded. Hold Esc for one second to leave without a change.</source>
        <translation>Jede gedrückte Taste wird aufgenommen. Halten Sie Esc eine Sekunde lang, um ohne Änderung zu schließen.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>A&amp;usschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Ein&amp;fügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
</context>
<context>
    <name>SessionNotices</name>
    <message>
        <source>current profile</source>
        <translation>aktuelles Profil</translation>
    </message>
    <message>
        <source>key assignments of the standard keys</source>
        <translation>Belegung der Standardtasten</translation>
    </message>
    <message>
        <source>Windows-key lock and other switches</source>
        <translation>Windows-Tastensperre und andere Schalter</translation>
    </message>
    <message>
        <source>programmable-key assignments</source>
        <translation>Belegung der programmierbaren Tasten</translation>
    </message>
    <message>
        <source>macros</source>
        <translation>Makros</translation>
    </message>
    <message>
        <source>lighting</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>polling rate</source>
        <translation>Abfragerate</translation>
    </message>
    <message>
        <source>other settings</source>
        <translation>andere Einstellungen</translation>
    </message>
    <message>
        <source>The settings were saved, but they could not be sent to the keyboard because the Monitor program is not running. Start Monitor and apply again to change the keyboard.</source>
        <translation>Die Einstellungen wurden gespeichert, konnten aber nicht an die Tastatur gesendet werden, weil das Programm Monitor nicht läuft. Starten Sie Monitor und übernehmen Sie erneut, um die Tastatur zu ändern.</translation>
    </message>
    <message>
        <source>The settings were not saved, and they could not be sent to the keyboard because the Monitor program is not running. Start Monitor and apply again to change the keyboard.</source>
        <translation>Die Einstellungen wurden nicht gespeichert und konnten nicht an die Tastatur gesendet werden, weil das Programm Monitor nicht läuft. Starten Sie Monitor und übernehmen Sie erneut, um die Tastatur zu ändern.</translation>
    </message>
    <message>
        <source>The settings were saved, but no keyboard is connected, so the keyboard did not receive them. Connect it and apply again.</source>
        <translation>Die Einstellungen wurden gespeichert, aber es ist keine Tastatur verbunden, daher hat die Tastatur sie nicht erhalten. Schließen Sie sie an und übernehmen Sie erneut.</translation>
    </message>
    <message>
        <source>The settings were not saved, and no keyboard is connected, so the keyboard did not receive them. Connect it and apply again.</source>
        <translation>Die Einstellungen wurden nicht gespeichert, und es ist keine Tastatur verbunden, daher hat die Tastatur sie nicht erhalten. Schließen Sie sie an und übernehmen Sie erneut.</translation>
    </message>
    <message>
        <source>The settings were saved, but Monitor did not confirm that the keyboard received them. Make sure Monitor is running and apply again.</source>
        <translation>Die Einstellungen wurden gespeichert, aber Monitor hat nicht bestätigt, dass die Tastatur sie erhalten hat. Stellen Sie sicher, dass Monitor läuft, und übernehmen Sie erneut.</translation>
    </message>
    <message>
        <source>The settings were not saved, and Monitor did not confirm that the keyboard received them. Make sure Monitor is running and apply again.</source>
        <translation>Die Einstellungen wurden nicht gespeichert, und Monitor hat nicht bestätigt, dass die Tastatur sie erhalten hat. Stellen Sie sicher, dass Monitor läuft, und übernehmen Sie erneut.</translation>
    </message>
    <message>
        <source>The keyboard refused some changes. They stay marked; Apply sends them again.</source>
        <translation>Die Tastatur hat einige Änderungen abgelehnt. Sie bleiben markiert; Übernehmen sendet sie erneut.</translation>
    </message>
    <message>
        <source>The keyboard refused some changes: %1. They stay marked; Apply sends them again.</source>
        <translation>Die Tastatur hat einige Änderungen abgelehnt: %1. Sie bleiben markiert; Übernehmen sendet sie erneut.</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole. It is left as it is: the macros that could be read are shown, and macros recorded or changed now are not saved to it until it is mended or removed.</source>
        <translation>Die Makrobibliothek %1 kann nicht vollständig gelesen werden. Sie bleibt unverändert: Die lesbaren Makros werden angezeigt, und jetzt aufgenommene oder geänderte Makros werden erst darin gespeichert, wenn sie repariert oder entfernt ist.</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole: %2. It is left as it is: the macros that could be read are shown, and macros recorded or changed now are not saved to it until it is mended or removed.</source>
        <translation>Die Makrobibliothek %1 kann nicht vollständig gelesen werden: %2. Sie bleibt unverändert: Die lesbaren Makros werden angezeigt, und jetzt aufgenommene oder geänderte Makros werden erst darin gespeichert, wenn sie repariert oder entfernt ist.</translation>
    </message>
    <message>
        <source>The settings could not be saved:
%1
They stay marked as changed: once the problem is solved, apply again to save them.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden:
%1
Sie bleiben als geändert markiert: Übernehmen Sie erneut, sobald das Problem behoben ist, um sie zu speichern.</translation>
    </message>
</context>
<context>
    <name>ShortcutDialog</name>
    <message>
        <source>Press the key with Ctrl, Shift, Alt or Win held to record the combination. </source>
        <translation>Drücken Sie die Taste mit gehaltener Strg-, Umschalt-, Alt- oder Win-Taste, um die Kombination aufzunehmen. </translation>
    </message>
</context>
<context>
    <name>SkinAdvanced</name>
    <message>
        <source>ADVANCED</source>
        <translation>ERWEITERT</translation>
    </message>
    <message>
        <source>Settings of the current profile. They reach the keyboard when you press APPLY or OK.</source>
        <translation>Einstellungen des aktuellen Profils. Sie gehen an die Tastatur, wenn Sie ÜBERNEHMEN oder OK drücken.</translation>
    </message>
    <message>
        <source>POLLING RATE</source>
        <translation>ABFRAGERATE</translation>
    </message>
    <message>
        <source>How often the keyboard reports to the computer.</source>
        <translation>Wie oft die Tastatur dem Computer berichtet.</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>BELEUCHTUNG</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFFEKT</translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation>FARBE</translation>
    </message>
    <message>
        <source>WINDOWS KEY</source>
        <translation>WINDOWS-TASTE</translation>
    </message>
    <message>
        <source>Lock it so that it cannot throw you out of a game.</source>
        <translation>Sperren, damit sie Sie nicht aus dem Spiel wirft.</translation>
    </message>
    <message>
        <source>POWER SAVING</source>
        <translation>ENERGIESPAREN</translation>
    </message>
    <message>
        <source>Lets the keyboard save power when it is idle.</source>
        <translation>Die Tastatur spart Energie, wenn sie ruht.</translation>
    </message>
    <message>
        <source>125 Hz</source>
        <translation>125 Hz</translation>
    </message>
    <message>
        <source>Report 125 times a second (8 ms).</source>
        <translation>125 Berichte pro Sekunde (8 ms).</translation>
    </message>
    <message>
        <source>500 Hz</source>
        <translation>500 Hz</translation>
    </message>
    <message>
        <source>Report 500 times a second (2 ms).</source>
        <translation>500 Berichte pro Sekunde (2 ms).</translation>
    </message>
    <message>
        <source>1000 Hz</source>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <source>Report 1000 times a second (1 ms): the quickest response.</source>
        <translation>1000 Berichte pro Sekunde (1 ms): die schnellste Reaktion.</translation>
    </message>
    <message>
        <source>Lighting effect of the keyboard. Click to choose another.</source>
        <translation>Beleuchtungseffekt der Tastatur. Klicken um einen anderen zu wählen.</translation>
    </message>
    <message>
        <source>Lighting colour of the keyboard. Click to choose another.</source>
        <translation>Beleuchtungsfarbe der Tastatur. Klicken um eine andere zu wählen.</translation>
    </message>
    <message>
        <source>ENABLED</source>
        <translation>AKTIV</translation>
    </message>
    <message>
        <source>The Windows keys work as usual.</source>
        <translation>Die Windows-Tasten arbeiten wie gewohnt.</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>GESPERRT</translation>
    </message>
    <message>
        <source>The Windows keys are locked while you play.</source>
        <translation>Die Windows-Tasten sind beim Spielen gesperrt.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>Power saving is off.</source>
        <translation>Energiesparen ist aus.</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>The keyboard saves power when it is idle.</source>
        <translation>Die Tastatur spart Energie wenn sie ruht.</translation>
    </message>
</context>
<context>
    <name>SkinKeyMapping</name>
    <message>
        <source>KEY MAPPING</source>
        <translation>TASTENBELEGUNG</translation>
    </message>
    <message>
        <source>Click a key to make it send another key or a mouse function. Remapped keys stay lit.</source>
        <translation>Klicken Sie auf eine Taste, um sie neu zu belegen. Neu belegte Tasten leuchten.</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>CAPS</source>
        <translation>FEST</translation>
    </message>
    <message>
        <source>SCROLL</source>
        <translation>ROLLEN</translation>
    </message>
    <message>
        <source>Remapped key</source>
        <translation>Neu belegt</translation>
    </message>
    <message>
        <source>Default key</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>%1 key. Click to make it send another key or a mouse function.</source>
        <translation>Taste %1. Klicken um ihr eine andere Taste oder eine Mausfunktion zu geben.</translation>
    </message>
</context>
<context>
    <name>SkinLaunchProgram</name>
    <message>
        <source>PROGRAM TO START WHEN THE KEY IS PRESSED</source>
        <translation>PROGRAMM, DAS DIE TASTE STARTET</translation>
    </message>
    <message>
        <source>Path of the program.</source>
        <translation>Pfad des Programms.</translation>
    </message>
    <message>
        <source>BROWSE...</source>
        <translation>DURCHSUCHEN...</translation>
    </message>
    <message>
        <source>Choose the program in a file dialog.</source>
        <translation>Das Programm in einem Dateidialog wählen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Use this program.</source>
        <translation>Dieses Programm verwenden.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>Die Taste unverändert lassen.</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>Die Taste unverändert lassen und schließen.</translation>
    </message>
    <message>
        <source>LAUNCH PROGRAM</source>
        <translation>PROGRAMM STARTEN</translation>
    </message>
</context>
<context>
    <name>SkinMacroKeys</name>
    <message>
        <source>MACRO KEYS</source>
        <translation>MAKROTASTEN</translation>
    </message>
    <message>
        <source>Click a key to give it a macro, a key combination, a program, a media function or a mouse button.</source>
        <translation>Taste anklicken: Makro, Tastenkombination, Programm, Medienfunktion oder Maustaste zuweisen.</translation>
    </message>
    <message>
        <source>G9 to G14 are the media keys: the Media Keys page shows the same six keys.</source>
        <translation>G9 bis G14 sind die Medientasten: Die Seite Medientasten zeigt dieselben sechs Tasten.</translation>
    </message>
    <message>
        <source>Programmable key G%1. Click to choose what it does.</source>
        <translation>Programmierbare Taste G%1. Klicken um ihre Funktion zu wählen.</translation>
    </message>
</context>
<context>
    <name>SkinMacroManager</name>
    <message>
        <source>MACROS</source>
        <translation>MAKROS</translation>
    </message>
    <message>
        <source>EVENTS</source>
        <translation>EREIGNISSE</translation>
    </message>
    <message>
        <source>TIMES</source>
        <translation>MAL</translation>
    </message>
    <message>
        <source>Right-click the event list to record before or after a step, insert delays and mouse buttons, edit or delete.</source>
        <translation>Rechtsklick in die Ereignisliste: vor oder nach einem Schritt aufnehmen, Verzögerungen und Maustasten einfügen, bearbeiten oder löschen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keep the changes to the macro library.</source>
        <translation>Die Änderungen an der Makrobibliothek behalten.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Discard the changes to the macro library.</source>
        <translation>Die Änderungen an der Makrobibliothek verwerfen.</translation>
    </message>
    <message>
        <source>Discard the changes and close.</source>
        <translation>Die Änderungen verwerfen und schließen.</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NEU</translation>
    </message>
    <message>
        <source>Create a new macro and name it.</source>
        <translation>Ein neues Makro anlegen und benennen.</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>Delete the selected macro.</source>
        <translation>Das gewählte Makro löschen.</translation>
    </message>
    <message>
        <source>Macros of the library.</source>
        <translation>Makros der Bibliothek.</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>AUFNEHMEN</translation>
    </message>
    <message>
        <source>Record the keys you press into the selected macro. Click again to stop.</source>
        <translation>Die gedrückten Tasten in das gewählte Makro aufnehmen. Erneut klicken zum Beenden.</translation>
    </message>
    <message>
        <source>RECORD DELAYS</source>
        <translation>MIT PAUSEN</translation>
    </message>
    <message>
        <source>Record the pauses between the keys as delays.</source>
        <translation>Die Pausen zwischen den Tasten als Verzögerungen aufnehmen.</translation>
    </message>
    <message>
        <source>REPEAT</source>
        <translation>WIEDERHOLEN</translation>
    </message>
    <message>
        <source>Play the macro more than once each time the key is pressed.</source>
        <translation>Das Makro bei jedem Tastendruck mehrmals abspielen.</translation>
    </message>
    <message>
        <source>How many times the macro plays (1-255).</source>
        <translation>Wie oft das Makro abläuft (1-255).</translation>
    </message>
    <message>
        <source>Steps of the selected macro. Right-click for more.</source>
        <translation>Schritte des gewählten Makros. Rechtsklick für mehr.</translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation>MAKROVERWALTUNG</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
</context>
<context>
    <name>SkinMain</name>
    <message>
        <source>GAMING KEYBOARD CONTROL CENTER</source>
        <translation>STEUERZENTRALE FÜR GAMING-TASTATUR</translation>
    </message>
    <message>
        <source>PROFILES</source>
        <translation>PROFILE</translation>
    </message>
    <message>
        <source>KEY MAPPING</source>
        <translation>TASTENBELEGUNG</translation>
    </message>
    <message>
        <source>Remap the standard keys of the keyboard.</source>
        <translation>Die Standardtasten der Tastatur neu belegen.</translation>
    </message>
    <message>
        <source>MACRO KEYS</source>
        <translation>MAKROTASTEN</translation>
    </message>
    <message>
        <source>Give the programmable keys macros and functions.</source>
        <translation>Den programmierbaren Tasten Makros und Funktionen geben.</translation>
    </message>
    <message>
        <source>MEDIA KEYS</source>
        <translation>MEDIENTASTEN</translation>
    </message>
    <message>
        <source>Give the media keys their functions and choose the media player they control.</source>
        <translation>Funktionen der Medientasten und der von ihnen gesteuerte Mediaplayer.</translation>
    </message>
    <message>
        <source>ADVANCED</source>
        <translation>ERWEITERT</translation>
    </message>
    <message>
        <source>Polling rate; lighting; Windows key lock and power saving.</source>
        <translation>Abfragerate; Beleuchtung; Windows-Tastensperre und Energiesparen.</translation>
    </message>
    <message>
        <source>Orvyn Vantor gaming keyboard.</source>
        <translation>Orvyn Vantor Gaming-Tastatur.</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NEU</translation>
    </message>
    <message>
        <source>Start the current profile afresh with a new name and game program.</source>
        <translation>Das aktuelle Profil mit neuem Namen und Spielprogramm neu beginnen.</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <source>Load a profile file into the current profile.</source>
        <translation>Eine Profildatei in das aktuelle Profil laden.</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORT</translation>
    </message>
    <message>
        <source>Save the current profile to a profile file.</source>
        <translation>Das aktuelle Profil in einer Profildatei speichern.</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>ÄNDERN</translation>
    </message>
    <message>
        <source>Change the name and the game program of the current profile.</source>
        <translation>Namen und Spielprogramm des aktuellen Profils ändern.</translation>
    </message>
    <message>
        <source>PROFILE 1</source>
        <translation>PROFIL 1</translation>
    </message>
    <message>
        <source>Show and edit profile 1.</source>
        <translation>Profil 1 anzeigen und bearbeiten.</translation>
    </message>
    <message>
        <source>PROFILE 2</source>
        <translation>PROFIL 2</translation>
    </message>
    <message>
        <source>Show and edit profile 2.</source>
        <translation>Profil 2 anzeigen und bearbeiten.</translation>
    </message>
    <message>
        <source>PROFILE 3</source>
        <translation>PROFIL 3</translation>
    </message>
    <message>
        <source>Show and edit profile 3.</source>
        <translation>Profil 3 anzeigen und bearbeiten.</translation>
    </message>
    <message>
        <source>PROFILE 4</source>
        <translation>PROFIL 4</translation>
    </message>
    <message>
        <source>Show and edit profile 4.</source>
        <translation>Profil 4 anzeigen und bearbeiten.</translation>
    </message>
    <message>
        <source>PROFILE 5</source>
        <translation>PROFIL 5</translation>
    </message>
    <message>
        <source>Show and edit profile 5.</source>
        <translation>Profil 5 anzeigen und bearbeiten.</translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation>MAKROVERWALTUNG</translation>
    </message>
    <message>
        <source>Record and edit the macros of the macro library.</source>
        <translation>Die Makros der Makrobibliothek aufnehmen und bearbeiten.</translation>
    </message>
    <message>
        <source>Minimize the window.</source>
        <translation>Das Fenster minimieren.</translation>
    </message>
    <message>
        <source>Close without applying changes.</source>
        <translation>Schließen ohne die Änderungen zu übernehmen.</translation>
    </message>
    <message>
        <source>Open the user manual.</source>
        <translation>Das Benutzerhandbuch öffnen.</translation>
    </message>
    <message>
        <source>Visit the Orvyn Vantor web page.</source>
        <translation>Die Webseite von Orvyn Vantor besuchen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Write the changes to the keyboard and close.</source>
        <translation>Die Änderungen an die Tastatur senden und schließen.</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>ÜBERNEHMEN</translation>
    </message>
    <message>
        <source>Write the changes to the keyboard.</source>
        <translation>Die Änderungen an die Tastatur senden.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>RESTORE DEFAULTS</source>
        <translation>WERKSEINSTELLUNGEN</translation>
    </message>
    <message>
        <source>Restore the factory settings of all five profiles.</source>
        <translation>Die Werkseinstellungen aller fünf Profile wiederherstellen.</translation>
    </message>
</context>
<context>
    <name>SkinMediaKeys</name>
    <message>
        <source>MEDIA KEYS</source>
        <translation>MEDIENTASTEN</translation>
    </message>
    <message>
        <source>Click a media key to choose its function. The media keys drive the player chosen on the right.</source>
        <translation>Medientaste anklicken, um ihre Funktion zu wählen. Sie steuern den rechts gewählten Player.</translation>
    </message>
    <message>
        <source>KEYS</source>
        <translation>TASTEN</translation>
    </message>
    <message>
        <source>MEDIA PLAYER</source>
        <translation>MEDIAPLAYER</translation>
    </message>
    <message>
        <source>M1 to M6 are keys G9 to G14 of the Macro Keys page.</source>
        <translation>M1 bis M6 sind die Tasten G9 bis G14 der Seite Makrotasten.</translation>
    </message>
    <message>
        <source>The media keys control this player:</source>
        <translation>Die Medientasten steuern diesen Player:</translation>
    </message>
    <message>
        <source>Play, pause, stop and track keys go to the chosen player when it is running.</source>
        <translation>Wiedergabe, Pause, Stopp und Titelwahl gehen an den gewählten Player, wenn er läuft.</translation>
    </message>
    <message>
        <source>Media key M%1. Click to choose what it does.</source>
        <translation>Medientaste M%1. Klicken um ihre Funktion zu wählen.</translation>
    </message>
    <message>
        <source>The media player that the media keys control. Click to choose another.</source>
        <translation>Von den Medientasten gesteuerter Mediaplayer. Klicken um einen anderen zu wählen.</translation>
    </message>
</context>
<context>
    <name>SkinProfile</name>
    <message>
        <source>PROFILE NAME</source>
        <translation>PROFILNAME</translation>
    </message>
    <message>
        <source>GAME PROGRAM</source>
        <translation>SPIELPROGRAMM</translation>
    </message>
    <message>
        <source>Matched by file name only (like game.exe): when it comes to the front, this profile is used.</source>
        <translation>Nur der Dateiname zählt (wie game.exe): Ist das Spiel vorn, gilt dieses Profil.</translation>
    </message>
    <message>
        <source>Name of the profile (20 characters).</source>
        <translation>Name des Profils (20 Zeichen).</translation>
    </message>
    <message>
        <source>The game: a program of this file name in front selects this profile.</source>
        <translation>Das Spiel: Ein Programm dieses Dateinamens im Vordergrund wählt dieses Profil.</translation>
    </message>
    <message>
        <source>BROWSE...</source>
        <translation>DURCHSUCHEN...</translation>
    </message>
    <message>
        <source>Choose the game program in a file dialog.</source>
        <translation>Das Spielprogramm in einem Dateidialog wählen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keep the name and the game program.</source>
        <translation>Namen und Spielprogramm übernehmen.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Leave the profile as it was.</source>
        <translation>Das Profil unverändert lassen.</translation>
    </message>
    <message>
        <source>Leave the profile as it was and close.</source>
        <translation>Das Profil unverändert lassen und schließen.</translation>
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
        <translation>TASTE DRÜCKEN</translation>
    </message>
    <message>
        <source>WITH</source>
        <translation>MIT</translation>
    </message>
    <message>
        <source>Every key is recorded; hold Ctrl, Shift, Alt or Win with it for a combination. Hold Enter 1 s: OK; hold Esc 1 s: cancel.</source>
        <translation>Jede Taste zählt; für eine Kombination Strg, Umschalt, Alt oder Win dazu halten. Eingabe 1 s: OK; Esc 1 s: Abbrechen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Use this key combination.</source>
        <translation>Diese Tastenkombination verwenden.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>Die Taste unverändert lassen.</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>Die Taste unverändert lassen und schließen.</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>KEINE</translation>
    </message>
    <message>
        <source>The key alone without a modifier.</source>
        <translation>Die Taste allein ohne Zusatztaste.</translation>
    </message>
    <message>
        <source>CTRL</source>
        <translation>STRG</translation>
    </message>
    <message>
        <source>Hold Ctrl with the key.</source>
        <translation>Strg mit der Taste halten.</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>UMSCH.</translation>
    </message>
    <message>
        <source>Hold Shift with the key.</source>
        <translation>Umschalt mit der Taste halten.</translation>
    </message>
    <message>
        <source>ALT</source>
        <translation>ALT</translation>
    </message>
    <message>
        <source>Hold Alt with the key.</source>
        <translation>Alt mit der Taste halten.</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>WIN</translation>
    </message>
    <message>
        <source>Hold the Windows key with the key.</source>
        <translation>Die Windows-Taste mit der Taste halten.</translation>
    </message>
    <message>
        <source>The key of the combination.</source>
        <translation>Die Taste der Kombination.</translation>
    </message>
    <message>
        <source>KEY COMBINATION</source>
        <translation>TASTENKOMBINATION</translation>
    </message>
</context>
<context>
    <name>SkinSwapKey</name>
    <message>
        <source>THIS KEY NOW SENDS</source>
        <translation>DIESE TASTE SENDET JETZT</translation>
    </message>
    <message>
        <source>KEY: press the key it should send. MOUSE: choose a mouse function. Hold Enter 1 s: OK; hold Esc 1 s: cancel.</source>
        <translation>TASTE: die zu sendende Taste drücken. MAUS: eine Mausfunktion wählen. Eingabe 1 s halten: OK; Esc 1 s halten: Abbrechen.</translation>
    </message>
    <message>
        <source>The key it will send.</source>
        <translation>Künftig gesendete Taste.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Remap the key.</source>
        <translation>Die Taste neu belegen.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>Die Taste unverändert lassen.</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>Die Taste unverändert lassen und schließen.</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>STANDARD</translation>
    </message>
    <message>
        <source>Give the key back its own function.</source>
        <translation>Der Taste ihre eigene Funktion zurückgeben.</translation>
    </message>
    <message>
        <source>Choose the mouse function.</source>
        <translation>Die Mausfunktion wählen.</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>TASTE</translation>
    </message>
    <message>
        <source>The key sends another key.</source>
        <translation>Die Taste sendet eine andere Taste.</translation>
    </message>
    <message>
        <source>MOUSE</source>
        <translation>MAUS</translation>
    </message>
    <message>
        <source>The key acts as a mouse button.</source>
        <translation>Die Taste wirkt als Maustaste.</translation>
    </message>
    <message>
        <source>SWAP KEY</source>
        <translation>TASTE UMBELEGEN</translation>
    </message>
</context>
<context>
    <name>SkinWarnings</name>
    <message>
        <source>DELETE MACRO</source>
        <translation>MAKRO LÖSCHEN</translation>
    </message>
    <message>
        <source>Delete the selected macro?</source>
        <translation>Das gewählte Makro löschen?</translation>
    </message>
    <message>
        <source>It is removed from the macro library. Cancel in the macro manager brings it back.</source>
        <translation>Es wird aus der Makrobibliothek entfernt. Abbrechen in der Makroverwaltung holt es zurück.</translation>
    </message>
    <message>
        <source>Delete the macro.</source>
        <translation>Das Makro löschen.</translation>
    </message>
    <message>
        <source>Keep the macro.</source>
        <translation>Das Makro behalten.</translation>
    </message>
    <message>
        <source>NO MACRO SELECTED</source>
        <translation>KEIN MAKRO GEWÄHLT</translation>
    </message>
    <message>
        <source>Select a macro first.</source>
        <translation>Wählen Sie zuerst ein Makro.</translation>
    </message>
    <message>
        <source>Choose a macro in the list or create one with NEW.</source>
        <translation>Wählen Sie ein Makro in der Liste oder legen Sie eines mit NEU an.</translation>
    </message>
    <message>
        <source>Close this message.</source>
        <translation>Diese Meldung schließen.</translation>
    </message>
    <message>
        <source>RESTORE DEFAULTS</source>
        <translation>WERKSEINSTELLUNGEN</translation>
    </message>
    <message>
        <source>Restore the factory settings?</source>
        <translation>Werkseinstellungen wiederherstellen?</translation>
    </message>
    <message>
        <source>All five profiles return to their defaults and are written to the keyboard at once.</source>
        <translation>Alle fünf Profile kehren zu ihren Standardwerten zurück und werden sofort an die Tastatur gesendet.</translation>
    </message>
    <message>
        <source>Restore the factory settings.</source>
        <translation>Die Werkseinstellungen wiederherstellen.</translation>
    </message>
    <message>
        <source>Keep the current settings.</source>
        <translation>Die aktuellen Einstellungen behalten.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
</context>
<context>
    <name>StandardKeyPage</name>
    <message>
        <source>Key %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>key code %1</source>
        <translation>Tastencode %1</translation>
    </message>
    <message>
        <source>%1, sends %2</source>
        <translation>%1, sendet %2</translation>
    </message>
</context>
<context>
    <name>UserManual</name>
    <message>
        <source>User Manual</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Profiles, keys, macros and lighting of the keyboard, set up from the Linux desktop</source>
        <translation>Profile, Tasten, Makros und Beleuchtung der Tastatur, eingerichtet vom Linux-Desktop aus</translation>
    </message>
    <message>
        <source>The chapters that follow are in English.</source>
        <translation>Die folgenden Kapitel sind auf Englisch.</translation>
    </message>
</context>
<context>
    <name>vantorctl</name>
    <message>
        <source>Another change is in progress (Option&apos;s window or another vantorctl command), so nothing was changed: two editors of one configuration would overwrite each other. Close Option or wait for the other command, then try again.</source>
        <translation>Eine andere Änderung läuft gerade (das Fenster von Option oder ein anderer vantorctl-Befehl), daher wurde nichts geändert: Zwei Bearbeiter einer Konfiguration würden sich gegenseitig überschreiben. Schließen Sie Option oder warten Sie auf den anderen Befehl und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Another program receives Option&apos;s messages, so nothing was changed. Close Option and try again.</source>
        <translation>Ein anderes Programm empfängt die Nachrichten von Option, daher wurde nichts geändert. Schließen Sie Option und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Cannot receive Monitor&apos;s answer: %1</source>
        <translation>Die Antwort von Monitor kann nicht empfangen werden: %1</translation>
    </message>
    <message>
        <source>The keyboard refused some changes. The settings files hold them, but the keyboard did not take them.</source>
        <translation>Die Tastatur hat einige Änderungen abgelehnt. Die Einstellungsdateien enthalten sie, aber die Tastatur hat sie nicht übernommen.</translation>
    </message>
    <message>
        <source>The keyboard refused some changes: %1. The settings files hold them, but the keyboard did not take them.</source>
        <translation>Die Tastatur hat einige Änderungen abgelehnt: %1. Die Einstellungsdateien enthalten sie, aber die Tastatur hat sie nicht übernommen.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation>„%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Cannot read standard input: %1</source>
        <translation>Die Standardeingabe kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The document on standard input is larger than a profile document can be.</source>
        <translation>Das Dokument auf der Standardeingabe ist größer, als ein Profildokument sein kann.</translation>
    </message>
    <message>
        <source>set needs a profile and at least one KEY=VALUE.</source>
        <translation>set braucht ein Profil und mindestens ein KEY=VALUE.</translation>
    </message>
    <message>
        <source>assign needs a profile, a key and what the key does.</source>
        <translation>assign braucht ein Profil, eine Taste und das, was die Taste tun soll.</translation>
    </message>
    <message>
        <source>default takes nothing after it.</source>
        <translation>Nach default folgt nichts mehr.</translation>
    </message>
    <message>
        <source>program takes one path (quote a path with blanks).</source>
        <translation>program nimmt einen Pfad (einen Pfad mit Leerzeichen in Anführungszeichen setzen).</translation>
    </message>
    <message>
        <source>No program &quot;%1&quot; was found in PATH; give its full path (or ./%1 for one in the current folder).</source>
        <translation>Im PATH wurde kein Programm „%1“ gefunden; geben Sie seinen vollständigen Pfad an (oder ./%1 für eines im aktuellen Ordner).</translation>
    </message>
    <message>
        <source>Cannot make a full path of &quot;%1&quot;.</source>
        <translation>Aus „%1“ lässt sich kein vollständiger Pfad bilden.</translation>
    </message>
    <message>
        <source>The path &quot;%1&quot; is longer than the %2 bytes a key holds.</source>
        <translation>Der Pfad „%1“ ist länger als die %2 Bytes, die eine Taste fasst.</translation>
    </message>
    <message>
        <source>note: &quot;%1&quot; does not exist (yet); the key starts it once it does.</source>
        <translation>Hinweis: „%1“ existiert (noch) nicht; die Taste startet es, sobald es existiert.</translation>
    </message>
    <message>
        <source>macro takes the name of a macro of the library (vantorctl macros).</source>
        <translation>macro nimmt den Namen eines Makros der Bibliothek (vantorctl macros).</translation>
    </message>
    <message>
        <source>Unknown assignment &quot;%1&quot;: use macro NAME, keys COMBINATION, program PATH, media NAME, mouse NAME or default.</source>
        <translation>Unbekannte Belegung „%1“: Verwenden Sie macro NAME, keys COMBINATION, program PATH, media NAME, mouse NAME oder default.</translation>
    </message>
    <message>
        <source>export needs a profile and a file.</source>
        <translation>export braucht ein Profil und eine Datei.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source> The file that was there is left as it was.</source>
        <translation> Die vorhandene Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>import needs a profile and a file.</source>
        <translation>import braucht ein Profil und eine Datei.</translation>
    </message>
    <message>
        <source>standard input is not a usable profile document: %1. Nothing was imported.</source>
        <translation>Die Standardeingabe ist kein brauchbares Profildokument: %1. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a usable profile document: %2. Nothing was imported.</source>
        <translation>„%1“ ist kein brauchbares Profildokument: %2. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>--wait takes a number of seconds (more than 0, at most a day).</source>
        <translation>--wait nimmt eine Anzahl Sekunden (mehr als 0, höchstens einen Tag).</translation>
    </message>
    <message>
        <source>Usage: %1 %2 (see %1 --help)
</source>
        <translation>Aufruf: %1 %2 (siehe %1 --help)
</translation>
    </message>
    <message>
        <source>Which profile (1-5)?</source>
        <translation>Welches Profil (1-5)?</translation>
    </message>
    <message>
        <source>keyboard, firmware, current profile, whether Monitor runs</source>
        <translation>Tastatur, Firmware, aktuelles Profil, ob Monitor läuft</translation>
    </message>
    <message>
        <source>Shows whether Monitor runs and has the keyboard, the firmware version and the current profile. Exit status 0 when Monitor runs with the keyboard connected, 2 otherwise.</source>
        <translation>Zeigt, ob Monitor läuft und die Tastatur hat, die Firmware-Version und das aktuelle Profil. Exit-Status 0, wenn Monitor mit angeschlossener Tastatur läuft, sonst 2.</translation>
    </message>
    <message>
        <source>show the current profile, or switch to profile N (1-5)</source>
        <translation>das aktuelle Profil zeigen oder zu Profil N (1-5) wechseln</translation>
    </message>
    <message>
        <source>Without N: prints the current profile&apos;s number and name. With N: makes profile N current on the keyboard.</source>
        <translation>Ohne N: gibt Nummer und Namen des aktuellen Profils aus. Mit N: macht Profil N auf der Tastatur zum aktuellen.</translation>
    </message>
    <message>
        <source>a profile&apos;s lighting, polling rate, switches, keys and remapped keys</source>
        <translation>Beleuchtung, Abfragerate, Schalter, Tasten und umbelegte Tasten eines Profils</translation>
    </message>
    <message>
        <source>Shows a profile (the current one when none is given): lighting effect and colour, polling rate, Windows-key lock, power saving, what each programmable key G1-G15 does (as the window&apos;s captions say it) and the remapped standard keys. With --json: the whole profile as a JSON document.</source>
        <translation>Zeigt ein Profil (das aktuelle, wenn keines angegeben ist): Beleuchtungseffekt und -farbe, Abfragerate, Windows-Tastensperre, Energiesparen, was jede programmierbare Taste G1-G15 tut (wie es die Beschriftungen des Fensters sagen) und die umbelegten Standardtasten. Mit --json: das ganze Profil als JSON-Dokument.</translation>
    </message>
    <message>
        <source>lighting, polling rate, Windows-key lock, power saving, name, game</source>
        <translation>Beleuchtung, Abfragerate, Windows-Tastensperre, Energiesparen, Name, Spiel</translation>
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
        <translation>Ändert Einstellungen eines Profils und übernimmt sie:
  effect=static|breathing|wave|reactive|ripple|lights-off  Beleuchtungseffekt
  colour=red|green|blue|yellow|purple|cyan|colour-cycle|1-7 Beleuchtungsfarbe
  polling=125|500|1000        Abfragerate in Hz
  winlock=on|off              Windows-Tastensperre
  powersaving=on|off          Energiesparen
  name=TEXT                   Profilname (20 Zeichen)
  game=PATH                   das Spiel, dessen Fenster dieses Profil auswählt</translation>
    </message>
    <message>
        <source>what a programmable key does</source>
        <translation>was eine programmierbare Taste tut</translation>
    </message>
    <message>
        <source>a profile into a .gkp profile file, or a JSON document</source>
        <translation>ein Profil in eine .gkp-Profildatei oder ein JSON-Dokument</translation>
    </message>
    <message>
        <source>Writes a profile into a profile file (.gkp, as the window&apos;s EXPORT does: its name is noted in config.ini and a copy kept in the settings folder), or with --json, a FILE ending in .json, or FILE &quot;-&quot; (standard output) as a JSON document.</source>
        <translation>Schreibt ein Profil in eine Profildatei (.gkp, wie EXPORT im Fenster: ihr Name wird in config.ini vermerkt und eine Kopie im Einstellungsordner behalten) oder mit --json, einer FILE auf .json oder FILE „-“ (Standardausgabe) als JSON-Dokument.</translation>
    </message>
    <message>
        <source>a profile from a .gkp profile file or a JSON document, and apply it</source>
        <translation>ein Profil aus einer .gkp-Profildatei oder einem JSON-Dokument, und übernehmen</translation>
    </message>
    <message>
        <source>Replaces a profile by a profile file (.gkp, as the window&apos;s IMPORT does) or with --json, a FILE ending in .json, or FILE &quot;-&quot; (standard input) by a JSON document, and applies the whole profile. A file that is not usable changes nothing.</source>
        <translation>Ersetzt ein Profil durch eine Profildatei (.gkp, wie IMPORT im Fenster) oder mit --json, einer FILE auf .json oder FILE „-“ (Standardeingabe), durch ein JSON-Dokument und übernimmt das ganze Profil. Eine unbrauchbare Datei ändert nichts.</translation>
    </message>
    <message>
        <source>the macro library</source>
        <translation>die Makrobibliothek</translation>
    </message>
    <message>
        <source>Lists the macros of the library: name, steps, repeat.</source>
        <translation>Listet die Makros der Bibliothek auf: Name, Schritte, Wiederholung.</translation>
    </message>
    <message>
        <source>the names assign accepts</source>
        <translation>die Namen, die assign annimmt</translation>
    </message>
    <message>
        <source>Lists the function names of assign ... media and assign ... mouse, and the key names of assign ... keys, one a line.</source>
        <translation>Listet die Funktionsnamen von assign ... media und assign ... mouse und die Tastennamen von assign ... keys auf, einen je Zeile.</translation>
    </message>
    <message>
        <source>%1 takes on or off, not %2.</source>
        <translation>%1 nimmt on oder off, nicht %2.</translation>
    </message>
    <message>
        <source>Unknown lighting effect %1: use one of %2 (or 1, 2, 4, 8, 16, 32).</source>
        <translation>Unbekannter Beleuchtungseffekt %1: Verwenden Sie einen von %2 (oder 1, 2, 4, 8, 16, 32).</translation>
    </message>
    <message>
        <source>Colour %1 is out of range: use 1-7 or one of %2.</source>
        <translation>Farbe %1 liegt außerhalb des Bereichs: Verwenden Sie 1-7 oder eine von %2.</translation>
    </message>
    <message>
        <source>Unknown colour %1: use one of %2 (or 1-7).</source>
        <translation>Unbekannte Farbe %1: Verwenden Sie eine von %2 (oder 1-7).</translation>
    </message>
    <message>
        <source>Polling rate %1 is not one of 125, 500, 1000 (Hz).</source>
        <translation>Die Abfragerate %1 ist keine von 125, 500, 1000 (Hz).</translation>
    </message>
    <message>
        <source>Profile %1 does not exist: profiles are 1-5.</source>
        <translation>Profil %1 existiert nicht: Die Profile sind 1-5.</translation>
    </message>
    <message>
        <source>Unknown key %1: the programmable keys are G1-G15.</source>
        <translation>Unbekannte Taste %1: Die programmierbaren Tasten sind G1-G15.</translation>
    </message>
    <message>
        <source>Expected KEY=VALUE, not %1.</source>
        <translation>KEY=VALUE erwartet, nicht %1.</translation>
    </message>
    <message>
        <source>The game program&apos;s path is longer than the %1 bytes a profile holds.</source>
        <translation>Der Pfad des Spielprogramms ist länger als die %1 Bytes, die ein Profil fasst.</translation>
    </message>
    <message>
        <source>Unknown setting %1: use effect, colour, polling, winlock, powersaving, name or game.</source>
        <translation>Unbekannte Einstellung %1: Verwenden Sie effect, colour, polling, winlock, powersaving, name oder game.</translation>
    </message>
    <message>
        <source>The mouse button %1 can only be a step of a macro, not a key&apos;s combination.</source>
        <translation>Die Maustaste %1 kann nur ein Schritt eines Makros sein, nicht die Kombination einer Taste.</translation>
    </message>
    <message>
        <source>Unknown media function %1: use one of %2.</source>
        <translation>Unbekannte Medienfunktion %1: Verwenden Sie eine von %2.</translation>
    </message>
    <message>
        <source>Unknown mouse function %1: use one of %2.</source>
        <translation>Unbekannte Mausfunktion %1: Verwenden Sie eine von %2.</translation>
    </message>
    <message>
        <source>status takes no arguments.</source>
        <translation>status nimmt keine Argumente.</translation>
    </message>
    <message>
        <source>profile takes at most one profile number.</source>
        <translation>profile nimmt höchstens eine Profilnummer.</translation>
    </message>
    <message>
        <source>show takes at most one profile number.</source>
        <translation>show nimmt höchstens eine Profilnummer.</translation>
    </message>
    <message>
        <source>macros takes no arguments.</source>
        <translation>macros nimmt keine Argumente.</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole: %2.</source>
        <translation>Die Makrobibliothek %1 kann nicht vollständig gelesen werden: %2.</translation>
    </message>
    <message>
        <source>functions takes one of media, mouse, keys.</source>
        <translation>functions nimmt eines von media, mouse, keys.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>JSON instead of text (the schema is in the manual page).</source>
        <translation>JSON statt Text (das Schema steht in der Handbuchseite).</translation>
    </message>
    <message>
        <source>Waits at most SECONDS for Monitor to confirm that the keyboard took the change (default 40 minutes, longer than the slowest apply).</source>
        <translation>Wartet höchstens SECONDS darauf, dass Monitor bestätigt, dass die Tastatur die Änderung übernommen hat (Standard 40 Minuten, länger als das langsamste Übernehmen).</translation>
    </message>
    <message>
        <source>Exit status: 0 done; 1 bad input (nothing changed); 2 Monitor not running, no keyboard or no answer (the settings files are saved); 3 Option is open or another change is in progress (changing commands refuse); 4 settings could not be saved (the message names the file; the keyboard may have taken the change); 5 the keyboard refused part of the change (the message names the settings; the files are saved).
</source>
        <translation>Exit-Status: 0 erledigt; 1 fehlerhafte Eingabe (nichts geändert); 2 Monitor läuft nicht, keine Tastatur oder keine Antwort (die Einstellungsdateien sind gespeichert); 3 Option ist offen oder eine andere Änderung läuft (ändernde Befehle lehnen ab); 4 Einstellungen konnten nicht gespeichert werden (die Meldung nennt die Datei; die Tastatur hat die Änderung vielleicht übernommen); 5 die Tastatur hat einen Teil der Änderung abgelehnt (die Meldung nennt die Einstellungen; die Dateien sind gespeichert).
</translation>
    </message>
    <message>
        <source>Usage: vantorctl COMMAND [ARGUMENTS] [--help]

Reads and changes the Orvyn Vantor keyboard&apos;s configuration as the Option window does. Changes are applied
before the command returns.

Commands:
</source>
        <translation>Aufruf: vantorctl COMMAND [ARGUMENTS] [--help]

Liest und ändert die Konfiguration der Orvyn Vantor Tastatur wie das Fenster von Option. Änderungen werden
übernommen, bevor der Befehl zurückkehrt.

Befehle:
</translation>
    </message>
    <message>
        <source>
Reading commands work while Option is open; changing commands (profile N, set, assign, import) refuse.
</source>
        <translation>
Lesende Befehle funktionieren, während Option offen ist; ändernde Befehle (profile N, set, assign, import) lehnen ab.
</translation>
    </message>
    <message>
        <source>See vantorctl COMMAND --help and man vantorctl.
</source>
        <translation>Siehe vantorctl COMMAND --help und man vantorctl.
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Unbekannter Befehl „%1“.</translation>
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
        <translation>Gibt der programmierbaren Taste G1-G15 eines Profils eine Funktion und übernimmt sie:
  macro NAME         ein Makro der Bibliothek (vantorctl macros)
  keys COMBINATION   eine Tastenkombination mit den englischen Tastennamen: Ctrl+Alt+X, Shift+Page Down
  program PATH       startet ein Programm (oder eine .desktop-Datei)
  media NAME         eine Medien- oder Anwendungsfunktion: Play/Pause, Volume Up, Calculator, ...
  mouse NAME         eine Mausfunktion: Left Button, Double Click, Key Disabled, ...
  default            die Werkseinstellung der Taste
Groß- und Kleinschreibung der Namen spielt keine Rolle; vantorctl functions listet sie auf.</translation>
    </message>
    <message>
        <source>Unknown key %1 in %2: write it with the English key names, e.g. Ctrl+Alt+X or Shift+Page Down (vantorctl functions lists them).</source>
        <translation>Unbekannte Taste %1 in %2: Schreiben Sie sie mit den englischen Tastennamen, z. B. Ctrl+Alt+X oder Shift+Page Down (vantorctl functions listet sie auf).</translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation>unbekanntes Feld</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>expected a whole number</source>
        <translation>ganze Zahl erwartet</translation>
    </message>
    <message>
        <source>%1 is out of range (%2 to %3)</source>
        <translation>%1 liegt außerhalb des Bereichs (%2 bis %3)</translation>
    </message>
    <message>
        <source>expected a text</source>
        <translation>Text erwartet</translation>
    </message>
    <message>
        <source>longer than the %1 bytes the profile holds</source>
        <translation>länger als die %1 Bytes, die das Profil fasst</translation>
    </message>
    <message>
        <source>contains a NUL character</source>
        <translation>enthält ein NUL-Zeichen</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>Objekt erwartet</translation>
    </message>
    <message>
        <source>expected a list</source>
        <translation>Liste erwartet</translation>
    </message>
    <message>
        <source>%1 steps; a key holds at most 50</source>
        <translation>%1 Schritte; eine Taste fasst höchstens 50</translation>
    </message>
    <message>
        <source>%1 keys; a profile has 15 (G1-G15)</source>
        <translation>%1 Tasten; ein Profil hat 15 (G1-G15)</translation>
    </message>
    <message>
        <source>expected one of G1-G15</source>
        <translation>eine von G1-G15 erwartet</translation>
    </message>
    <message>
        <source>named twice</source>
        <translation>doppelt genannt</translation>
    </message>
    <message>
        <source>missing (type 3 is a macro)</source>
        <translation>fehlt (Typ 3 ist ein Makro)</translation>
    </message>
    <message>
        <source>given, but only a macro key (type 3) has one</source>
        <translation>angegeben, aber nur eine Makrotaste (Typ 3) hat eines</translation>
    </message>
    <message>
        <source>missing (type 11 starts a program)</source>
        <translation>fehlt (Typ 11 startet ein Programm)</translation>
    </message>
    <message>
        <source>given, but only a program key (type 11) has one</source>
        <translation>angegeben, aber nur eine Programmtaste (Typ 11) hat eines</translation>
    </message>
    <message>
        <source>position %1 is given twice</source>
        <translation>Position %1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>not valid JSON at byte %1: %2</source>
        <translation>kein gültiges JSON bei Byte %1: %2</translation>
    </message>
    <message>
        <source>expected a JSON object at the top</source>
        <translation>JSON-Objekt auf oberster Ebene erwartet</translation>
    </message>
    <message>
        <source>%1: given more than once</source>
        <translation>%1: mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>format: expected &quot;%1&quot; (not a profile document)</source>
        <translation>format: „%1“ erwartet (kein Profildokument)</translation>
    </message>
    <message>
        <source>this vantorctl reads version %1</source>
        <translation>dieses vantorctl liest Version %1</translation>
    </message>
    <message>
        <source>%1 values; a profile has 6</source>
        <translation>%1 Werte; ein Profil hat 6</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Profile %1: %2  (current)</source>
        <translation>Profil %1: %2  (aktuell)</translation>
    </message>
    <message>
        <source>Profile %1: %2</source>
        <translation>Profil %1: %2</translation>
    </message>
    <message>
        <source>Game program:</source>
        <translation>Spielprogramm:</translation>
    </message>
    <message>
        <source>Lighting effect:</source>
        <translation>Beleuchtungseffekt:</translation>
    </message>
    <message>
        <source>Lighting colour:</source>
        <translation>Beleuchtungsfarbe:</translation>
    </message>
    <message>
        <source>Polling rate:</source>
        <translation>Abfragerate:</translation>
    </message>
    <message>
        <source>Windows-key lock:</source>
        <translation>Windows-Tastensperre:</translation>
    </message>
    <message>
        <source>Power saving:</source>
        <translation>Energiesparen:</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Tasten:</translation>
    </message>
    <message>
        <source>Remapped standard keys: none</source>
        <translation>Umbelegte Standardtasten: keine</translation>
    </message>
    <message>
        <source>Remapped standard keys:</source>
        <translation>Umbelegte Standardtasten:</translation>
    </message>
    <message>
        <source>unknown (Monitor is not running)</source>
        <translation>unbekannt (Monitor läuft nicht)</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>verbunden</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>nicht verbunden</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Monitor:</source>
        <translation>Monitor:</translation>
    </message>
    <message>
        <source>running</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>läuft nicht</translation>
    </message>
    <message>
        <source>Keyboard:</source>
        <translation>Tastatur:</translation>
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
        <translation>geöffnet</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>nicht geöffnet</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A refused setting&apos;s reason (already translated) as a sentence.</extracomment>
        <translation>%1.</translation>
    </message>
</context>
</TS>
