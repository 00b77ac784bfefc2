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
</TS>
