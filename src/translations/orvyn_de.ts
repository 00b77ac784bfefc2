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
        <source>Ctrl</source>
        <translation>Strg</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Win</translation>
    </message>
    <message>
        <source>BackSpace</source>
        <translation>Rück</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>CapsLock</source>
        <translation>Feststell</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
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
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pos1</translation>
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
    <message>
        <source>Caps Lock</source>
        <translation>Feststell</translation>
    </message>
    <message>
        <source>PrtSc</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
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
</context>
</TS>
