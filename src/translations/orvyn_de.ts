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
    <name>KeyCaptureDialog</name>
    <message>
        <source>Every key you press is recorded. Hold Enter for one second for OK, hold Esc for one second to leave without a change.</source>
        <translation>Jede gedrückte Taste wird aufgenommen. Halten Sie Enter eine Sekunde lang für OK, halten Sie Esc eine Sekunde lang, um ohne Änderung zu schließen.</translation>
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
    <name>ShortcutDialog</name>
    <message>
        <source>Press the key with Ctrl, Shift, Alt or Win held to record the combination. </source>
        <translation>Drücken Sie die Taste mit gehaltener Strg-, Umschalt-, Alt- oder Win-Taste, um die Kombination aufzunehmen. </translation>
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
        <source>, sends </source>
        <translation>, sendet </translation>
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
        <source>Gives programmable key G1-G15 of a profile a function and applies it:
  macro NAME         a macro of the library (vantorctl macros)
  keys COMBINATION   a key combination as the window shows it: Ctrl+Alt+X, Shift+Page Down
  program PATH       starts a program (or a .desktop file)
  media NAME         a media or application function: Play/Pause, Volume Up, Calculator, ...
  mouse NAME         a mouse function: Left Button, Double Click, Key Disabled, ...
  default            the key&apos;s factory setting
Names are matched without regard to case; vantorctl functions lists them.</source>
        <translation>Gibt der programmierbaren Taste G1-G15 eines Profils eine Funktion und übernimmt sie:
  macro NAME         ein Makro der Bibliothek (vantorctl macros)
  keys COMBINATION   eine Tastenkombination, wie das Fenster sie zeigt: Ctrl+Alt+X, Shift+Page Down
  program PATH       startet ein Programm (oder eine .desktop-Datei)
  media NAME         eine Medien- oder Anwendungsfunktion: Play/Pause, Volume Up, Calculator, ...
  mouse NAME         eine Mausfunktion: Left Button, Double Click, Key Disabled, ...
  default            die Werkseinstellung der Taste
Groß- und Kleinschreibung der Namen spielt keine Rolle; vantorctl functions listet sie auf.</translation>
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
        <source>Unknown key %1 in %2: write it as the window shows it, e.g. Ctrl+Alt+X or Shift+Page Down (vantorctl functions lists the key names).</source>
        <translation>Unbekannte Taste %1 in %2: Schreiben Sie sie, wie das Fenster sie zeigt, z. B. Ctrl+Alt+X oder Shift+Page Down (vantorctl functions listet die Tastennamen auf).</translation>
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
</context>
</TS>
