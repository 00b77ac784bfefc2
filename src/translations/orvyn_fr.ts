<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Writing to the keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not map view of file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program could show the user manual %1. Install a PDF viewer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user manual is missing. It was looked for at %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConnectionLine</name>
    <message>
        <source>Start Monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor is already running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor could not be started: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConnectionStatus</name>
    <message>
        <source>Keyboard connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No keyboard connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting Monitor...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor is not running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved to the keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved; the keyboard is not connected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceAccessNotice</name>
    <message>
        <source>The keyboard is connected but cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard is connected, but this user may not use it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The udev rule %1 is installed: unplug and plug the keyboard, or run: sudo udevadm trigger. If the keyboard has other ids than [Device] in config.ini, set them in the rule as well.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install the udev rule: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentOpener</name>
    <message>
        <source>No program could open %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program to show PDF files is installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF viewer could not show it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user manual could not be opened. %1

It is at:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ForegroundChoice</name>
    <message>
        <source>per-game profiles on GNOME need the extension that tells which window is in front: run &quot;gnome-extensions enable %1&quot; and start Monitor again; until then only games running through XWayland switch the profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>per-game profiles on GNOME need the extension that tells which window is in front: run &quot;gnome-extensions enable %1&quot; and start Monitor again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyCaptureDialog</name>
    <message>
        <source>Every key you press is recorded. Hold Enter for one second for OK, hold Esc for one second to leave without a change.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyName</name>
    <message>
        <source>Ctrl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BackSpace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CapsLock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page UP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Execute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numlock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ScrollLock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Ctrl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Ctrl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Alt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PrtSc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LaunchProgramDialog</name>
    <message>
        <source>exe file(*.exe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program &quot;%1&quot; was found in PATH. Choose it with the browse button or type its full path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program path is too long: a key holds at most %1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Monitor</name>
    <message>
        <source>Keyboard settings not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Monitor writes them again with its next save; free some space or fix the folder&apos;s permissions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program key %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MonitorHost</name>
    <message>
        <source>Per-game profiles</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Option</name>
    <message>
        <source>Option cannot draw its windows, because a file of its skin is wrong:

%1

Restore the skins folder beside the program (or mend the file) and start Option again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OsdProgram</name>
    <message>
        <source>Windows Key: Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Key: UnLock</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Game program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exe file(*.exe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileFiles</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a profile file: it is larger than %2 MB (a profile file has about 33 KB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a profile file: it is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a profile file: it has no [Setting] section.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a damaged profile file: its block %2 does not check out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a profile file: it holds none of the key blocks of a profile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is refused: it holds %2 more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: missing (a profile file holds every setting)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is refused: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile file could not be copied into the settings folder %1. Check that you may write there and that the disk is not full. Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile could not be written to %1 (%2). The file that was there is left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile could not be written to %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile was exported to %1, but its copy %2 and its name in config.ini could not all be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileTransfer</name>
    <message>
        <source>Import a profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gaming Keyboard Profile(*.gkp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Every key you press is recorded. Hold Esc for one second to leave without a change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SessionNotices</name>
    <message>
        <source>current profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key assignments of the standard keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows-key lock and other switches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>programmable-key assignments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>macros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lighting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>polling rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>other settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings were saved, but they could not be sent to the keyboard because the Monitor program is not running. Start Monitor and apply again to change the keyboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings were not saved, and they could not be sent to the keyboard because the Monitor program is not running. Start Monitor and apply again to change the keyboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings were saved, but no keyboard is connected, so the keyboard did not receive them. Connect it and apply again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings were not saved, and no keyboard is connected, so the keyboard did not receive them. Connect it and apply again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings were saved, but Monitor did not confirm that the keyboard received them. Make sure Monitor is running and apply again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings were not saved, and Monitor did not confirm that the keyboard received them. Make sure Monitor is running and apply again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard refused some changes. They stay marked; Apply sends them again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard refused some changes: %1. They stay marked; Apply sends them again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole. It is left as it is: the macros that could be read are shown, and macros recorded or changed now are not saved to it until it is mended or removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole: %2. It is left as it is: the macros that could be read are shown, and macros recorded or changed now are not saved to it until it is mended or removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved:
%1
They stay marked as changed: once the problem is solved, apply again to save them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShortcutDialog</name>
    <message>
        <source>Press the key with Ctrl, Shift, Alt or Win held to record the combination. </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StandardKeyPage</name>
    <message>
        <source>Key %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key code %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, sends </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserManual</name>
    <message>
        <source>User Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profiles, keys, macros and lighting of the keyboard, set up from the Linux desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chapters that follow are in English.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorctl</name>
    <message>
        <source>Another change is in progress (Option&apos;s window or another vantorctl command), so nothing was changed: two editors of one configuration would overwrite each other. Close Option or wait for the other command, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program receives Option&apos;s messages, so nothing was changed. Close Option and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot receive Monitor&apos;s answer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard refused some changes. The settings files hold them, but the keyboard did not take them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard refused some changes: %1. The settings files hold them, but the keyboard did not take them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read standard input: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document on standard input is larger than a profile document can be.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set needs a profile and at least one KEY=VALUE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>assign needs a profile, a key and what the key does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>default takes nothing after it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>program takes one path (quote a path with blanks).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program &quot;%1&quot; was found in PATH; give its full path (or ./%1 for one in the current folder).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot make a full path of &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The path &quot;%1&quot; is longer than the %2 bytes a key holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>note: &quot;%1&quot; does not exist (yet); the key starts it once it does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>macro takes the name of a macro of the library (vantorctl macros).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown assignment &quot;%1&quot;: use macro NAME, keys COMBINATION, program PATH, media NAME, mouse NAME or default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>export needs a profile and a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The file that was there is left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>import needs a profile and a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard input is not a usable profile document: %1. Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a usable profile document: %2. Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--wait takes a number of seconds (more than 0, at most a day).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 %2 (see %1 --help)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which profile (1-5)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keyboard, firmware, current profile, whether Monitor runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows whether Monitor runs and has the keyboard, the firmware version and the current profile. Exit status 0 when Monitor runs with the keyboard connected, 2 otherwise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show the current profile, or switch to profile N (1-5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without N: prints the current profile&apos;s number and name. With N: makes profile N current on the keyboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a profile&apos;s lighting, polling rate, switches, keys and remapped keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows a profile (the current one when none is given): lighting effect and colour, polling rate, Windows-key lock, power saving, what each programmable key G1-G15 does (as the window&apos;s captions say it) and the remapped standard keys. With --json: the whole profile as a JSON document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lighting, polling rate, Windows-key lock, power saving, name, game</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>what a programmable key does</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a profile into a .gkp profile file, or a JSON document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes a profile into a profile file (.gkp, as the window&apos;s EXPORT does: its name is noted in config.ini and a copy kept in the settings folder), or with --json, a FILE ending in .json, or FILE &quot;-&quot; (standard output) as a JSON document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a profile from a .gkp profile file or a JSON document, and apply it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replaces a profile by a profile file (.gkp, as the window&apos;s IMPORT does) or with --json, a FILE ending in .json, or FILE &quot;-&quot; (standard input) by a JSON document, and applies the whole profile. A file that is not usable changes nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the macro library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists the macros of the library: name, steps, repeat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the names assign accepts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists the function names of assign ... media and assign ... mouse, and the key names of assign ... keys, one a line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes on or off, not %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown lighting effect %1: use one of %2 (or 1, 2, 4, 8, 16, 32).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour %1 is out of range: use 1-7 or one of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown colour %1: use one of %2 (or 1-7).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polling rate %1 is not one of 125, 500, 1000 (Hz).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile %1 does not exist: profiles are 1-5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown key %1: the programmable keys are G1-G15.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expected KEY=VALUE, not %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game program&apos;s path is longer than the %1 bytes a profile holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown setting %1: use effect, colour, polling, winlock, powersaving, name or game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mouse button %1 can only be a step of a macro, not a key&apos;s combination.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown key %1 in %2: write it as the window shows it, e.g. Ctrl+Alt+X or Shift+Page Down (vantorctl functions lists the key names).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown media function %1: use one of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown mouse function %1: use one of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>status takes no arguments.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>profile takes at most one profile number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show takes at most one profile number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>macros takes no arguments.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>functions takes one of media, mouse, keys.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JSON instead of text (the schema is in the manual page).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waits at most SECONDS for Monitor to confirm that the keyboard took the change (default 40 minutes, longer than the slowest apply).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit status: 0 done; 1 bad input (nothing changed); 2 Monitor not running, no keyboard or no answer (the settings files are saved); 3 Option is open or another change is in progress (changing commands refuse); 4 settings could not be saved (the message names the file; the keyboard may have taken the change); 5 the keyboard refused part of the change (the message names the settings; the files are saved).
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: vantorctl COMMAND [ARGUMENTS] [--help]

Reads and changes the Orvyn Vantor keyboard&apos;s configuration as the Option window does. Changes are applied
before the command returns.

Commands:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Reading commands work while Option is open; changing commands (profile N, set, assign, import) refuse.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See vantorctl COMMAND --help and man vantorctl.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is out of range (%2 to %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>longer than the %1 bytes the profile holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>contains a NUL character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 steps; a key holds at most 50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 keys; a profile has 15 (G1-G15)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected one of G1-G15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>named twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing (type 3 is a macro)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>given, but only a macro key (type 3) has one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing (type 11 starts a program)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>given, but only a program key (type 11) has one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>position %1 is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not valid JSON at byte %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a JSON object at the top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: given more than once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>format: expected &quot;%1&quot; (not a profile document)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this vantorctl reads version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 values; a profile has 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile %1: %2  (current)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game program:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lighting effect:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lighting colour:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polling rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows-key lock:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power saving:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remapped standard keys: none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remapped standard keys:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown (Monitor is not running)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
