<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Writing to the keyboard</source>
        <translation>Scrittura sulla tastiera in corso</translation>
    </message>
    <message>
        <source>Could not map view of file.</source>
        <translation>Impossibile mappare il file in memoria.</translation>
    </message>
    <message>
        <source>No program could show the user manual %1. Install a PDF viewer.</source>
        <translation>Nessun programma è riuscito a mostrare il manuale utente %1. Installa un visualizzatore PDF.</translation>
    </message>
    <message>
        <source>The user manual is missing. It was looked for at %1.</source>
        <translation>Il manuale utente non è stato trovato. È stato cercato in %1.</translation>
    </message>
</context>
<context>
    <name>ConnectionLine</name>
    <message>
        <source>Start Monitor</source>
        <translation>Avvia Monitor</translation>
    </message>
    <message>
        <source>Monitor is already running.</source>
        <translation>Monitor è già in esecuzione.</translation>
    </message>
    <message>
        <source>Monitor could not be started: %1</source>
        <translation>Impossibile avviare Monitor: %1</translation>
    </message>
</context>
<context>
    <name>ConnectionStatus</name>
    <message>
        <source>Keyboard connected</source>
        <translation>Tastiera collegata</translation>
    </message>
    <message>
        <source>No keyboard connected</source>
        <translation>Nessuna tastiera collegata</translation>
    </message>
    <message>
        <source>Starting Monitor...</source>
        <translation>Avvio di Monitor in corso...</translation>
    </message>
    <message>
        <source>Monitor is not running</source>
        <translation>Monitor non è in esecuzione</translation>
    </message>
    <message>
        <source>Saved to the keyboard</source>
        <translation>Salvato sulla tastiera</translation>
    </message>
    <message>
        <source>Saved; the keyboard is not connected</source>
        <translation>Salvato; la tastiera non è collegata</translation>
    </message>
</context>
<context>
    <name>DeviceAccessNotice</name>
    <message>
        <source>The keyboard is connected but cannot be opened</source>
        <translation>La tastiera è collegata ma non può essere aperta</translation>
    </message>
    <message>
        <source>The keyboard is connected, but this user may not use it</source>
        <translation>La tastiera è collegata, ma questo utente non può usarla</translation>
    </message>
    <message>
        <source>The udev rule %1 is installed: unplug and plug the keyboard, or run: sudo udevadm trigger. If the keyboard has other ids than [Device] in config.ini, set them in the rule as well.</source>
        <translation>La regola udev %1 è installata: scollega e ricollega la tastiera oppure esegui: sudo udevadm trigger. Se la tastiera ha id diversi da quelli di [Device] in config.ini, impostali anche nella regola.</translation>
    </message>
    <message>
        <source>Install the udev rule: %1</source>
        <translation>Installa la regola udev: %1</translation>
    </message>
</context>
<context>
    <name>DocumentOpener</name>
    <message>
        <source>No program could open %1.</source>
        <translation>Nessun programma è riuscito ad aprire %1.</translation>
    </message>
    <message>
        <source>No program to show PDF files is installed.</source>
        <translation>Non è installato alcun programma per mostrare i file PDF.</translation>
    </message>
    <message>
        <source>The PDF viewer could not show it.</source>
        <translation>Il visualizzatore PDF non è riuscito a mostrarlo.</translation>
    </message>
    <message>
        <source>The user manual could not be opened. %1

It is at:
%2</source>
        <translation>Impossibile aprire il manuale utente. %1

Si trova in:
%2</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
</context>
<context>
    <name>ForegroundChoice</name>
    <message>
        <source>per-game profiles on GNOME need the extension that tells which window is in front: run &quot;gnome-extensions enable %1&quot; and start Monitor again; until then only games running through XWayland switch the profile</source>
        <translation>i profili per gioco su GNOME richiedono l&apos;estensione che indica quale finestra è in primo piano: esegui “gnome-extensions enable %1” e riavvia Monitor; fino ad allora solo i giochi eseguiti tramite XWayland cambiano il profilo</translation>
    </message>
    <message>
        <source>per-game profiles on GNOME need the extension that tells which window is in front: run &quot;gnome-extensions enable %1&quot; and start Monitor again</source>
        <translation>i profili per gioco su GNOME richiedono l&apos;estensione che indica quale finestra è in primo piano: esegui “gnome-extensions enable %1” e riavvia Monitor</translation>
    </message>
</context>
<context>
    <name>KeyCaptureDialog</name>
    <message>
        <source>Every key you press is recorded. Hold Enter for one second for OK, hold Esc for one second to leave without a change.</source>
        <translation>Ogni tasto premuto viene registrato. Tieni premuto Invio per un secondo per OK, tieni premuto Esc per un secondo per uscire senza modifiche.</translation>
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
        <translation>Stamp</translation>
    </message>
    <message>
        <source>ScrLk</source>
        <translation>Bloc Scorr</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
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
        <translation>Invio</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Bloc Maiusc</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maiusc</translation>
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
        <translation>Canc</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>Pag su</translation>
    </message>
    <message>
        <source>PgDn</source>
        <translation>Pag giù</translation>
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
        <translation>Bloc Maiusc</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Page UP</source>
        <translation>Pag su</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Pag giù</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Esegui</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Stamp</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Ins</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Canc</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Left Windows</source>
        <translation>Windows sinistro</translation>
    </message>
    <message>
        <source>Right Windows</source>
        <translation>Windows destro</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>(Enter)</source>
        <translation>(Invio)</translation>
    </message>
    <message>
        <source>Numlock</source>
        <translation>Bloc Num</translation>
    </message>
    <message>
        <source>ScrollLock</source>
        <translation>Bloc Scorr</translation>
    </message>
    <message>
        <source>Left Shift</source>
        <translation>Maiusc sinistro</translation>
    </message>
    <message>
        <source>Right Shift</source>
        <translation>Maiusc destro</translation>
    </message>
    <message>
        <source>Left Ctrl</source>
        <translation>Ctrl sinistro</translation>
    </message>
    <message>
        <source>Right Ctrl</source>
        <translation>Ctrl destro</translation>
    </message>
    <message>
        <source>Left Alt</source>
        <translation>Alt sinistro</translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation>Alt destro</translation>
    </message>
    <message>
        <source>L Button</source>
        <translation>Pulsante sinistro</translation>
    </message>
    <message>
        <source>R Button</source>
        <translation>Pulsante destro</translation>
    </message>
    <message>
        <source>M Button</source>
        <translation>Pulsante centrale</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>Pulsante 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>Pulsante 5</translation>
    </message>
</context>
<context>
    <name>LaunchProgramDialog</name>
    <message>
        <source>exe file(*.exe)</source>
        <translation>File EXE(*.exe)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>No program &quot;%1&quot; was found in PATH. Choose it with the browse button or type its full path.</source>
        <translation>Nessun programma “%1” trovato nel PATH. Sceglilo con il pulsante Sfoglia o digita il suo percorso completo.</translation>
    </message>
    <message>
        <source>The program path is too long: a key holds at most %1 bytes.</source>
        <translation>Il percorso del programma è troppo lungo: un tasto può contenere al massimo %1 byte.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>no program given</source>
        <translation>nessun programma indicato</translation>
    </message>
    <message>
        <source>not found: %1</source>
        <translation>non trovato: %1</translation>
    </message>
    <message>
        <source>cannot open %1: xdg-open is not installed</source>
        <translation>impossibile aprire %1: xdg-open non è installato</translation>
    </message>
    <message>
        <source>%1 is not a file that can be opened</source>
        <translation>%1 non è un file che si possa aprire</translation>
    </message>
    <message>
        <source>cannot launch %1</source>
        <translation>impossibile avviare: %1</translation>
    </message>
    <message>
        <source>%1 is not a desktop entry</source>
        <translation>%1 non è una voce desktop (.desktop)</translation>
    </message>
    <message>
        <source>%1 is marked as deleted (Hidden)</source>
        <translation>%1 è contrassegnato come eliminato (Hidden)</translation>
    </message>
    <message>
        <source>%1 links nowhere</source>
        <translation>%1 non rimanda a nessun indirizzo</translation>
    </message>
    <message>
        <source>%1 does not start a program</source>
        <translation>%1 non avvia alcun programma</translation>
    </message>
    <message>
        <source>%1: %2 is not installed</source>
        <translation>%1: %2 non è installato</translation>
    </message>
    <message>
        <source>%1 has no usable command (Exec)</source>
        <translation>%1 non ha un comando utilizzabile (Exec)</translation>
    </message>
    <message>
        <source>%1 runs in a terminal, and no terminal emulator is installed</source>
        <translation>%1 viene eseguito in un terminale e non è installato alcun emulatore di terminale</translation>
    </message>
</context>
<context>
    <name>MacroManagerDialog</name>
    <message>
        <source>Macros</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Macro events</source>
        <translation>Passi della macro</translation>
    </message>
</context>
<context>
    <name>MediaFunction</name>
    <message>
        <source>Screensave</source>
        <translation>Salvaschermo</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>Esplora file</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
</context>
<context>
    <name>Monitor</name>
    <message>
        <source>Keyboard settings not saved</source>
        <translation>Impostazioni della tastiera non salvate</translation>
    </message>
    <message>
        <source>%1
Monitor writes them again with its next save; free some space or fix the folder&apos;s permissions.</source>
        <translation>%1
Monitor le riscrive al prossimo salvataggio; libera spazio o correggi i permessi della cartella.</translation>
    </message>
    <message>
        <source>Program key %1</source>
        <translation>Tasto programma %1</translation>
    </message>
</context>
<context>
    <name>MonitorHost</name>
    <message>
        <source>Per-game profiles</source>
        <translation>Profili per gioco</translation>
    </message>
</context>
<context>
    <name>Option</name>
    <message>
        <source>Option cannot draw its windows, because a file of its skin is wrong:

%1

Restore the skins folder beside the program (or mend the file) and start Option again.</source>
        <translation>Option non può disegnare le sue finestre perché un file del suo tema grafico è errato:

%1

Ripristina la cartella skins accanto al programma (o correggi il file) e avvia di nuovo Option.</translation>
    </message>
</context>
<context>
    <name>OsdProgram</name>
    <message>
        <source>Windows Key: Lock</source>
        <translation>Tasto Windows: bloccato</translation>
    </message>
    <message>
        <source>Windows Key: UnLock</source>
        <translation>Tasto Windows: sbloccato</translation>
    </message>
</context>
<context>
    <name>ProfileCheck</name>
    <message>
        <source>%1: %2 has no terminating NUL within its %3 bytes</source>
        <translation>%1: %2 non ha un NUL finale entro i suoi %3 byte</translation>
    </message>
    <message>
        <source>%1: %2 is not a repeat count (0-255)</source>
        <translation>%1: %2 non è un numero di ripetizioni (0-255)</translation>
    </message>
    <message>
        <source>%1: %2 is more than the 50 steps a key holds</source>
        <translation>%1: %2 supera i 50 passi che un tasto può contenere</translation>
    </message>
    <message>
        <source>%1: %2 is not a key or mouse-button code</source>
        <translation>%1: %2 non è un codice di tasto o di pulsante del mouse</translation>
    </message>
    <message>
        <source>%1: %2 is neither 1 (press) nor 2 (release)</source>
        <translation>%1: %2 non è né 1 (pressione) né 2 (rilascio)</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of this assignment type</source>
        <translation>%1: %2 non è 0, l&apos;unico valore di flags di questo tipo di assegnazione</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of this assignment type</source>
        <translation>%1: %2 non è 0, l&apos;unico valore di code di questo tipo di assegnazione</translation>
    </message>
    <message>
        <source>%1: %2 is not a set of modifiers (1 Ctrl, 2 Shift, 4 Alt, 8 Win)</source>
        <translation>%1: %2 non è un insieme di tasti modificatori (1 Ctrl, 2 Maiusc, 4 Alt, 8 Win)</translation>
    </message>
    <message>
        <source>%1: %2 is not a key code</source>
        <translation>%1: %2 non è un codice di tasto</translation>
    </message>
    <message>
        <source>%1: %2 is not a keyboard function (1, 4-7)</source>
        <translation>%1: %2 non è una funzione della tastiera (1, 4-7)</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a keyboard function</source>
        <translation>%1: %2 non è 0, l&apos;unico valore di code di una funzione della tastiera</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of a media function</source>
        <translation>%1: %2 non è 0, l&apos;unico valore di flags di una funzione multimediale</translation>
    </message>
    <message>
        <source>%1: %2 is not a media or application function (176-199)</source>
        <translation>%1: %2 non è una funzione multimediale o di applicazione (176-199)</translation>
    </message>
    <message>
        <source>%1: %2 is not a mouse button (1-5)</source>
        <translation>%1: %2 non è un pulsante del mouse (1-5)</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a mouse-button function</source>
        <translation>%1: %2 non è 0, l&apos;unico valore di code di una funzione del pulsante del mouse</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of a single key</source>
        <translation>%1: %2 non è 0, l&apos;unico valore di flags di un tasto singolo</translation>
    </message>
    <message>
        <source>%1: %2 is not %3, the key&apos;s number</source>
        <translation>%1: %2 non è %3, il numero del tasto</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a program key</source>
        <translation>%1: %2 non è 0, l&apos;unico valore di code di un tasto programma</translation>
    </message>
    <message>
        <source>%1: %2 is not an assignment type</source>
        <translation>%1: %2 non è un tipo di assegnazione</translation>
    </message>
    <message>
        <source>%1: %2 contains a control character</source>
        <translation>%1: %2 contiene un carattere di controllo</translation>
    </message>
    <message>
        <source>%1: %2 contains a bidirectional override</source>
        <translation>%1: %2 contiene un carattere di forzatura bidirezionale</translation>
    </message>
    <message>
        <source>%1: %2 is not a media player (0-3)</source>
        <translation>%1: %2 non è un lettore multimediale (0-3)</translation>
    </message>
    <message>
        <source>%1: %2 is neither 0 nor 1</source>
        <translation>%1: %2 non è né 0 né 1</translation>
    </message>
    <message>
        <source>%1: %2 is not a byte (0-255)</source>
        <translation>%1: %2 non è un byte (0-255)</translation>
    </message>
    <message>
        <source>%1: %2 is not a lighting colour (0-7)</source>
        <translation>%1: %2 non è un colore di illuminazione (0-7)</translation>
    </message>
    <message>
        <source>%1: %2 is not a lighting control value (1, 2, 4, 8, 16, 32)</source>
        <translation>%1: %2 non è un valore di controllo dell&apos;illuminazione (1, 2, 4, 8, 16, 32)</translation>
    </message>
    <message>
        <source>%1: %2 is not a polling rate (1, 2, 4)</source>
        <translation>%1: %2 non è una frequenza di polling (1, 2, 4)</translation>
    </message>
    <message>
        <source>%1; replaced by its factory value</source>
        <translation>%1; sostituito con il valore di fabbrica</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Game program</source>
        <translation>Programma del gioco</translation>
    </message>
    <message>
        <source>exe file(*.exe)</source>
        <translation>File EXE(*.exe)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>ProfileFiles</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Il file %1 non esiste.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 non è un file.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it is larger than %2 MB (a profile file has about 33 KB).</source>
        <translation>%1 non è un file di profilo: è più grande di %2 MB (un file di profilo è di circa 33 KB).</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Impossibile leggere il file: %1.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it is empty.</source>
        <translation>%1 non è un file di profilo: è vuoto.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it has no [Setting] section.</source>
        <translation>%1 non è un file di profilo: non ha la sezione [Setting].</translation>
    </message>
    <message>
        <source>%1 is a damaged profile file: its block %2 does not check out.</source>
        <translation>%1 è un file di profilo danneggiato: il blocco %2 non è valido.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it holds none of the key blocks of a profile.</source>
        <translation>%1 non è un file di profilo: non contiene nessuno dei blocchi dei tasti di un profilo.</translation>
    </message>
    <message>
        <source>%1 is refused: it holds %2 more than once.</source>
        <translation>%1 è stato rifiutato: contiene %2 più di una volta.</translation>
    </message>
    <message>
        <source>%1: missing (a profile file holds every setting)</source>
        <translation>%1: mancante (un file di profilo contiene ogni impostazione)</translation>
    </message>
    <message>
        <source>%1 is refused: %2.</source>
        <translation>%1 è stato rifiutato: %2.</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>The profile file could not be copied into the settings folder %1. Check that you may write there and that the disk is not full. Nothing was imported.</source>
        <translation>Impossibile copiare il file di profilo nella cartella delle impostazioni %1. Verifica di poter scrivere lì e che il disco non sia pieno. Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>The profile could not be written to %1 (%2). The file that was there is left as it was.</source>
        <translation>Impossibile scrivere il profilo in %1 (%2). Il file già presente è rimasto invariato.</translation>
    </message>
    <message>
        <source>The profile could not be written to %1 (%2).</source>
        <translation>Impossibile scrivere il profilo in %1 (%2).</translation>
    </message>
    <message>
        <source>The profile was exported to %1, but its copy %2 and its name in config.ini could not all be written.</source>
        <translation>Il profilo è stato esportato in %1, ma non è stato possibile scrivere del tutto la sua copia %2 e il suo nome in config.ini.</translation>
    </message>
</context>
<context>
    <name>ProfileTransfer</name>
    <message>
        <source>Import a profile</source>
        <translation>Importa un profilo</translation>
    </message>
    <message>
        <source>Export the profile</source>
        <translation>Esporta il profilo</translation>
    </message>
    <message>
        <source>Gaming Keyboard Profile(*.gkp)</source>
        <translation>Profilo tastiera da gioco(*.gkp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argomenti:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Every key you press is recorded. Hold Esc for one second to leave without a change.</source>
        <translation>Ogni tasto premuto viene registrato. Tieni premuto Esc per un secondo per uscire senza modifiche.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>I&amp;ncolla</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Seleziona tutto</translation>
    </message>
</context>
<context>
    <name>SessionNotices</name>
    <message>
        <source>current profile</source>
        <translation>profilo corrente</translation>
    </message>
    <message>
        <source>key assignments of the standard keys</source>
        <translation>assegnazioni dei tasti standard</translation>
    </message>
    <message>
        <source>Windows-key lock and other switches</source>
        <translation>blocco del tasto Windows e altre opzioni</translation>
    </message>
    <message>
        <source>programmable-key assignments</source>
        <translation>assegnazioni dei tasti programmabili</translation>
    </message>
    <message>
        <source>macros</source>
        <translation>macro</translation>
    </message>
    <message>
        <source>lighting</source>
        <translation>illuminazione</translation>
    </message>
    <message>
        <source>polling rate</source>
        <translation>frequenza di polling</translation>
    </message>
    <message>
        <source>other settings</source>
        <translation>altre impostazioni</translation>
    </message>
    <message>
        <source>The settings were saved, but they could not be sent to the keyboard because the Monitor program is not running. Start Monitor and apply again to change the keyboard.</source>
        <translation>Le impostazioni sono state salvate, ma non è stato possibile inviarle alla tastiera perché il programma Monitor non è in esecuzione. Avvia Monitor e applica di nuovo per modificare la tastiera.</translation>
    </message>
    <message>
        <source>The settings were not saved, and they could not be sent to the keyboard because the Monitor program is not running. Start Monitor and apply again to change the keyboard.</source>
        <translation>Le impostazioni non sono state salvate e non è stato possibile inviarle alla tastiera perché il programma Monitor non è in esecuzione. Avvia Monitor e applica di nuovo per modificare la tastiera.</translation>
    </message>
    <message>
        <source>The settings were saved, but no keyboard is connected, so the keyboard did not receive them. Connect it and apply again.</source>
        <translation>Le impostazioni sono state salvate, ma nessuna tastiera è collegata, quindi la tastiera non le ha ricevute. Collegala e applica di nuovo.</translation>
    </message>
    <message>
        <source>The settings were not saved, and no keyboard is connected, so the keyboard did not receive them. Connect it and apply again.</source>
        <translation>Le impostazioni non sono state salvate e nessuna tastiera è collegata, quindi la tastiera non le ha ricevute. Collegala e applica di nuovo.</translation>
    </message>
    <message>
        <source>The settings were saved, but Monitor did not confirm that the keyboard received them. Make sure Monitor is running and apply again.</source>
        <translation>Le impostazioni sono state salvate, ma Monitor non ha confermato che la tastiera le abbia ricevute. Assicurati che Monitor sia in esecuzione e applica di nuovo.</translation>
    </message>
    <message>
        <source>The settings were not saved, and Monitor did not confirm that the keyboard received them. Make sure Monitor is running and apply again.</source>
        <translation>Le impostazioni non sono state salvate e Monitor non ha confermato che la tastiera le abbia ricevute. Assicurati che Monitor sia in esecuzione e applica di nuovo.</translation>
    </message>
    <message>
        <source>The keyboard refused some changes. They stay marked; Apply sends them again.</source>
        <translation>La tastiera ha rifiutato alcune modifiche. Restano contrassegnate; Applica le invia di nuovo.</translation>
    </message>
    <message>
        <source>The keyboard refused some changes: %1. They stay marked; Apply sends them again.</source>
        <translation>La tastiera ha rifiutato alcune modifiche: %1. Restano contrassegnate; Applica le invia di nuovo.</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole. It is left as it is: the macros that could be read are shown, and macros recorded or changed now are not saved to it until it is mended or removed.</source>
        <translation>Impossibile leggere per intero la libreria delle macro %1. Resta invariata: vengono mostrate le macro che è stato possibile leggere, e le macro registrate o modificate ora non vi vengono salvate finché non viene riparata o rimossa.</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole: %2. It is left as it is: the macros that could be read are shown, and macros recorded or changed now are not saved to it until it is mended or removed.</source>
        <translation>Impossibile leggere per intero la libreria delle macro %1: %2. Resta invariata: vengono mostrate le macro che è stato possibile leggere, e le macro registrate o modificate ora non vi vengono salvate finché non viene riparata o rimossa.</translation>
    </message>
    <message>
        <source>The settings could not be saved:
%1
They stay marked as changed: once the problem is solved, apply again to save them.</source>
        <translation>Impossibile salvare le impostazioni:
%1
Restano contrassegnate come modificate: una volta risolto il problema, applica di nuovo per salvarle.</translation>
    </message>
</context>
<context>
    <name>ShortcutDialog</name>
    <message>
        <source>Press the key with Ctrl, Shift, Alt or Win held to record the combination. </source>
        <translation>Premi il tasto tenendo premuto Ctrl, Maiusc, Alt o Win per registrare la combinazione. </translation>
    </message>
</context>
<context>
    <name>SkinAdvanced</name>
    <message>
        <source>ADVANCED</source>
        <translation>AVANZATE</translation>
    </message>
    <message>
        <source>Settings of the current profile. They reach the keyboard when you press APPLY or OK.</source>
        <translation>Impostazioni del profilo corrente. Arrivano alla tastiera quando premi APPLICA o OK.</translation>
    </message>
    <message>
        <source>POLLING RATE</source>
        <translation>FREQUENZA DI POLLING</translation>
    </message>
    <message>
        <source>How often the keyboard reports to the computer.</source>
        <translation>Quanto spesso la tastiera comunica con il computer.</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>ILLUMINAZIONE</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFFETTO</translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation>COLORE</translation>
    </message>
    <message>
        <source>WINDOWS KEY</source>
        <translation>TASTO WINDOWS</translation>
    </message>
    <message>
        <source>Lock it so that it cannot throw you out of a game.</source>
        <translation>Bloccalo perché non ti faccia uscire dal gioco.</translation>
    </message>
    <message>
        <source>POWER SAVING</source>
        <translation>RISPARMIO ENERGETICO</translation>
    </message>
    <message>
        <source>Lets the keyboard save power when it is idle.</source>
        <translation>Consente alla tastiera di risparmiare energia quando è inattiva.</translation>
    </message>
    <message>
        <source>125 Hz</source>
        <translation>125 Hz</translation>
    </message>
    <message>
        <source>Report 125 times a second (8 ms).</source>
        <translation>Comunica 125 volte al secondo (8 ms).</translation>
    </message>
    <message>
        <source>500 Hz</source>
        <translation>500 Hz</translation>
    </message>
    <message>
        <source>Report 500 times a second (2 ms).</source>
        <translation>Comunica 500 volte al secondo (2 ms).</translation>
    </message>
    <message>
        <source>1000 Hz</source>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <source>Report 1000 times a second (1 ms): the quickest response.</source>
        <translation>Comunica 1000 volte al secondo (1 ms): la risposta più rapida.</translation>
    </message>
    <message>
        <source>Lighting effect of the keyboard. Click to choose another.</source>
        <translation>Effetto di illuminazione della tastiera. Fai clic per sceglierne un altro.</translation>
    </message>
    <message>
        <source>Lighting colour of the keyboard. Click to choose another.</source>
        <translation>Colore dell&apos;illuminazione della tastiera. Fai clic per sceglierne un altro.</translation>
    </message>
    <message>
        <source>ENABLED</source>
        <translation>ATTIVO</translation>
    </message>
    <message>
        <source>The Windows keys work as usual.</source>
        <translation>I tasti Windows funzionano normalmente.</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>BLOCCATO</translation>
    </message>
    <message>
        <source>The Windows keys are locked while you play.</source>
        <translation>I tasti Windows sono bloccati mentre giochi.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>SPENTO</translation>
    </message>
    <message>
        <source>Power saving is off.</source>
        <translation>Il risparmio energetico è disattivato.</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ACCESO</translation>
    </message>
    <message>
        <source>The keyboard saves power when it is idle.</source>
        <translation>La tastiera risparmia energia quando è inattiva.</translation>
    </message>
</context>
<context>
    <name>SkinKeyMapping</name>
    <message>
        <source>KEY MAPPING</source>
        <translation>MAPPATURA TASTI</translation>
    </message>
    <message>
        <source>Click a key to make it send another key or a mouse function. Remapped keys stay lit.</source>
        <translation>Fai clic su un tasto perché invii un altro tasto o una funzione del mouse. I tasti rimappati restano illuminati.</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>CAPS</source>
        <translation>MAIUSC</translation>
    </message>
    <message>
        <source>SCROLL</source>
        <translation>SCORR</translation>
    </message>
    <message>
        <source>Remapped key</source>
        <translation>Tasto rimappato</translation>
    </message>
    <message>
        <source>Default key</source>
        <translation>Tasto predefinito</translation>
    </message>
    <message>
        <source>%1 key. Click to make it send another key or a mouse function.</source>
        <translation>Tasto %1. Fai clic perché invii un altro tasto o una funzione del mouse.</translation>
    </message>
</context>
<context>
    <name>SkinLaunchProgram</name>
    <message>
        <source>PROGRAM TO START WHEN THE KEY IS PRESSED</source>
        <translation>PROGRAMMA DA AVVIARE ALLA PRESSIONE DEL TASTO</translation>
    </message>
    <message>
        <source>Path of the program.</source>
        <translation>Percorso del programma.</translation>
    </message>
    <message>
        <source>BROWSE...</source>
        <translation>SFOGLIA...</translation>
    </message>
    <message>
        <source>Choose the program in a file dialog.</source>
        <translation>Scegli il programma in una finestra di selezione file.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Use this program.</source>
        <translation>Usa questo programma.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULLA</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>Lascia il tasto com&apos;era.</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>Lascia il tasto com&apos;era e chiudi.</translation>
    </message>
    <message>
        <source>LAUNCH PROGRAM</source>
        <translation>AVVIA PROGRAMMA</translation>
    </message>
</context>
<context>
    <name>SkinMacroKeys</name>
    <message>
        <source>MACRO KEYS</source>
        <translation>TASTI MACRO</translation>
    </message>
    <message>
        <source>Click a key to give it a macro, a key combination, a program, a media function or a mouse button.</source>
        <translation>Fai clic su un tasto per assegnargli una macro, una combinazione di tasti, un programma, una funzione multimediale o un pulsante del mouse.</translation>
    </message>
    <message>
        <source>G9 to G14 are the media keys: the Media Keys page shows the same six keys.</source>
        <translation>G9-G14 sono i tasti multimediali: la pagina Tasti multimediali mostra gli stessi sei tasti.</translation>
    </message>
    <message>
        <source>Programmable key G%1. Click to choose what it does.</source>
        <translation>Tasto programmabile G%1. Fai clic per scegliere cosa fa.</translation>
    </message>
</context>
<context>
    <name>SkinMacroManager</name>
    <message>
        <source>MACROS</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>EVENTS</source>
        <translation>EVENTI</translation>
    </message>
    <message>
        <source>TIMES</source>
        <translation>VOLTE</translation>
    </message>
    <message>
        <source>Right-click the event list to record before or after a step, insert delays and mouse buttons, edit or delete.</source>
        <translation>Fai clic destro sull&apos;elenco degli eventi per registrare prima o dopo un passo, inserire ritardi e pulsanti del mouse, modificare o eliminare.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keep the changes to the macro library.</source>
        <translation>Conserva le modifiche alla libreria delle macro.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULLA</translation>
    </message>
    <message>
        <source>Discard the changes to the macro library.</source>
        <translation>Scarta le modifiche alla libreria delle macro.</translation>
    </message>
    <message>
        <source>Discard the changes and close.</source>
        <translation>Scarta le modifiche e chiudi.</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NUOVA</translation>
    </message>
    <message>
        <source>Create a new macro and name it.</source>
        <translation>Crea una nuova macro e assegnale un nome.</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>ELIMINA</translation>
    </message>
    <message>
        <source>Delete the selected macro.</source>
        <translation>Elimina la macro selezionata.</translation>
    </message>
    <message>
        <source>Macros of the library.</source>
        <translation>Macro della libreria.</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>REGISTRA</translation>
    </message>
    <message>
        <source>Record the keys you press into the selected macro. Click again to stop.</source>
        <translation>Registra nella macro selezionata i tasti che premi. Fai di nuovo clic per fermare.</translation>
    </message>
    <message>
        <source>RECORD DELAYS</source>
        <translation>CON RITARDI</translation>
    </message>
    <message>
        <source>Record the pauses between the keys as delays.</source>
        <translation>Registra le pause tra i tasti come ritardi.</translation>
    </message>
    <message>
        <source>REPEAT</source>
        <translation>RIPETI</translation>
    </message>
    <message>
        <source>Play the macro more than once each time the key is pressed.</source>
        <translation>Esegui la macro più volte a ogni pressione del tasto.</translation>
    </message>
    <message>
        <source>How many times the macro plays (1-255).</source>
        <translation>Quante volte viene eseguita la macro (1-255).</translation>
    </message>
    <message>
        <source>Steps of the selected macro. Right-click for more.</source>
        <translation>Passi della macro selezionata. Clic destro per altre opzioni.</translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation>GESTIONE MACRO</translation>
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
        <translation>CENTRO DI CONTROLLO TASTIERA DA GIOCO</translation>
    </message>
    <message>
        <source>PROFILES</source>
        <translation>PROFILI</translation>
    </message>
    <message>
        <source>KEY MAPPING</source>
        <translation>MAPPATURA TASTI</translation>
    </message>
    <message>
        <source>Remap the standard keys of the keyboard.</source>
        <translation>Rimappa i tasti standard della tastiera.</translation>
    </message>
    <message>
        <source>MACRO KEYS</source>
        <translation>TASTI MACRO</translation>
    </message>
    <message>
        <source>Give the programmable keys macros and functions.</source>
        <translation>Assegna macro e funzioni ai tasti programmabili.</translation>
    </message>
    <message>
        <source>MEDIA KEYS</source>
        <translation>TASTI MULTIMEDIALI</translation>
    </message>
    <message>
        <source>Give the media keys their functions and choose the media player they control.</source>
        <translation>Funzioni dei tasti multimediali e lettore che controllano.</translation>
    </message>
    <message>
        <source>ADVANCED</source>
        <translation>AVANZATE</translation>
    </message>
    <message>
        <source>Polling rate; lighting; Windows key lock and power saving.</source>
        <translation>Frequenza di polling; illuminazione; blocco del tasto Windows e risparmio energetico.</translation>
    </message>
    <message>
        <source>Orvyn Vantor gaming keyboard.</source>
        <translation>Tastiera da gioco Orvyn Vantor.</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NUOVO</translation>
    </message>
    <message>
        <source>Start the current profile afresh with a new name and game program.</source>
        <translation>Ricomincia il profilo corrente con un nuovo nome e programma del gioco.</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTA</translation>
    </message>
    <message>
        <source>Load a profile file into the current profile.</source>
        <translation>Carica un file di profilo nel profilo corrente.</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>ESPORTA</translation>
    </message>
    <message>
        <source>Save the current profile to a profile file.</source>
        <translation>Salva il profilo corrente in un file di profilo.</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>MODIFICA</translation>
    </message>
    <message>
        <source>Change the name and the game program of the current profile.</source>
        <translation>Modifica il nome e il programma del gioco del profilo corrente.</translation>
    </message>
    <message>
        <source>PROFILE 1</source>
        <translation>PROFILO 1</translation>
    </message>
    <message>
        <source>Show and edit profile 1.</source>
        <translation>Mostra e modifica il profilo 1.</translation>
    </message>
    <message>
        <source>PROFILE 2</source>
        <translation>PROFILO 2</translation>
    </message>
    <message>
        <source>Show and edit profile 2.</source>
        <translation>Mostra e modifica il profilo 2.</translation>
    </message>
    <message>
        <source>PROFILE 3</source>
        <translation>PROFILO 3</translation>
    </message>
    <message>
        <source>Show and edit profile 3.</source>
        <translation>Mostra e modifica il profilo 3.</translation>
    </message>
    <message>
        <source>PROFILE 4</source>
        <translation>PROFILO 4</translation>
    </message>
    <message>
        <source>Show and edit profile 4.</source>
        <translation>Mostra e modifica il profilo 4.</translation>
    </message>
    <message>
        <source>PROFILE 5</source>
        <translation>PROFILO 5</translation>
    </message>
    <message>
        <source>Show and edit profile 5.</source>
        <translation>Mostra e modifica il profilo 5.</translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation>GESTIONE MACRO</translation>
    </message>
    <message>
        <source>Record and edit the macros of the macro library.</source>
        <translation>Registra e modifica le macro della libreria delle macro.</translation>
    </message>
    <message>
        <source>Minimize the window.</source>
        <translation>Riduci a icona la finestra.</translation>
    </message>
    <message>
        <source>Close without applying changes.</source>
        <translation>Chiudi senza applicare le modifiche.</translation>
    </message>
    <message>
        <source>Open the user manual.</source>
        <translation>Apri il manuale utente.</translation>
    </message>
    <message>
        <source>Visit the Orvyn Vantor web page.</source>
        <translation>Visita la pagina web di Orvyn Vantor.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Write the changes to the keyboard and close.</source>
        <translation>Scrivi le modifiche sulla tastiera e chiudi.</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>APPLICA</translation>
    </message>
    <message>
        <source>Write the changes to the keyboard.</source>
        <translation>Scrivi le modifiche sulla tastiera.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULLA</translation>
    </message>
    <message>
        <source>RESTORE DEFAULTS</source>
        <translation>RIPRISTINA PREDEFINITI</translation>
    </message>
    <message>
        <source>Restore the factory settings of all five profiles.</source>
        <translation>Ripristina le impostazioni di fabbrica di tutti e cinque i profili.</translation>
    </message>
</context>
<context>
    <name>SkinMediaKeys</name>
    <message>
        <source>MEDIA KEYS</source>
        <translation>TASTI MULTIMEDIALI</translation>
    </message>
    <message>
        <source>Click a media key to choose its function. The media keys drive the player chosen on the right.</source>
        <translation>Fai clic su un tasto multimediale per sceglierne la funzione. I tasti multimediali controllano il lettore scelto a destra.</translation>
    </message>
    <message>
        <source>KEYS</source>
        <translation>TASTI</translation>
    </message>
    <message>
        <source>MEDIA PLAYER</source>
        <translation>LETTORE MULTIMEDIALE</translation>
    </message>
    <message>
        <source>M1 to M6 are keys G9 to G14 of the Macro Keys page.</source>
        <translation>M1-M6 sono i tasti G9-G14 della pagina Tasti macro.</translation>
    </message>
    <message>
        <source>The media keys control this player:</source>
        <translation>I tasti multimediali controllano questo lettore:</translation>
    </message>
    <message>
        <source>Play, pause, stop and track keys go to the chosen player when it is running.</source>
        <translation>I tasti riproduci, pausa, stop e traccia vanno al lettore scelto quando è in esecuzione.</translation>
    </message>
    <message>
        <source>Media key M%1. Click to choose what it does.</source>
        <translation>Tasto multimediale M%1. Fai clic per scegliere cosa fa.</translation>
    </message>
    <message>
        <source>The media player that the media keys control. Click to choose another.</source>
        <translation>Il lettore multimediale controllato dai tasti multimediali. Fai clic per sceglierne un altro.</translation>
    </message>
</context>
<context>
    <name>SkinProfile</name>
    <message>
        <source>PROFILE NAME</source>
        <translation>NOME DEL PROFILO</translation>
    </message>
    <message>
        <source>GAME PROGRAM</source>
        <translation>PROGRAMMA DEL GIOCO</translation>
    </message>
    <message>
        <source>Matched by file name only (like game.exe): when it comes to the front, this profile is used.</source>
        <translation>Conta solo il nome del file (come game.exe): quando è in primo piano si usa questo profilo.</translation>
    </message>
    <message>
        <source>Name of the profile (20 characters).</source>
        <translation>Nome del profilo (20 caratteri).</translation>
    </message>
    <message>
        <source>The game: a program of this file name in front selects this profile.</source>
        <translation>Il gioco: un programma con questo nome di file in primo piano seleziona questo profilo.</translation>
    </message>
    <message>
        <source>BROWSE...</source>
        <translation>SFOGLIA...</translation>
    </message>
    <message>
        <source>Choose the game program in a file dialog.</source>
        <translation>Scegli il programma del gioco in una finestra di selezione file.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keep the name and the game program.</source>
        <translation>Conferma il nome e il programma del gioco.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULLA</translation>
    </message>
    <message>
        <source>Leave the profile as it was.</source>
        <translation>Lascia il profilo com&apos;era.</translation>
    </message>
    <message>
        <source>Leave the profile as it was and close.</source>
        <translation>Lascia il profilo com&apos;era e chiudi.</translation>
    </message>
    <message>
        <source>PROFILE</source>
        <translation>PROFILO</translation>
    </message>
</context>
<context>
    <name>SkinShortcut</name>
    <message>
        <source>PRESS THE KEY</source>
        <translation>PREMI IL TASTO</translation>
    </message>
    <message>
        <source>WITH</source>
        <translation>CON</translation>
    </message>
    <message>
        <source>Every key is recorded; hold Ctrl, Shift, Alt or Win with it for a combination. Hold Enter 1 s: OK; hold Esc 1 s: cancel.</source>
        <translation>Ogni tasto viene registrato; tieni premuto Ctrl, Maiusc, Alt o Win per una combinazione. Invio 1 s: OK; Esc 1 s: annulla.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Use this key combination.</source>
        <translation>Usa questa combinazione di tasti.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULLA</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>Lascia il tasto com&apos;era.</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>Lascia il tasto com&apos;era e chiudi.</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>NESSUNO</translation>
    </message>
    <message>
        <source>The key alone without a modifier.</source>
        <translation>Il tasto da solo senza modificatore.</translation>
    </message>
    <message>
        <source>CTRL</source>
        <translation>CTRL</translation>
    </message>
    <message>
        <source>Hold Ctrl with the key.</source>
        <translation>Tieni premuto Ctrl con il tasto.</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>MAIUSC</translation>
    </message>
    <message>
        <source>Hold Shift with the key.</source>
        <translation>Tieni premuto Maiusc con il tasto.</translation>
    </message>
    <message>
        <source>ALT</source>
        <translation>ALT</translation>
    </message>
    <message>
        <source>Hold Alt with the key.</source>
        <translation>Tieni premuto Alt con il tasto.</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>WIN</translation>
    </message>
    <message>
        <source>Hold the Windows key with the key.</source>
        <translation>Tieni premuto il tasto Windows con il tasto.</translation>
    </message>
    <message>
        <source>The key of the combination.</source>
        <translation>Il tasto della combinazione.</translation>
    </message>
    <message>
        <source>KEY COMBINATION</source>
        <translation>COMBINAZIONE DI TASTI</translation>
    </message>
</context>
<context>
    <name>SkinSwapKey</name>
    <message>
        <source>THIS KEY NOW SENDS</source>
        <translation>QUESTO TASTO ORA INVIA</translation>
    </message>
    <message>
        <source>KEY: press the key it should send. MOUSE: choose a mouse function. Hold Enter 1 s: OK; hold Esc 1 s: cancel.</source>
        <translation>TASTO: premi il tasto che deve inviare. MOUSE: scegli una funzione del mouse. Tieni Invio 1 s: OK; tieni Esc 1 s: annulla.</translation>
    </message>
    <message>
        <source>The key it will send.</source>
        <translation>Il tasto che invierà.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Remap the key.</source>
        <translation>Rimappa il tasto.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULLA</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>Lascia il tasto com&apos;era.</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>Lascia il tasto com&apos;era e chiudi.</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>PREDEFINITO</translation>
    </message>
    <message>
        <source>Give the key back its own function.</source>
        <translation>Restituisci al tasto la sua funzione.</translation>
    </message>
    <message>
        <source>Choose the mouse function.</source>
        <translation>Scegli la funzione del mouse.</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>TASTO</translation>
    </message>
    <message>
        <source>The key sends another key.</source>
        <translation>Il tasto invia un altro tasto.</translation>
    </message>
    <message>
        <source>MOUSE</source>
        <translation>MOUSE</translation>
    </message>
    <message>
        <source>The key acts as a mouse button.</source>
        <translation>Il tasto funziona come un pulsante del mouse.</translation>
    </message>
    <message>
        <source>SWAP KEY</source>
        <translation>RIMAPPA TASTO</translation>
    </message>
</context>
<context>
    <name>SkinWarnings</name>
    <message>
        <source>DELETE MACRO</source>
        <translation>ELIMINA MACRO</translation>
    </message>
    <message>
        <source>Delete the selected macro?</source>
        <translation>Eliminare la macro selezionata?</translation>
    </message>
    <message>
        <source>It is removed from the macro library. Cancel in the macro manager brings it back.</source>
        <translation>Viene rimossa dalla libreria delle macro. Annulla nella gestione macro la ripristina.</translation>
    </message>
    <message>
        <source>Delete the macro.</source>
        <translation>Elimina la macro.</translation>
    </message>
    <message>
        <source>Keep the macro.</source>
        <translation>Conserva la macro.</translation>
    </message>
    <message>
        <source>NO MACRO SELECTED</source>
        <translation>NESSUNA MACRO SELEZIONATA</translation>
    </message>
    <message>
        <source>Select a macro first.</source>
        <translation>Seleziona prima una macro.</translation>
    </message>
    <message>
        <source>Choose a macro in the list or create one with NEW.</source>
        <translation>Scegli una macro nell&apos;elenco o creane una con NUOVA.</translation>
    </message>
    <message>
        <source>Close this message.</source>
        <translation>Chiudi questo messaggio.</translation>
    </message>
    <message>
        <source>RESTORE DEFAULTS</source>
        <translation>RIPRISTINA PREDEFINITI</translation>
    </message>
    <message>
        <source>Restore the factory settings?</source>
        <translation>Ripristinare le impostazioni di fabbrica?</translation>
    </message>
    <message>
        <source>All five profiles return to their defaults and are written to the keyboard at once.</source>
        <translation>Tutti e cinque i profili tornano ai valori predefiniti e vengono scritti subito sulla tastiera.</translation>
    </message>
    <message>
        <source>Restore the factory settings.</source>
        <translation>Ripristina le impostazioni di fabbrica.</translation>
    </message>
    <message>
        <source>Keep the current settings.</source>
        <translation>Conserva le impostazioni correnti.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULLA</translation>
    </message>
</context>
<context>
    <name>StandardKeyPage</name>
    <message>
        <source>Key %1</source>
        <translation>Tasto %1</translation>
    </message>
    <message>
        <source>key code %1</source>
        <translation>codice tasto %1</translation>
    </message>
    <message>
        <source>%1, sends %2</source>
        <translation>%1, invia %2</translation>
    </message>
</context>
<context>
    <name>UserManual</name>
    <message>
        <source>User Manual</source>
        <translation>Manuale utente</translation>
    </message>
    <message>
        <source>Profiles, keys, macros and lighting of the keyboard, set up from the Linux desktop</source>
        <translation>Profili, tasti, macro e illuminazione della tastiera, configurati dal desktop Linux</translation>
    </message>
    <message>
        <source>The chapters that follow are in English.</source>
        <translation>I capitoli che seguono sono in inglese.</translation>
    </message>
</context>
<context>
    <name>vantorctl</name>
    <message>
        <source>Another change is in progress (Option&apos;s window or another vantorctl command), so nothing was changed: two editors of one configuration would overwrite each other. Close Option or wait for the other command, then try again.</source>
        <translation>È in corso un&apos;altra modifica (la finestra di Option o un altro comando vantorctl), quindi non è stato modificato nulla: due editor della stessa configurazione si sovrascriverebbero a vicenda. Chiudi Option o attendi l&apos;altro comando, poi riprova.</translation>
    </message>
    <message>
        <source>Another program receives Option&apos;s messages, so nothing was changed. Close Option and try again.</source>
        <translation>Un altro programma riceve i messaggi di Option, quindi non è stato modificato nulla. Chiudi Option e riprova.</translation>
    </message>
    <message>
        <source>Cannot receive Monitor&apos;s answer: %1</source>
        <translation>Impossibile ricevere la risposta di Monitor: %1</translation>
    </message>
    <message>
        <source>The keyboard refused some changes. The settings files hold them, but the keyboard did not take them.</source>
        <translation>La tastiera ha rifiutato alcune modifiche. I file delle impostazioni le contengono, ma la tastiera non le ha applicate.</translation>
    </message>
    <message>
        <source>The keyboard refused some changes: %1. The settings files hold them, but the keyboard did not take them.</source>
        <translation>La tastiera ha rifiutato alcune modifiche: %1. I file delle impostazioni le contengono, ma la tastiera non le ha applicate.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation>Impossibile leggere “%1”.</translation>
    </message>
    <message>
        <source>Cannot read standard input: %1</source>
        <translation>Impossibile leggere lo standard input: %1</translation>
    </message>
    <message>
        <source>The document on standard input is larger than a profile document can be.</source>
        <translation>Il documento sullo standard input è più grande di quanto possa esserlo un documento di profilo.</translation>
    </message>
    <message>
        <source>set needs a profile and at least one KEY=VALUE.</source>
        <translation>set richiede un profilo e almeno un KEY=VALUE.</translation>
    </message>
    <message>
        <source>assign needs a profile, a key and what the key does.</source>
        <translation>assign richiede un profilo, un tasto e cosa deve fare il tasto.</translation>
    </message>
    <message>
        <source>default takes nothing after it.</source>
        <translation>default non accetta nulla dopo di sé.</translation>
    </message>
    <message>
        <source>program takes one path (quote a path with blanks).</source>
        <translation>program accetta un percorso (metti tra virgolette un percorso con spazi).</translation>
    </message>
    <message>
        <source>No program &quot;%1&quot; was found in PATH; give its full path (or ./%1 for one in the current folder).</source>
        <translation>Nessun programma “%1” trovato nel PATH; indica il suo percorso completo (o ./%1 per uno nella cartella corrente).</translation>
    </message>
    <message>
        <source>Cannot make a full path of &quot;%1&quot;.</source>
        <translation>Impossibile ricavare un percorso completo da “%1”.</translation>
    </message>
    <message>
        <source>The path &quot;%1&quot; is longer than the %2 bytes a key holds.</source>
        <translation>Il percorso “%1” è più lungo dei %2 byte che un tasto può contenere.</translation>
    </message>
    <message>
        <source>note: &quot;%1&quot; does not exist (yet); the key starts it once it does.</source>
        <translation>nota: “%1” non esiste (ancora); il tasto lo avvierà quando esisterà.</translation>
    </message>
    <message>
        <source>macro takes the name of a macro of the library (vantorctl macros).</source>
        <translation>macro accetta il nome di una macro della libreria (vantorctl macros).</translation>
    </message>
    <message>
        <source>Unknown assignment &quot;%1&quot;: use macro NAME, keys COMBINATION, program PATH, media NAME, mouse NAME or default.</source>
        <translation>Assegnazione sconosciuta “%1”: usa macro NAME, keys COMBINATION, program PATH, media NAME, mouse NAME o default.</translation>
    </message>
    <message>
        <source>export needs a profile and a file.</source>
        <translation>export richiede un profilo e un file.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>Impossibile scrivere “%1”: %2.</translation>
    </message>
    <message>
        <source> The file that was there is left as it was.</source>
        <translation> Il file già presente è rimasto invariato.</translation>
    </message>
    <message>
        <source>import needs a profile and a file.</source>
        <translation>import richiede un profilo e un file.</translation>
    </message>
    <message>
        <source>standard input is not a usable profile document: %1. Nothing was imported.</source>
        <translation>lo standard input non è un documento di profilo utilizzabile: %1. Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a usable profile document: %2. Nothing was imported.</source>
        <translation>“%1” non è un documento di profilo utilizzabile: %2. Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>--wait takes a number of seconds (more than 0, at most a day).</source>
        <translation>--wait accetta un numero di secondi (più di 0, al massimo un giorno).</translation>
    </message>
    <message>
        <source>Usage: %1 %2 (see %1 --help)
</source>
        <translation>Uso: %1 %2 (vedi %1 --help)
</translation>
    </message>
    <message>
        <source>Which profile (1-5)?</source>
        <translation>Quale profilo (1-5)?</translation>
    </message>
    <message>
        <source>keyboard, firmware, current profile, whether Monitor runs</source>
        <translation>tastiera, firmware, profilo corrente, se Monitor è in esecuzione</translation>
    </message>
    <message>
        <source>Shows whether Monitor runs and has the keyboard, the firmware version and the current profile. Exit status 0 when Monitor runs with the keyboard connected, 2 otherwise.</source>
        <translation>Mostra se Monitor è in esecuzione e ha la tastiera, la versione del firmware e il profilo corrente. Stato di uscita 0 quando Monitor è in esecuzione con la tastiera collegata, altrimenti 2.</translation>
    </message>
    <message>
        <source>show the current profile, or switch to profile N (1-5)</source>
        <translation>mostrare il profilo corrente o passare al profilo N (1-5)</translation>
    </message>
    <message>
        <source>Without N: prints the current profile&apos;s number and name. With N: makes profile N current on the keyboard.</source>
        <translation>Senza N: stampa il numero e il nome del profilo corrente. Con N: rende corrente il profilo N sulla tastiera.</translation>
    </message>
    <message>
        <source>a profile&apos;s lighting, polling rate, switches, keys and remapped keys</source>
        <translation>illuminazione, frequenza di polling, opzioni on/off, tasti e tasti rimappati di un profilo</translation>
    </message>
    <message>
        <source>Shows a profile (the current one when none is given): lighting effect and colour, polling rate, Windows-key lock, power saving, what each programmable key G1-G15 does (as the window&apos;s captions say it) and the remapped standard keys. With --json: the whole profile as a JSON document.</source>
        <translation>Mostra un profilo (quello corrente se non ne viene indicato nessuno): effetto e colore dell&apos;illuminazione, frequenza di polling, blocco del tasto Windows, risparmio energetico, cosa fa ogni tasto programmabile G1-G15 (come lo indicano le didascalie della finestra) e i tasti standard rimappati. Con --json: l&apos;intero profilo come documento JSON.</translation>
    </message>
    <message>
        <source>lighting, polling rate, Windows-key lock, power saving, name, game</source>
        <translation>illuminazione, frequenza di polling, blocco del tasto Windows, risparmio energetico, nome, gioco</translation>
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
        <translation>Modifica le impostazioni di un profilo e le applica:
  effect=static|breathing|wave|reactive|ripple|lights-off  effetto di illuminazione
  colour=red|green|blue|yellow|purple|cyan|colour-cycle|1-7 colore dell&apos;illuminazione
  polling=125|500|1000        frequenza di polling in Hz
  winlock=on|off              blocco del tasto Windows
  powersaving=on|off          risparmio energetico
  name=TEXT                   nome del profilo (20 caratteri)
  game=PATH                   il gioco la cui finestra seleziona questo profilo</translation>
    </message>
    <message>
        <source>what a programmable key does</source>
        <translation>cosa fa un tasto programmabile</translation>
    </message>
    <message>
        <source>a profile into a .gkp profile file, or a JSON document</source>
        <translation>un profilo in un file di profilo .gkp o in un documento JSON</translation>
    </message>
    <message>
        <source>Writes a profile into a profile file (.gkp, as the window&apos;s EXPORT does: its name is noted in config.ini and a copy kept in the settings folder), or with --json, a FILE ending in .json, or FILE &quot;-&quot; (standard output) as a JSON document.</source>
        <translation>Scrive un profilo in un file di profilo (.gkp, come fa EXPORT nella finestra: il suo nome viene annotato in config.ini e una copia conservata nella cartella delle impostazioni) oppure, con --json, un FILE che termina in .json o FILE “-” (standard output), come documento JSON.</translation>
    </message>
    <message>
        <source>a profile from a .gkp profile file or a JSON document, and apply it</source>
        <translation>un profilo da un file di profilo .gkp o da un documento JSON, e applicarlo</translation>
    </message>
    <message>
        <source>Replaces a profile by a profile file (.gkp, as the window&apos;s IMPORT does) or with --json, a FILE ending in .json, or FILE &quot;-&quot; (standard input) by a JSON document, and applies the whole profile. A file that is not usable changes nothing.</source>
        <translation>Sostituisce un profilo con un file di profilo (.gkp, come fa IMPORT nella finestra) oppure, con --json, un FILE che termina in .json o FILE “-” (standard input), con un documento JSON, e applica l&apos;intero profilo. Un file non utilizzabile non cambia nulla.</translation>
    </message>
    <message>
        <source>the macro library</source>
        <translation>la libreria delle macro</translation>
    </message>
    <message>
        <source>Lists the macros of the library: name, steps, repeat.</source>
        <translation>Elenca le macro della libreria: nome, passi, ripetizioni.</translation>
    </message>
    <message>
        <source>the names assign accepts</source>
        <translation>i nomi che assign accetta</translation>
    </message>
    <message>
        <source>Lists the function names of assign ... media and assign ... mouse, and the key names of assign ... keys, one a line.</source>
        <translation>Elenca i nomi delle funzioni di assign ... media e assign ... mouse, e i nomi dei tasti di assign ... keys, uno per riga.</translation>
    </message>
    <message>
        <source>%1 takes on or off, not %2.</source>
        <translation>%1 accetta on o off, non %2.</translation>
    </message>
    <message>
        <source>Unknown lighting effect %1: use one of %2 (or 1, 2, 4, 8, 16, 32).</source>
        <translation>Effetto di illuminazione sconosciuto %1: usa uno tra %2 (o 1, 2, 4, 8, 16, 32).</translation>
    </message>
    <message>
        <source>Colour %1 is out of range: use 1-7 or one of %2.</source>
        <translation>Il colore %1 è fuori intervallo: usa 1-7 o uno tra %2.</translation>
    </message>
    <message>
        <source>Unknown colour %1: use one of %2 (or 1-7).</source>
        <translation>Colore sconosciuto %1: usa uno tra %2 (o 1-7).</translation>
    </message>
    <message>
        <source>Polling rate %1 is not one of 125, 500, 1000 (Hz).</source>
        <translation>La frequenza di polling %1 non è tra 125, 500, 1000 (Hz).</translation>
    </message>
    <message>
        <source>Profile %1 does not exist: profiles are 1-5.</source>
        <translation>Il profilo %1 non esiste: i profili sono 1-5.</translation>
    </message>
    <message>
        <source>Unknown key %1: the programmable keys are G1-G15.</source>
        <translation>Tasto sconosciuto %1: i tasti programmabili sono G1-G15.</translation>
    </message>
    <message>
        <source>Expected KEY=VALUE, not %1.</source>
        <translation>Atteso KEY=VALUE, non %1.</translation>
    </message>
    <message>
        <source>The game program&apos;s path is longer than the %1 bytes a profile holds.</source>
        <translation>Il percorso del programma del gioco è più lungo dei %1 byte che un profilo può contenere.</translation>
    </message>
    <message>
        <source>Unknown setting %1: use effect, colour, polling, winlock, powersaving, name or game.</source>
        <translation>Impostazione sconosciuta %1: usa effect, colour, polling, winlock, powersaving, name o game.</translation>
    </message>
    <message>
        <source>The mouse button %1 can only be a step of a macro, not a key&apos;s combination.</source>
        <translation>Il pulsante del mouse %1 può essere solo un passo di una macro, non la combinazione di un tasto.</translation>
    </message>
    <message>
        <source>Unknown media function %1: use one of %2.</source>
        <translation>Funzione multimediale sconosciuta %1: usa una tra %2.</translation>
    </message>
    <message>
        <source>Unknown mouse function %1: use one of %2.</source>
        <translation>Funzione del mouse sconosciuta %1: usa una tra %2.</translation>
    </message>
    <message>
        <source>status takes no arguments.</source>
        <translation>status non accetta argomenti.</translation>
    </message>
    <message>
        <source>profile takes at most one profile number.</source>
        <translation>profile accetta al massimo un numero di profilo.</translation>
    </message>
    <message>
        <source>show takes at most one profile number.</source>
        <translation>show accetta al massimo un numero di profilo.</translation>
    </message>
    <message>
        <source>macros takes no arguments.</source>
        <translation>macros non accetta argomenti.</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole: %2.</source>
        <translation>Impossibile leggere per intero la libreria delle macro %1: %2.</translation>
    </message>
    <message>
        <source>functions takes one of media, mouse, keys.</source>
        <translation>functions accetta uno tra media, mouse, keys.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>JSON instead of text (the schema is in the manual page).</source>
        <translation>JSON invece di testo (lo schema è nella pagina di manuale).</translation>
    </message>
    <message>
        <source>Waits at most SECONDS for Monitor to confirm that the keyboard took the change (default 40 minutes, longer than the slowest apply).</source>
        <translation>Attende al massimo SECONDS che Monitor confermi che la tastiera ha applicato la modifica (predefinito 40 minuti, più dell&apos;applicazione più lenta).</translation>
    </message>
    <message>
        <source>Exit status: 0 done; 1 bad input (nothing changed); 2 Monitor not running, no keyboard or no answer (the settings files are saved); 3 Option is open or another change is in progress (changing commands refuse); 4 settings could not be saved (the message names the file; the keyboard may have taken the change); 5 the keyboard refused part of the change (the message names the settings; the files are saved).
</source>
        <translation>Stato di uscita: 0 completato; 1 input errato (nulla è stato modificato); 2 Monitor non in esecuzione, nessuna tastiera o nessuna risposta (i file delle impostazioni sono salvati); 3 Option è aperto o è in corso un&apos;altra modifica (i comandi che modificano rifiutano); 4 impossibile salvare le impostazioni (il messaggio indica il file; la tastiera potrebbe aver applicato la modifica); 5 la tastiera ha rifiutato parte della modifica (il messaggio indica le impostazioni; i file sono salvati).
</translation>
    </message>
    <message>
        <source>Usage: vantorctl COMMAND [ARGUMENTS] [--help]

Reads and changes the Orvyn Vantor keyboard&apos;s configuration as the Option window does. Changes are applied
before the command returns.

Commands:
</source>
        <translation>Uso: vantorctl COMMAND [ARGUMENTS] [--help]

Legge e modifica la configurazione della tastiera Orvyn Vantor come fa la finestra di Option. Le modifiche vengono applicate
prima che il comando termini.

Comandi:
</translation>
    </message>
    <message>
        <source>
Reading commands work while Option is open; changing commands (profile N, set, assign, import) refuse.
</source>
        <translation>
I comandi di lettura funzionano mentre Option è aperto; i comandi che modificano (profile N, set, assign, import) rifiutano.
</translation>
    </message>
    <message>
        <source>See vantorctl COMMAND --help and man vantorctl.
</source>
        <translation>Vedi vantorctl COMMAND --help e man vantorctl.
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opzioni]</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Comando sconosciuto “%1”.</translation>
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
        <translation>Assegna una funzione al tasto programmabile G1-G15 di un profilo e la applica:
  macro NAME         una macro della libreria (vantorctl macros)
  keys COMBINATION   una combinazione di tasti con i nomi inglesi dei tasti: Ctrl+Alt+X, Shift+Page Down
  program PATH       avvia un programma (o un file .desktop)
  media NAME         una funzione multimediale o di applicazione: Play/Pause, Volume Up, Calculator, ...
  mouse NAME         una funzione del mouse: Left Button, Double Click, Key Disabled, ...
  default            l&apos;impostazione di fabbrica del tasto
I nomi non distinguono tra maiuscole e minuscole; vantorctl functions li elenca.</translation>
    </message>
    <message>
        <source>Unknown key %1 in %2: write it with the English key names, e.g. Ctrl+Alt+X or Shift+Page Down (vantorctl functions lists them).</source>
        <translation>Tasto sconosciuto %1 in %2: scrivilo con i nomi inglesi dei tasti, ad es. Ctrl+Alt+X o Shift+Page Down (vantorctl functions li elenca).</translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation>campo sconosciuto</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>mancante</translation>
    </message>
    <message>
        <source>expected a whole number</source>
        <translation>atteso un numero intero</translation>
    </message>
    <message>
        <source>%1 is out of range (%2 to %3)</source>
        <translation>%1 è fuori intervallo (da %2 a %3)</translation>
    </message>
    <message>
        <source>expected a text</source>
        <translation>atteso un testo</translation>
    </message>
    <message>
        <source>longer than the %1 bytes the profile holds</source>
        <translation>più lungo dei %1 byte che il profilo può contenere</translation>
    </message>
    <message>
        <source>contains a NUL character</source>
        <translation>contiene un carattere NUL</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>atteso un oggetto</translation>
    </message>
    <message>
        <source>expected a list</source>
        <translation>attesa una lista</translation>
    </message>
    <message>
        <source>%1 steps; a key holds at most 50</source>
        <translation>%1 passi; un tasto ne contiene al massimo 50</translation>
    </message>
    <message>
        <source>%1 keys; a profile has 15 (G1-G15)</source>
        <translation>%1 tasti; un profilo ne ha 15 (G1-G15)</translation>
    </message>
    <message>
        <source>expected one of G1-G15</source>
        <translation>atteso uno tra G1-G15</translation>
    </message>
    <message>
        <source>named twice</source>
        <translation>indicato due volte</translation>
    </message>
    <message>
        <source>missing (type 3 is a macro)</source>
        <translation>mancante (il tipo 3 è una macro)</translation>
    </message>
    <message>
        <source>given, but only a macro key (type 3) has one</source>
        <translation>indicato, ma solo un tasto macro (tipo 3) ne ha uno</translation>
    </message>
    <message>
        <source>missing (type 11 starts a program)</source>
        <translation>mancante (il tipo 11 avvia un programma)</translation>
    </message>
    <message>
        <source>given, but only a program key (type 11) has one</source>
        <translation>indicato, ma solo un tasto programma (tipo 11) ne ha uno</translation>
    </message>
    <message>
        <source>position %1 is given twice</source>
        <translation>la posizione %1 è indicata due volte</translation>
    </message>
    <message>
        <source>not valid JSON at byte %1: %2</source>
        <translation>JSON non valido al byte %1: %2</translation>
    </message>
    <message>
        <source>expected a JSON object at the top</source>
        <translation>atteso un oggetto JSON al livello superiore</translation>
    </message>
    <message>
        <source>%1: given more than once</source>
        <translation>%1: indicato più di una volta</translation>
    </message>
    <message>
        <source>format: expected &quot;%1&quot; (not a profile document)</source>
        <translation>format: atteso “%1” (non è un documento di profilo)</translation>
    </message>
    <message>
        <source>this vantorctl reads version %1</source>
        <translation>questo vantorctl legge la versione %1</translation>
    </message>
    <message>
        <source>%1 values; a profile has 6</source>
        <translation>%1 valori; un profilo ne ha 6</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>Profile %1: %2  (current)</source>
        <translation>Profilo %1: %2  (corrente)</translation>
    </message>
    <message>
        <source>Profile %1: %2</source>
        <translation>Profilo %1: %2</translation>
    </message>
    <message>
        <source>Game program:</source>
        <translation>Programma del gioco:</translation>
    </message>
    <message>
        <source>Lighting effect:</source>
        <translation>Effetto di illuminazione:</translation>
    </message>
    <message>
        <source>Lighting colour:</source>
        <translation>Colore dell&apos;illuminazione:</translation>
    </message>
    <message>
        <source>Polling rate:</source>
        <translation>Frequenza di polling:</translation>
    </message>
    <message>
        <source>Windows-key lock:</source>
        <translation>Blocco del tasto Windows:</translation>
    </message>
    <message>
        <source>Power saving:</source>
        <translation>Risparmio energetico:</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Tasti:</translation>
    </message>
    <message>
        <source>Remapped standard keys: none</source>
        <translation>Tasti standard rimappati: nessuno</translation>
    </message>
    <message>
        <source>Remapped standard keys:</source>
        <translation>Tasti standard rimappati:</translation>
    </message>
    <message>
        <source>unknown (Monitor is not running)</source>
        <translation>sconosciuto (Monitor non è in esecuzione)</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>collegata</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>non collegata</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>Monitor:</source>
        <translation>Monitor:</translation>
    </message>
    <message>
        <source>running</source>
        <translation>in esecuzione</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>non in esecuzione</translation>
    </message>
    <message>
        <source>Keyboard:</source>
        <translation>Tastiera:</translation>
    </message>
    <message>
        <source>Firmware:</source>
        <translation>Firmware:</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profilo:</translation>
    </message>
    <message>
        <source>Option:</source>
        <translation>Option:</translation>
    </message>
    <message>
        <source>open</source>
        <translation>aperto</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>non aperto</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A refused setting&apos;s reason (already translated) as a sentence.</extracomment>
        <translation>%1.</translation>
    </message>
</context>
</TS>
