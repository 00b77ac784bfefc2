<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Writing to the keyboard</source>
        <translation>Écriture dans le clavier</translation>
    </message>
    <message>
        <source>Could not map view of file.</source>
        <translation>Impossible de projeter le fichier en mémoire.</translation>
    </message>
    <message>
        <source>No program could show the user manual %1. Install a PDF viewer.</source>
        <translation>Aucun programme n&apos;a pu afficher le manuel d&apos;utilisation %1. Installez une visionneuse PDF.</translation>
    </message>
    <message>
        <source>The user manual is missing. It was looked for at %1.</source>
        <translation>Le manuel d&apos;utilisation est introuvable. Il a été recherché à l&apos;emplacement %1.</translation>
    </message>
</context>
<context>
    <name>ConnectionLine</name>
    <message>
        <source>Start Monitor</source>
        <translation>Démarrer Monitor</translation>
    </message>
    <message>
        <source>Monitor is already running.</source>
        <translation>Monitor est déjà en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>Monitor could not be started: %1</source>
        <translation>Impossible de démarrer Monitor&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ConnectionStatus</name>
    <message>
        <source>Keyboard connected</source>
        <translation>Clavier connecté</translation>
    </message>
    <message>
        <source>No keyboard connected</source>
        <translation>Aucun clavier connecté</translation>
    </message>
    <message>
        <source>Starting Monitor...</source>
        <translation>Démarrage de Monitor...</translation>
    </message>
    <message>
        <source>Monitor is not running</source>
        <translation>Monitor n&apos;est pas en cours d&apos;exécution</translation>
    </message>
    <message>
        <source>Saved to the keyboard</source>
        <translation>Enregistré dans le clavier</translation>
    </message>
    <message>
        <source>Saved; the keyboard is not connected</source>
        <translation>Enregistré ; le clavier n&apos;est pas connecté</translation>
    </message>
</context>
<context>
    <name>DeviceAccessNotice</name>
    <message>
        <source>The keyboard is connected but cannot be opened</source>
        <translation>Le clavier est connecté mais ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>The keyboard is connected, but this user may not use it</source>
        <translation>Le clavier est connecté, mais cet utilisateur n&apos;a pas le droit de l&apos;utiliser</translation>
    </message>
    <message>
        <source>The udev rule %1 is installed: unplug and plug the keyboard, or run: sudo udevadm trigger. If the keyboard has other ids than [Device] in config.ini, set them in the rule as well.</source>
        <translation>La règle udev %1 est installée : débranchez puis rebranchez le clavier, ou exécutez : sudo udevadm trigger. Si le clavier a d&apos;autres identifiants que [Device] dans config.ini, indiquez-les aussi dans la règle.</translation>
    </message>
    <message>
        <source>Install the udev rule: %1</source>
        <translation>Installez la règle udev : %1</translation>
    </message>
</context>
<context>
    <name>DocumentOpener</name>
    <message>
        <source>No program could open %1.</source>
        <translation>Aucun programme n&apos;a pu ouvrir %1.</translation>
    </message>
    <message>
        <source>No program to show PDF files is installed.</source>
        <translation>Aucun programme d&apos;affichage des fichiers PDF n&apos;est installé.</translation>
    </message>
    <message>
        <source>The PDF viewer could not show it.</source>
        <translation>La visionneuse PDF n&apos;a pas pu l&apos;afficher.</translation>
    </message>
    <message>
        <source>The user manual could not be opened. %1

It is at:
%2</source>
        <translation>Impossible d&apos;ouvrir le manuel d&apos;utilisation. %1

Il se trouve ici&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
</context>
<context>
    <name>ForegroundChoice</name>
    <message>
        <source>per-game profiles on GNOME need the extension that tells which window is in front: run &quot;gnome-extensions enable %1&quot; and start Monitor again; until then only games running through XWayland switch the profile</source>
        <translation>les profils par jeu sous GNOME nécessitent l&apos;extension qui indique quelle fenêtre est au premier plan : exécutez « gnome-extensions enable %1 » et redémarrez Monitor ; d&apos;ici là, seuls les jeux exécutés via XWayland changent de profil</translation>
    </message>
    <message>
        <source>per-game profiles on GNOME need the extension that tells which window is in front: run &quot;gnome-extensions enable %1&quot; and start Monitor again</source>
        <translation>les profils par jeu sous GNOME nécessitent l&apos;extension qui indique quelle fenêtre est au premier plan : exécutez « gnome-extensions enable %1 » et redémarrez Monitor</translation>
    </message>
</context>
<context>
    <name>KeyCaptureDialog</name>
    <message>
        <source>Every key you press is recorded. Hold Enter for one second for OK, hold Esc for one second to leave without a change.</source>
        <translation>Chaque touche pressée est enregistrée. Maintenez Entrée une seconde pour valider, ou Échap une seconde pour quitter sans modification.</translation>
    </message>
</context>
<context>
    <name>KeyName</name>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>PrtSc</source>
        <translation>Impr écran</translation>
    </message>
    <message>
        <source>ScrLk</source>
        <translation>Arrêt défil</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Verr Maj</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maj</translation>
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
        <translation>Inser</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>Pg préc</translation>
    </message>
    <message>
        <source>PgDn</source>
        <translation>Pg suiv</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Verr num</translation>
    </message>
    <message>
        <source>BackSpace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>CapsLock</source>
        <translation>Verr Maj</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Page UP</source>
        <translation>Page préc</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page suiv</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Impr écran</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inser</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Left Windows</source>
        <translation>Windows gauche</translation>
    </message>
    <message>
        <source>Right Windows</source>
        <translation>Windows droite</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>(Enter)</source>
        <translation>(Entrée)</translation>
    </message>
    <message>
        <source>Numlock</source>
        <translation>Verr num</translation>
    </message>
    <message>
        <source>ScrollLock</source>
        <translation>Arrêt défil</translation>
    </message>
    <message>
        <source>Left Shift</source>
        <translation>Maj gauche</translation>
    </message>
    <message>
        <source>Right Shift</source>
        <translation>Maj droite</translation>
    </message>
    <message>
        <source>Left Ctrl</source>
        <translation>Ctrl gauche</translation>
    </message>
    <message>
        <source>Right Ctrl</source>
        <translation>Ctrl droite</translation>
    </message>
    <message>
        <source>Left Alt</source>
        <translation>Alt gauche</translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation>Alt droite</translation>
    </message>
    <message>
        <source>L Button</source>
        <translation>Bouton gauche</translation>
    </message>
    <message>
        <source>R Button</source>
        <translation>Bouton droit</translation>
    </message>
    <message>
        <source>M Button</source>
        <translation>Bouton central</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>Bouton 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>Bouton 5</translation>
    </message>
</context>
<context>
    <name>LaunchProgramDialog</name>
    <message>
        <source>exe file(*.exe)</source>
        <translation>Fichier EXE (*.exe)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>No program &quot;%1&quot; was found in PATH. Choose it with the browse button or type its full path.</source>
        <translation>Aucun programme «&#xa0;%1&#xa0;» n&apos;a été trouvé dans le PATH. Choisissez-le avec le bouton Parcourir ou saisissez son chemin complet.</translation>
    </message>
    <message>
        <source>The program path is too long: a key holds at most %1 bytes.</source>
        <translation>Le chemin du programme est trop long&#xa0;: une touche contient au plus %1 octets.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>no program given</source>
        <translation>aucun programme indiqué</translation>
    </message>
    <message>
        <source>not found: %1</source>
        <translation>introuvable : %1</translation>
    </message>
    <message>
        <source>cannot open %1: xdg-open is not installed</source>
        <translation>impossible d&apos;ouvrir %1 : xdg-open n&apos;est pas installé</translation>
    </message>
    <message>
        <source>%1 is not a file that can be opened</source>
        <translation>%1 n&apos;est pas un fichier qui peut être ouvert</translation>
    </message>
    <message>
        <source>cannot launch %1</source>
        <translation>lancement impossible : %1</translation>
    </message>
    <message>
        <source>%1 is not a desktop entry</source>
        <translation>%1 n&apos;est pas une entrée de bureau (.desktop)</translation>
    </message>
    <message>
        <source>%1 is marked as deleted (Hidden)</source>
        <translation>%1 est marqué comme supprimé (Hidden)</translation>
    </message>
    <message>
        <source>%1 links nowhere</source>
        <translation>%1 ne renvoie nulle part</translation>
    </message>
    <message>
        <source>%1 does not start a program</source>
        <translation>%1 ne lance aucun programme</translation>
    </message>
    <message>
        <source>%1: %2 is not installed</source>
        <translation>%1 : %2 n&apos;est pas installé</translation>
    </message>
    <message>
        <source>%1 has no usable command (Exec)</source>
        <translation>%1 n&apos;a pas de commande utilisable (Exec)</translation>
    </message>
    <message>
        <source>%1 runs in a terminal, and no terminal emulator is installed</source>
        <translation>%1 s&apos;exécute dans un terminal, et aucun émulateur de terminal n&apos;est installé</translation>
    </message>
</context>
<context>
    <name>MacroManagerDialog</name>
    <message>
        <source>Macros</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Macro events</source>
        <translation>Étapes de la macro</translation>
    </message>
</context>
<context>
    <name>MediaFunction</name>
    <message>
        <source>Screensave</source>
        <translation>Économiseur d&apos;écran</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>Explorateur</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
</context>
<context>
    <name>Monitor</name>
    <message>
        <source>Keyboard settings not saved</source>
        <translation>Paramètres du clavier non enregistrés</translation>
    </message>
    <message>
        <source>%1
Monitor writes them again with its next save; free some space or fix the folder&apos;s permissions.</source>
        <translation>%1
Monitor les réécrira lors de son prochain enregistrement ; libérez de l&apos;espace ou corrigez les droits du dossier.</translation>
    </message>
    <message>
        <source>Program key %1</source>
        <translation>Touche de programme %1</translation>
    </message>
</context>
<context>
    <name>MonitorHost</name>
    <message>
        <source>Per-game profiles</source>
        <translation>Profils par jeu</translation>
    </message>
</context>
<context>
    <name>Option</name>
    <message>
        <source>Option cannot draw its windows, because a file of its skin is wrong:

%1

Restore the skins folder beside the program (or mend the file) and start Option again.</source>
        <translation>Option ne peut pas dessiner ses fenêtres, car un fichier de son habillage est incorrect&#xa0;:

%1

Restaurez le dossier skins à côté du programme (ou réparez le fichier), puis relancez Option.</translation>
    </message>
</context>
<context>
    <name>OsdProgram</name>
    <message>
        <source>Windows Key: Lock</source>
        <translation>Touche Windows&#xa0;: verrouillée</translation>
    </message>
    <message>
        <source>Windows Key: UnLock</source>
        <translation>Touche Windows&#xa0;: déverrouillée</translation>
    </message>
</context>
<context>
    <name>ProfileCheck</name>
    <message>
        <source>%1: %2 has no terminating NUL within its %3 bytes</source>
        <translation>%1 : %2 n&apos;a pas de NUL final dans ses %3 octets</translation>
    </message>
    <message>
        <source>%1: %2 is not a repeat count (0-255)</source>
        <translation>%1 : %2 n&apos;est pas un nombre de répétitions (0-255)</translation>
    </message>
    <message>
        <source>%1: %2 is more than the 50 steps a key holds</source>
        <translation>%1 : %2 dépasse les 50 étapes que peut contenir une touche</translation>
    </message>
    <message>
        <source>%1: %2 is not a key or mouse-button code</source>
        <translation>%1 : %2 n&apos;est pas un code de touche ou de bouton de la souris</translation>
    </message>
    <message>
        <source>%1: %2 is neither 1 (press) nor 2 (release)</source>
        <translation>%1 : %2 n&apos;est ni 1 (appui) ni 2 (relâchement)</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of this assignment type</source>
        <translation>%1 : %2 n&apos;est pas 0, seule valeur de flags de ce type d&apos;affectation</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of this assignment type</source>
        <translation>%1 : %2 n&apos;est pas 0, seule valeur de code de ce type d&apos;affectation</translation>
    </message>
    <message>
        <source>%1: %2 is not a set of modifiers (1 Ctrl, 2 Shift, 4 Alt, 8 Win)</source>
        <translation>%1 : %2 n&apos;est pas un ensemble de touches de modification (1 Ctrl, 2 Maj, 4 Alt, 8 Win)</translation>
    </message>
    <message>
        <source>%1: %2 is not a key code</source>
        <translation>%1 : %2 n&apos;est pas un code de touche</translation>
    </message>
    <message>
        <source>%1: %2 is not a keyboard function (1, 4-7)</source>
        <translation>%1 : %2 n&apos;est pas une fonction du clavier (1, 4-7)</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a keyboard function</source>
        <translation>%1 : %2 n&apos;est pas 0, seule valeur de code d&apos;une fonction du clavier</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of a media function</source>
        <translation>%1 : %2 n&apos;est pas 0, seule valeur de flags d&apos;une fonction multimédia</translation>
    </message>
    <message>
        <source>%1: %2 is not a media or application function (176-199)</source>
        <translation>%1 : %2 n&apos;est pas une fonction multimédia ou d&apos;application (176-199)</translation>
    </message>
    <message>
        <source>%1: %2 is not a mouse button (1-5)</source>
        <translation>%1 : %2 n&apos;est pas un bouton de la souris (1-5)</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a mouse-button function</source>
        <translation>%1 : %2 n&apos;est pas 0, seule valeur de code d&apos;une fonction de bouton de la souris</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of a single key</source>
        <translation>%1 : %2 n&apos;est pas 0, seule valeur de flags d&apos;une touche simple</translation>
    </message>
    <message>
        <source>%1: %2 is not %3, the key&apos;s number</source>
        <translation>%1 : %2 n&apos;est pas %3, le numéro de la touche</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a program key</source>
        <translation>%1 : %2 n&apos;est pas 0, seule valeur de code d&apos;une touche de programme</translation>
    </message>
    <message>
        <source>%1: %2 is not an assignment type</source>
        <translation>%1 : %2 n&apos;est pas un type d&apos;affectation</translation>
    </message>
    <message>
        <source>%1: %2 contains a control character</source>
        <translation>%1 : %2 contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>%1: %2 contains a bidirectional override</source>
        <translation>%1 : %2 contient un caractère de forçage bidirectionnel</translation>
    </message>
    <message>
        <source>%1: %2 is not a media player (0-3)</source>
        <translation>%1 : %2 n&apos;est pas un lecteur multimédia (0-3)</translation>
    </message>
    <message>
        <source>%1: %2 is neither 0 nor 1</source>
        <translation>%1 : %2 n&apos;est ni 0 ni 1</translation>
    </message>
    <message>
        <source>%1: %2 is not a byte (0-255)</source>
        <translation>%1 : %2 n&apos;est pas un octet (0-255)</translation>
    </message>
    <message>
        <source>%1: %2 is not a lighting colour (0-7)</source>
        <translation>%1 : %2 n&apos;est pas une couleur d&apos;éclairage (0-7)</translation>
    </message>
    <message>
        <source>%1: %2 is not a lighting control value (1, 2, 4, 8, 16, 32)</source>
        <translation>%1 : %2 n&apos;est pas une valeur de commande de l&apos;éclairage (1, 2, 4, 8, 16, 32)</translation>
    </message>
    <message>
        <source>%1: %2 is not a polling rate (1, 2, 4)</source>
        <translation>%1 : %2 n&apos;est pas une fréquence d&apos;interrogation (1, 2, 4)</translation>
    </message>
    <message>
        <source>%1; replaced by its factory value</source>
        <translation>%1 ; remplacé par sa valeur d&apos;usine</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Game program</source>
        <translation>Programme du jeu</translation>
    </message>
    <message>
        <source>exe file(*.exe)</source>
        <translation>Fichier EXE (*.exe)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>ProfileFiles</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Le fichier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it is larger than %2 MB (a profile file has about 33 KB).</source>
        <translation>%1 n&apos;est pas un fichier de profil : il dépasse %2 Mo (un fichier de profil fait environ 33 Ko).</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Impossible de lire le fichier : %1.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it is empty.</source>
        <translation>%1 n&apos;est pas un fichier de profil : il est vide.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it has no [Setting] section.</source>
        <translation>%1 n&apos;est pas un fichier de profil : il n&apos;a pas de section [Setting].</translation>
    </message>
    <message>
        <source>%1 is a damaged profile file: its block %2 does not check out.</source>
        <translation>%1 est un fichier de profil endommagé : son bloc %2 est incorrect.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it holds none of the key blocks of a profile.</source>
        <translation>%1 n&apos;est pas un fichier de profil : il ne contient aucun des blocs de touches d&apos;un profil.</translation>
    </message>
    <message>
        <source>%1 is refused: it holds %2 more than once.</source>
        <translation>%1 est refusé : il contient %2 plus d&apos;une fois.</translation>
    </message>
    <message>
        <source>%1: missing (a profile file holds every setting)</source>
        <translation>%1 : absent (un fichier de profil contient tous les paramètres)</translation>
    </message>
    <message>
        <source>%1 is refused: %2.</source>
        <translation>%1 est refusé : %2.</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>The profile file could not be copied into the settings folder %1. Check that you may write there and that the disk is not full. Nothing was imported.</source>
        <translation>Impossible de copier le fichier de profil dans le dossier des paramètres %1. Vérifiez que vous pouvez y écrire et que le disque n&apos;est pas plein. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>The profile could not be written to %1 (%2). The file that was there is left as it was.</source>
        <translation>Impossible d&apos;écrire le profil dans %1 (%2). Le fichier existant reste inchangé.</translation>
    </message>
    <message>
        <source>The profile could not be written to %1 (%2).</source>
        <translation>Impossible d&apos;écrire le profil dans %1 (%2).</translation>
    </message>
    <message>
        <source>The profile was exported to %1, but its copy %2 and its name in config.ini could not all be written.</source>
        <translation>Le profil a été exporté vers %1, mais sa copie %2 et son nom dans config.ini n&apos;ont pas pu être entièrement écrits.</translation>
    </message>
</context>
<context>
    <name>ProfileTransfer</name>
    <message>
        <source>Import a profile</source>
        <translation>Importer un profil</translation>
    </message>
    <message>
        <source>Export the profile</source>
        <translation>Exporter le profil</translation>
    </message>
    <message>
        <source>Gaming Keyboard Profile(*.gkp)</source>
        <translation>Profil de clavier de jeu (*.gkp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arguments&#xa0;:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Every key you press is recorded. Hold Esc for one second to leave without a change.</source>
        <translation>Chaque touche pressée est enregistrée. Maintenez Échap une seconde pour quitter sans modification.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>SessionNotices</name>
    <message>
        <source>current profile</source>
        <translation>profil actuel</translation>
    </message>
    <message>
        <source>key assignments of the standard keys</source>
        <translation>affectation des touches standard</translation>
    </message>
    <message>
        <source>Windows-key lock and other switches</source>
        <translation>verrouillage de la touche Windows et autres options</translation>
    </message>
    <message>
        <source>programmable-key assignments</source>
        <translation>affectation des touches programmables</translation>
    </message>
    <message>
        <source>macros</source>
        <translation>macros</translation>
    </message>
    <message>
        <source>lighting</source>
        <translation>éclairage</translation>
    </message>
    <message>
        <source>polling rate</source>
        <translation>fréquence d&apos;interrogation</translation>
    </message>
    <message>
        <source>other settings</source>
        <translation>autres paramètres</translation>
    </message>
    <message>
        <source>The settings were saved, but they could not be sent to the keyboard because the Monitor program is not running. Start Monitor and apply again to change the keyboard.</source>
        <translation>Les paramètres ont été enregistrés, mais ils n&apos;ont pas pu être envoyés au clavier car le programme Monitor n&apos;est pas en cours d&apos;exécution. Démarrez Monitor et appliquez à nouveau pour modifier le clavier.</translation>
    </message>
    <message>
        <source>The settings were not saved, and they could not be sent to the keyboard because the Monitor program is not running. Start Monitor and apply again to change the keyboard.</source>
        <translation>Les paramètres n&apos;ont pas été enregistrés et n&apos;ont pas pu être envoyés au clavier car le programme Monitor n&apos;est pas en cours d&apos;exécution. Démarrez Monitor et appliquez à nouveau pour modifier le clavier.</translation>
    </message>
    <message>
        <source>The settings were saved, but no keyboard is connected, so the keyboard did not receive them. Connect it and apply again.</source>
        <translation>Les paramètres ont été enregistrés, mais aucun clavier n&apos;est connecté : le clavier ne les a donc pas reçus. Connectez-le et appliquez à nouveau.</translation>
    </message>
    <message>
        <source>The settings were not saved, and no keyboard is connected, so the keyboard did not receive them. Connect it and apply again.</source>
        <translation>Les paramètres n&apos;ont pas été enregistrés et aucun clavier n&apos;est connecté : le clavier ne les a donc pas reçus. Connectez-le et appliquez à nouveau.</translation>
    </message>
    <message>
        <source>The settings were saved, but Monitor did not confirm that the keyboard received them. Make sure Monitor is running and apply again.</source>
        <translation>Les paramètres ont été enregistrés, mais Monitor n&apos;a pas confirmé que le clavier les a reçus. Vérifiez que Monitor est en cours d&apos;exécution et appliquez à nouveau.</translation>
    </message>
    <message>
        <source>The settings were not saved, and Monitor did not confirm that the keyboard received them. Make sure Monitor is running and apply again.</source>
        <translation>Les paramètres n&apos;ont pas été enregistrés et Monitor n&apos;a pas confirmé que le clavier les a reçus. Vérifiez que Monitor est en cours d&apos;exécution et appliquez à nouveau.</translation>
    </message>
    <message>
        <source>The keyboard refused some changes. They stay marked; Apply sends them again.</source>
        <translation>Le clavier a refusé certaines modifications. Elles restent marquées ; Appliquer les renvoie.</translation>
    </message>
    <message>
        <source>The keyboard refused some changes: %1. They stay marked; Apply sends them again.</source>
        <translation>Le clavier a refusé certaines modifications : %1. Elles restent marquées ; Appliquer les renvoie.</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole. It is left as it is: the macros that could be read are shown, and macros recorded or changed now are not saved to it until it is mended or removed.</source>
        <translation>La bibliothèque de macros %1 ne peut pas être lue en entier. Elle reste inchangée : les macros lisibles sont affichées, et les macros enregistrées ou modifiées maintenant n&apos;y seront pas enregistrées tant qu&apos;elle ne sera pas réparée ou supprimée.</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole: %2. It is left as it is: the macros that could be read are shown, and macros recorded or changed now are not saved to it until it is mended or removed.</source>
        <translation>La bibliothèque de macros %1 ne peut pas être lue en entier : %2. Elle reste inchangée : les macros lisibles sont affichées, et les macros enregistrées ou modifiées maintenant n&apos;y seront pas enregistrées tant qu&apos;elle ne sera pas réparée ou supprimée.</translation>
    </message>
    <message>
        <source>The settings could not be saved:
%1
They stay marked as changed: once the problem is solved, apply again to save them.</source>
        <translation>Impossible d&apos;enregistrer les paramètres :
%1
Ils restent marqués comme modifiés : une fois le problème résolu, appliquez à nouveau pour les enregistrer.</translation>
    </message>
</context>
<context>
    <name>ShortcutDialog</name>
    <message>
        <source>Press the key with Ctrl, Shift, Alt or Win held to record the combination. </source>
        <translation>Appuyez sur la touche en maintenant Ctrl, Maj, Alt ou Win pour enregistrer la combinaison. </translation>
    </message>
</context>
<context>
    <name>SkinAdvanced</name>
    <message>
        <source>ADVANCED</source>
        <translation>AVANCÉ</translation>
    </message>
    <message>
        <source>Settings of the current profile. They reach the keyboard when you press APPLY or OK.</source>
        <translation>Paramètres du profil actuel. Ils sont envoyés au clavier quand vous cliquez sur APPLIQUER ou OK.</translation>
    </message>
    <message>
        <source>POLLING RATE</source>
        <translation>FRÉQUENCE D&apos;INTERROGATION</translation>
    </message>
    <message>
        <source>How often the keyboard reports to the computer.</source>
        <translation>Fréquence à laquelle le clavier communique avec l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>ÉCLAIRAGE</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFFET</translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation>COULEUR</translation>
    </message>
    <message>
        <source>WINDOWS KEY</source>
        <translation>TOUCHE WINDOWS</translation>
    </message>
    <message>
        <source>Lock it so that it cannot throw you out of a game.</source>
        <translation>Verrouillez-la pour qu&apos;elle ne vous fasse pas sortir d&apos;un jeu.</translation>
    </message>
    <message>
        <source>POWER SAVING</source>
        <translation>ÉCONOMIE D&apos;ÉNERGIE</translation>
    </message>
    <message>
        <source>Lets the keyboard save power when it is idle.</source>
        <translation>Permet au clavier d&apos;économiser l&apos;énergie quand il est inactif.</translation>
    </message>
    <message>
        <source>125 Hz</source>
        <translation>125 Hz</translation>
    </message>
    <message>
        <source>Report 125 times a second (8 ms).</source>
        <translation>125 rapports par seconde (8 ms).</translation>
    </message>
    <message>
        <source>500 Hz</source>
        <translation>500 Hz</translation>
    </message>
    <message>
        <source>Report 500 times a second (2 ms).</source>
        <translation>500 rapports par seconde (2 ms).</translation>
    </message>
    <message>
        <source>1000 Hz</source>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <source>Report 1000 times a second (1 ms): the quickest response.</source>
        <translation>1000 rapports par seconde (1 ms) : la réponse la plus rapide.</translation>
    </message>
    <message>
        <source>Lighting effect of the keyboard. Click to choose another.</source>
        <translation>Effet d&apos;éclairage du clavier. Cliquez pour en choisir un autre.</translation>
    </message>
    <message>
        <source>Lighting colour of the keyboard. Click to choose another.</source>
        <translation>Couleur d&apos;éclairage du clavier. Cliquez pour en choisir une autre.</translation>
    </message>
    <message>
        <source>ENABLED</source>
        <translation>ACTIVÉE</translation>
    </message>
    <message>
        <source>The Windows keys work as usual.</source>
        <translation>Les touches Windows fonctionnent normalement.</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>VERROUILLÉE</translation>
    </message>
    <message>
        <source>The Windows keys are locked while you play.</source>
        <translation>Les touches Windows sont verrouillées pendant le jeu.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>Power saving is off.</source>
        <translation>L&apos;économie d&apos;énergie est désactivée.</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>The keyboard saves power when it is idle.</source>
        <translation>Le clavier économise l&apos;énergie quand il est inactif.</translation>
    </message>
</context>
<context>
    <name>SkinKeyMapping</name>
    <message>
        <source>KEY MAPPING</source>
        <translation>AFFECTATION DES TOUCHES</translation>
    </message>
    <message>
        <source>Click a key to make it send another key or a mouse function. Remapped keys stay lit.</source>
        <translation>Cliquez sur une touche pour qu&apos;elle envoie une autre touche ou une fonction de souris. Les touches réaffectées restent allumées.</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>VERR NUM</translation>
    </message>
    <message>
        <source>CAPS</source>
        <translation>VERR MAJ</translation>
    </message>
    <message>
        <source>SCROLL</source>
        <translation>DÉFIL</translation>
    </message>
    <message>
        <source>Remapped key</source>
        <translation>Touche réaffectée</translation>
    </message>
    <message>
        <source>Default key</source>
        <translation>Touche par défaut</translation>
    </message>
    <message>
        <source>%1 key. Click to make it send another key or a mouse function.</source>
        <translation>Touche %1. Cliquez pour qu&apos;elle envoie une autre touche ou une fonction de souris.</translation>
    </message>
</context>
<context>
    <name>SkinLaunchProgram</name>
    <message>
        <source>PROGRAM TO START WHEN THE KEY IS PRESSED</source>
        <translation>PROGRAMME À LANCER À L&apos;APPUI SUR LA TOUCHE</translation>
    </message>
    <message>
        <source>Path of the program.</source>
        <translation>Chemin du programme.</translation>
    </message>
    <message>
        <source>BROWSE...</source>
        <translation>PARCOURIR...</translation>
    </message>
    <message>
        <source>Choose the program in a file dialog.</source>
        <translation>Choisir le programme dans une boîte de dialogue.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Use this program.</source>
        <translation>Utiliser ce programme.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>Laisser la touche inchangée.</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>Laisser la touche inchangée et fermer.</translation>
    </message>
    <message>
        <source>LAUNCH PROGRAM</source>
        <translation>LANCER UN PROGRAMME</translation>
    </message>
</context>
<context>
    <name>SkinMacroKeys</name>
    <message>
        <source>MACRO KEYS</source>
        <translation>TOUCHES MACRO</translation>
    </message>
    <message>
        <source>Click a key to give it a macro, a key combination, a program, a media function or a mouse button.</source>
        <translation>Cliquez sur une touche pour lui attribuer : macro, combinaison de touches, programme, fonction multimédia ou bouton de la souris.</translation>
    </message>
    <message>
        <source>G9 to G14 are the media keys: the Media Keys page shows the same six keys.</source>
        <translation>G9 à G14 sont les touches multimédia : la page Touches multimédia montre ces mêmes six touches.</translation>
    </message>
    <message>
        <source>Programmable key G%1. Click to choose what it does.</source>
        <translation>Touche programmable G%1. Cliquez pour choisir son action.</translation>
    </message>
</context>
<context>
    <name>SkinMacroManager</name>
    <message>
        <source>MACROS</source>
        <translation>MACROS</translation>
    </message>
    <message>
        <source>EVENTS</source>
        <translation>ÉVÉNEMENTS</translation>
    </message>
    <message>
        <source>TIMES</source>
        <translation>FOIS</translation>
    </message>
    <message>
        <source>Right-click the event list to record before or after a step, insert delays and mouse buttons, edit or delete.</source>
        <translation>Clic droit dans la liste des événements : enregistrer avant ou après une étape ; insérer des délais et des boutons de la souris ; modifier ou supprimer.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keep the changes to the macro library.</source>
        <translation>Conserver les modifications de la bibliothèque de macros.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Discard the changes to the macro library.</source>
        <translation>Abandonner les modifications de la bibliothèque de macros.</translation>
    </message>
    <message>
        <source>Discard the changes and close.</source>
        <translation>Abandonner les modifications et fermer.</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NOUVELLE</translation>
    </message>
    <message>
        <source>Create a new macro and name it.</source>
        <translation>Créer une nouvelle macro et la nommer.</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>SUPPRIMER</translation>
    </message>
    <message>
        <source>Delete the selected macro.</source>
        <translation>Supprimer la macro sélectionnée.</translation>
    </message>
    <message>
        <source>Macros of the library.</source>
        <translation>Macros de la bibliothèque.</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <source>Record the keys you press into the selected macro. Click again to stop.</source>
        <translation>Enregistrer les touches pressées dans la macro sélectionnée. Cliquez à nouveau pour arrêter.</translation>
    </message>
    <message>
        <source>RECORD DELAYS</source>
        <translation>AVEC DÉLAIS</translation>
    </message>
    <message>
        <source>Record the pauses between the keys as delays.</source>
        <translation>Enregistrer les pauses entre les touches comme délais.</translation>
    </message>
    <message>
        <source>REPEAT</source>
        <translation>RÉPÉTER</translation>
    </message>
    <message>
        <source>Play the macro more than once each time the key is pressed.</source>
        <translation>Jouer la macro plusieurs fois à chaque appui sur la touche.</translation>
    </message>
    <message>
        <source>How many times the macro plays (1-255).</source>
        <translation>Nombre de fois que la macro est jouée (1-255).</translation>
    </message>
    <message>
        <source>Steps of the selected macro. Right-click for more.</source>
        <translation>Étapes de la macro sélectionnée. Clic droit pour plus d&apos;options.</translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation>GESTIONNAIRE DE MACROS</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>ARRÊTER</translation>
    </message>
</context>
<context>
    <name>SkinMain</name>
    <message>
        <source>GAMING KEYBOARD CONTROL CENTER</source>
        <translation>CENTRE DE CONTRÔLE DU CLAVIER DE JEU</translation>
    </message>
    <message>
        <source>PROFILES</source>
        <translation>PROFILS</translation>
    </message>
    <message>
        <source>KEY MAPPING</source>
        <translation>AFFECTATION DES TOUCHES</translation>
    </message>
    <message>
        <source>Remap the standard keys of the keyboard.</source>
        <translation>Réaffecter les touches standard du clavier.</translation>
    </message>
    <message>
        <source>MACRO KEYS</source>
        <translation>TOUCHES MACRO</translation>
    </message>
    <message>
        <source>Give the programmable keys macros and functions.</source>
        <translation>Attribuer des macros et des fonctions aux touches programmables.</translation>
    </message>
    <message>
        <source>MEDIA KEYS</source>
        <translation>TOUCHES MULTIMÉDIA</translation>
    </message>
    <message>
        <source>Give the media keys their functions and choose the media player they control.</source>
        <translation>Fonctions des touches multimédia et lecteur qu&apos;elles commandent.</translation>
    </message>
    <message>
        <source>ADVANCED</source>
        <translation>AVANCÉ</translation>
    </message>
    <message>
        <source>Polling rate; lighting; Windows key lock and power saving.</source>
        <translation>Fréquence d&apos;interrogation ; éclairage ; verrouillage de la touche Windows et économie d&apos;énergie.</translation>
    </message>
    <message>
        <source>Orvyn Vantor gaming keyboard.</source>
        <translation>Clavier de jeu Orvyn Vantor.</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NOUVEAU</translation>
    </message>
    <message>
        <source>Start the current profile afresh with a new name and game program.</source>
        <translation>Réinitialiser le profil actuel avec un nouveau nom et un nouveau programme de jeu.</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTER</translation>
    </message>
    <message>
        <source>Load a profile file into the current profile.</source>
        <translation>Charger un fichier de profil dans le profil actuel.</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTER</translation>
    </message>
    <message>
        <source>Save the current profile to a profile file.</source>
        <translation>Enregistrer le profil actuel dans un fichier de profil.</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>MODIFIER</translation>
    </message>
    <message>
        <source>Change the name and the game program of the current profile.</source>
        <translation>Modifier le nom et le programme de jeu du profil actuel.</translation>
    </message>
    <message>
        <source>PROFILE 1</source>
        <translation>PROFIL 1</translation>
    </message>
    <message>
        <source>Show and edit profile 1.</source>
        <translation>Afficher et modifier le profil 1.</translation>
    </message>
    <message>
        <source>PROFILE 2</source>
        <translation>PROFIL 2</translation>
    </message>
    <message>
        <source>Show and edit profile 2.</source>
        <translation>Afficher et modifier le profil 2.</translation>
    </message>
    <message>
        <source>PROFILE 3</source>
        <translation>PROFIL 3</translation>
    </message>
    <message>
        <source>Show and edit profile 3.</source>
        <translation>Afficher et modifier le profil 3.</translation>
    </message>
    <message>
        <source>PROFILE 4</source>
        <translation>PROFIL 4</translation>
    </message>
    <message>
        <source>Show and edit profile 4.</source>
        <translation>Afficher et modifier le profil 4.</translation>
    </message>
    <message>
        <source>PROFILE 5</source>
        <translation>PROFIL 5</translation>
    </message>
    <message>
        <source>Show and edit profile 5.</source>
        <translation>Afficher et modifier le profil 5.</translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation>GESTION DES MACROS</translation>
    </message>
    <message>
        <source>Record and edit the macros of the macro library.</source>
        <translation>Enregistrer et modifier les macros de la bibliothèque de macros.</translation>
    </message>
    <message>
        <source>Minimize the window.</source>
        <translation>Réduire la fenêtre.</translation>
    </message>
    <message>
        <source>Close without applying changes.</source>
        <translation>Fermer sans appliquer les modifications.</translation>
    </message>
    <message>
        <source>Open the user manual.</source>
        <translation>Ouvrir le manuel d&apos;utilisation.</translation>
    </message>
    <message>
        <source>Visit the Orvyn Vantor web page.</source>
        <translation>Visiter la page Web d&apos;Orvyn Vantor.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Write the changes to the keyboard and close.</source>
        <translation>Envoyer les modifications au clavier et fermer.</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>APPLIQUER</translation>
    </message>
    <message>
        <source>Write the changes to the keyboard.</source>
        <translation>Envoyer les modifications au clavier.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>RESTORE DEFAULTS</source>
        <translation>RÉGLAGES D&apos;USINE</translation>
    </message>
    <message>
        <source>Restore the factory settings of all five profiles.</source>
        <translation>Rétablir les réglages d&apos;usine des cinq profils.</translation>
    </message>
</context>
<context>
    <name>SkinMediaKeys</name>
    <message>
        <source>MEDIA KEYS</source>
        <translation>TOUCHES MULTIMÉDIA</translation>
    </message>
    <message>
        <source>Click a media key to choose its function. The media keys drive the player chosen on the right.</source>
        <translation>Cliquez sur une touche multimédia pour choisir sa fonction. Les touches multimédia commandent le lecteur choisi à droite.</translation>
    </message>
    <message>
        <source>KEYS</source>
        <translation>TOUCHES</translation>
    </message>
    <message>
        <source>MEDIA PLAYER</source>
        <translation>LECTEUR MULTIMÉDIA</translation>
    </message>
    <message>
        <source>M1 to M6 are keys G9 to G14 of the Macro Keys page.</source>
        <translation>M1 à M6 sont les touches G9 à G14 de la page Touches macro.</translation>
    </message>
    <message>
        <source>The media keys control this player:</source>
        <translation>Les touches multimédia commandent ce lecteur :</translation>
    </message>
    <message>
        <source>Play, pause, stop and track keys go to the chosen player when it is running.</source>
        <translation>Les touches lecture, pause, arrêt et piste vont au lecteur choisi quand il est en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>Media key M%1. Click to choose what it does.</source>
        <translation>Touche multimédia M%1. Cliquez pour choisir son action.</translation>
    </message>
    <message>
        <source>The media player that the media keys control. Click to choose another.</source>
        <translation>Le lecteur multimédia que commandent les touches multimédia. Cliquez pour en choisir un autre.</translation>
    </message>
</context>
<context>
    <name>SkinProfile</name>
    <message>
        <source>PROFILE NAME</source>
        <translation>NOM DU PROFIL</translation>
    </message>
    <message>
        <source>GAME PROGRAM</source>
        <translation>PROGRAMME DU JEU</translation>
    </message>
    <message>
        <source>Matched by file name only (like game.exe): when it comes to the front, this profile is used.</source>
        <translation>Reconnu au seul nom de fichier (comme game.exe) : quand il passe au premier plan, ce profil est utilisé.</translation>
    </message>
    <message>
        <source>Name of the profile (20 characters).</source>
        <translation>Nom du profil (20 caractères).</translation>
    </message>
    <message>
        <source>The game: a program of this file name in front selects this profile.</source>
        <translation>Le jeu : un programme de ce nom de fichier au premier plan sélectionne ce profil.</translation>
    </message>
    <message>
        <source>BROWSE...</source>
        <translation>PARCOURIR...</translation>
    </message>
    <message>
        <source>Choose the game program in a file dialog.</source>
        <translation>Choisir le programme du jeu dans une boîte de dialogue.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keep the name and the game program.</source>
        <translation>Conserver le nom et le programme du jeu.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Leave the profile as it was.</source>
        <translation>Laisser le profil inchangé.</translation>
    </message>
    <message>
        <source>Leave the profile as it was and close.</source>
        <translation>Laisser le profil inchangé et fermer.</translation>
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
        <translation>APPUYEZ SUR LA TOUCHE</translation>
    </message>
    <message>
        <source>WITH</source>
        <translation>AVEC</translation>
    </message>
    <message>
        <source>Every key is recorded; hold Ctrl, Shift, Alt or Win with it for a combination. Hold Enter 1 s: OK; hold Esc 1 s: cancel.</source>
        <translation>Chaque touche est enregistrée ; maintenez Ctrl, Maj, Alt ou Win avec elle pour une combinaison. Entrée 1 s : OK ; Échap 1 s : annuler.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Use this key combination.</source>
        <translation>Utiliser cette combinaison de touches.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>Laisser la touche inchangée.</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>Laisser la touche inchangée et fermer.</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>AUCUN</translation>
    </message>
    <message>
        <source>The key alone without a modifier.</source>
        <translation>La touche seule sans modificateur.</translation>
    </message>
    <message>
        <source>CTRL</source>
        <translation>CTRL</translation>
    </message>
    <message>
        <source>Hold Ctrl with the key.</source>
        <translation>Maintenir Ctrl avec la touche.</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>Hold Shift with the key.</source>
        <translation>Maintenir Maj avec la touche.</translation>
    </message>
    <message>
        <source>ALT</source>
        <translation>ALT</translation>
    </message>
    <message>
        <source>Hold Alt with the key.</source>
        <translation>Maintenir Alt avec la touche.</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>WIN</translation>
    </message>
    <message>
        <source>Hold the Windows key with the key.</source>
        <translation>Maintenir la touche Windows avec la touche.</translation>
    </message>
    <message>
        <source>The key of the combination.</source>
        <translation>La touche de la combinaison.</translation>
    </message>
    <message>
        <source>KEY COMBINATION</source>
        <translation>COMBINAISON DE TOUCHES</translation>
    </message>
</context>
<context>
    <name>SkinSwapKey</name>
    <message>
        <source>THIS KEY NOW SENDS</source>
        <translation>CETTE TOUCHE ENVOIE MAINTENANT</translation>
    </message>
    <message>
        <source>KEY: press the key it should send. MOUSE: choose a mouse function. Hold Enter 1 s: OK; hold Esc 1 s: cancel.</source>
        <translation>TOUCHE : appuyez sur la touche à envoyer. SOURIS : choisissez une fonction de souris. Entrée 1 s : OK ; Échap 1 s : annuler.</translation>
    </message>
    <message>
        <source>The key it will send.</source>
        <translation>La touche qu&apos;elle enverra.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Remap the key.</source>
        <translation>Réaffecter la touche.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>Laisser la touche inchangée.</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>Laisser la touche inchangée et fermer.</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>PAR DÉFAUT</translation>
    </message>
    <message>
        <source>Give the key back its own function.</source>
        <translation>Rendre à la touche sa propre fonction.</translation>
    </message>
    <message>
        <source>Choose the mouse function.</source>
        <translation>Choisir la fonction de souris.</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>TOUCHE</translation>
    </message>
    <message>
        <source>The key sends another key.</source>
        <translation>La touche envoie une autre touche.</translation>
    </message>
    <message>
        <source>MOUSE</source>
        <translation>SOURIS</translation>
    </message>
    <message>
        <source>The key acts as a mouse button.</source>
        <translation>La touche agit comme un bouton de la souris.</translation>
    </message>
    <message>
        <source>SWAP KEY</source>
        <translation>RÉAFFECTER LA TOUCHE</translation>
    </message>
</context>
<context>
    <name>SkinWarnings</name>
    <message>
        <source>DELETE MACRO</source>
        <translation>SUPPRIMER LA MACRO</translation>
    </message>
    <message>
        <source>Delete the selected macro?</source>
        <translation>Supprimer la macro sélectionnée ?</translation>
    </message>
    <message>
        <source>It is removed from the macro library. Cancel in the macro manager brings it back.</source>
        <translation>Elle est retirée de la bibliothèque de macros. Annuler dans le gestionnaire de macros la rétablit.</translation>
    </message>
    <message>
        <source>Delete the macro.</source>
        <translation>Supprimer la macro.</translation>
    </message>
    <message>
        <source>Keep the macro.</source>
        <translation>Conserver la macro.</translation>
    </message>
    <message>
        <source>NO MACRO SELECTED</source>
        <translation>AUCUNE MACRO SÉLECTIONNÉE</translation>
    </message>
    <message>
        <source>Select a macro first.</source>
        <translation>Sélectionnez d&apos;abord une macro.</translation>
    </message>
    <message>
        <source>Choose a macro in the list or create one with NEW.</source>
        <translation>Choisissez une macro dans la liste ou créez-en une avec NOUVELLE.</translation>
    </message>
    <message>
        <source>Close this message.</source>
        <translation>Fermer ce message.</translation>
    </message>
    <message>
        <source>RESTORE DEFAULTS</source>
        <translation>RÉGLAGES D&apos;USINE</translation>
    </message>
    <message>
        <source>Restore the factory settings?</source>
        <translation>Rétablir les réglages d&apos;usine ?</translation>
    </message>
    <message>
        <source>All five profiles return to their defaults and are written to the keyboard at once.</source>
        <translation>Les cinq profils reprennent leurs valeurs par défaut et sont aussitôt envoyés au clavier.</translation>
    </message>
    <message>
        <source>Restore the factory settings.</source>
        <translation>Rétablir les réglages d&apos;usine.</translation>
    </message>
    <message>
        <source>Keep the current settings.</source>
        <translation>Conserver les paramètres actuels.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
</context>
<context>
    <name>StandardKeyPage</name>
    <message>
        <source>Key %1</source>
        <translation>Touche %1</translation>
    </message>
    <message>
        <source>key code %1</source>
        <translation>code de touche %1</translation>
    </message>
    <message>
        <source>%1, sends %2</source>
        <translation>%1, envoie %2</translation>
    </message>
</context>
<context>
    <name>UserManual</name>
    <message>
        <source>User Manual</source>
        <translation>Manuel d&apos;utilisation</translation>
    </message>
    <message>
        <source>Profiles, keys, macros and lighting of the keyboard, set up from the Linux desktop</source>
        <translation>Profils, touches, macros et éclairage du clavier, configurés depuis le bureau Linux</translation>
    </message>
    <message>
        <source>The chapters that follow are in English.</source>
        <translation>Les chapitres suivants sont en anglais.</translation>
    </message>
</context>
<context>
    <name>vantorctl</name>
    <message>
        <source>Another change is in progress (Option&apos;s window or another vantorctl command), so nothing was changed: two editors of one configuration would overwrite each other. Close Option or wait for the other command, then try again.</source>
        <translation>Une autre modification est en cours (fenêtre d&apos;Option ou autre commande vantorctl), rien n&apos;a donc été modifié&#xa0;: deux éditeurs d&apos;une même configuration s&apos;écraseraient mutuellement. Fermez Option ou attendez la fin de l&apos;autre commande, puis réessayez.</translation>
    </message>
    <message>
        <source>Another program receives Option&apos;s messages, so nothing was changed. Close Option and try again.</source>
        <translation>Un autre programme reçoit les messages d&apos;Option, rien n&apos;a donc été modifié. Fermez Option et réessayez.</translation>
    </message>
    <message>
        <source>Cannot receive Monitor&apos;s answer: %1</source>
        <translation>Impossible de recevoir la réponse de Monitor&#xa0;: %1</translation>
    </message>
    <message>
        <source>The keyboard refused some changes. The settings files hold them, but the keyboard did not take them.</source>
        <translation>Le clavier a refusé certaines modifications. Les fichiers de paramètres les contiennent, mais le clavier ne les a pas prises en compte.</translation>
    </message>
    <message>
        <source>The keyboard refused some changes: %1. The settings files hold them, but the keyboard did not take them.</source>
        <translation>Le clavier a refusé certaines modifications&#xa0;: %1. Les fichiers de paramètres les contiennent, mais le clavier ne les a pas prises en compte.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Cannot read standard input: %1</source>
        <translation>Impossible de lire l&apos;entrée standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>The document on standard input is larger than a profile document can be.</source>
        <translation>Le document lu sur l&apos;entrée standard dépasse la taille maximale d&apos;un document de profil.</translation>
    </message>
    <message>
        <source>set needs a profile and at least one KEY=VALUE.</source>
        <translation>set attend un profil et au moins un KEY=VALUE.</translation>
    </message>
    <message>
        <source>assign needs a profile, a key and what the key does.</source>
        <translation>assign attend un profil, une touche et l&apos;action de la touche.</translation>
    </message>
    <message>
        <source>default takes nothing after it.</source>
        <translation>default n&apos;accepte rien après lui.</translation>
    </message>
    <message>
        <source>program takes one path (quote a path with blanks).</source>
        <translation>program attend un seul chemin (mettez entre guillemets un chemin contenant des espaces).</translation>
    </message>
    <message>
        <source>No program &quot;%1&quot; was found in PATH; give its full path (or ./%1 for one in the current folder).</source>
        <translation>Aucun programme «&#xa0;%1&#xa0;» n&apos;a été trouvé dans le PATH&#xa0;; indiquez son chemin complet (ou ./%1 pour un programme du dossier courant).</translation>
    </message>
    <message>
        <source>Cannot make a full path of &quot;%1&quot;.</source>
        <translation>Impossible de former un chemin complet à partir de «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The path &quot;%1&quot; is longer than the %2 bytes a key holds.</source>
        <translation>Le chemin «&#xa0;%1&#xa0;» dépasse les %2 octets que peut contenir une touche.</translation>
    </message>
    <message>
        <source>note: &quot;%1&quot; does not exist (yet); the key starts it once it does.</source>
        <translation>remarque&#xa0;: «&#xa0;%1&#xa0;» n&apos;existe pas (encore)&#xa0;; la touche le lancera dès qu&apos;il existera.</translation>
    </message>
    <message>
        <source>macro takes the name of a macro of the library (vantorctl macros).</source>
        <translation>macro attend le nom d&apos;une macro de la bibliothèque (vantorctl macros).</translation>
    </message>
    <message>
        <source>Unknown assignment &quot;%1&quot;: use macro NAME, keys COMBINATION, program PATH, media NAME, mouse NAME or default.</source>
        <translation>Affectation «&#xa0;%1&#xa0;» inconnue&#xa0;: utilisez macro NAME, keys COMBINATION, program PATH, media NAME, mouse NAME ou default.</translation>
    </message>
    <message>
        <source>export needs a profile and a file.</source>
        <translation>export attend un profil et un fichier.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>Impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source> The file that was there is left as it was.</source>
        <translation> Le fichier existant reste inchangé.</translation>
    </message>
    <message>
        <source>import needs a profile and a file.</source>
        <translation>import attend un profil et un fichier.</translation>
    </message>
    <message>
        <source>standard input is not a usable profile document: %1. Nothing was imported.</source>
        <translation>l&apos;entrée standard n&apos;est pas un document de profil utilisable&#xa0;: %1. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a usable profile document: %2. Nothing was imported.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un document de profil utilisable&#xa0;: %2. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>--wait takes a number of seconds (more than 0, at most a day).</source>
        <translation>--wait attend un nombre de secondes (plus de 0, au plus un jour).</translation>
    </message>
    <message>
        <source>Usage: %1 %2 (see %1 --help)
</source>
        <translation>Utilisation&#xa0;: %1 %2 (voir %1 --help)
</translation>
    </message>
    <message>
        <source>Which profile (1-5)?</source>
        <translation>Quel profil (1-5)&#xa0;?</translation>
    </message>
    <message>
        <source>keyboard, firmware, current profile, whether Monitor runs</source>
        <translation>clavier, micrologiciel, profil actuel, Monitor actif ou non</translation>
    </message>
    <message>
        <source>Shows whether Monitor runs and has the keyboard, the firmware version and the current profile. Exit status 0 when Monitor runs with the keyboard connected, 2 otherwise.</source>
        <translation>Indique si Monitor est actif et dispose du clavier, la version du micrologiciel et le profil actuel. Code de sortie 0 si Monitor est actif avec le clavier connecté, 2 sinon.</translation>
    </message>
    <message>
        <source>show the current profile, or switch to profile N (1-5)</source>
        <translation>afficher le profil actuel ou passer au profil N (1-5)</translation>
    </message>
    <message>
        <source>Without N: prints the current profile&apos;s number and name. With N: makes profile N current on the keyboard.</source>
        <translation>Sans N&#xa0;: affiche le numéro et le nom du profil actuel. Avec N&#xa0;: fait du profil N le profil actuel du clavier.</translation>
    </message>
    <message>
        <source>a profile&apos;s lighting, polling rate, switches, keys and remapped keys</source>
        <translation>éclairage, fréquence d&apos;interrogation, options, touches et touches réaffectées d&apos;un profil</translation>
    </message>
    <message>
        <source>Shows a profile (the current one when none is given): lighting effect and colour, polling rate, Windows-key lock, power saving, what each programmable key G1-G15 does (as the window&apos;s captions say it) and the remapped standard keys. With --json: the whole profile as a JSON document.</source>
        <translation>Affiche un profil (le profil actuel si aucun n&apos;est indiqué)&#xa0;: effet et couleur d&apos;éclairage, fréquence d&apos;interrogation, verrouillage de la touche Windows, économie d&apos;énergie, action de chaque touche programmable G1-G15 (telle que l&apos;indiquent les libellés de la fenêtre) et touches standard réaffectées. Avec --json&#xa0;: le profil entier sous forme de document JSON.</translation>
    </message>
    <message>
        <source>lighting, polling rate, Windows-key lock, power saving, name, game</source>
        <translation>éclairage, fréquence d&apos;interrogation, verrouillage de la touche Windows, économie d&apos;énergie, nom, jeu</translation>
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
        <translation>Modifie les paramètres d&apos;un profil et les applique&#xa0;:
  effect=static|breathing|wave|reactive|ripple|lights-off  effet d&apos;éclairage
  colour=red|green|blue|yellow|purple|cyan|colour-cycle|1-7 couleur d&apos;éclairage
  polling=125|500|1000        fréquence d&apos;interrogation en Hz
  winlock=on|off              verrouillage de la touche Windows
  powersaving=on|off          économie d&apos;énergie
  name=TEXT                   nom du profil (20 caractères)
  game=PATH                   le jeu dont la fenêtre sélectionne ce profil</translation>
    </message>
    <message>
        <source>what a programmable key does</source>
        <translation>action d&apos;une touche programmable</translation>
    </message>
    <message>
        <source>a profile into a .gkp profile file, or a JSON document</source>
        <translation>un profil vers un fichier de profil .gkp ou un document JSON</translation>
    </message>
    <message>
        <source>Writes a profile into a profile file (.gkp, as the window&apos;s EXPORT does: its name is noted in config.ini and a copy kept in the settings folder), or with --json, a FILE ending in .json, or FILE &quot;-&quot; (standard output) as a JSON document.</source>
        <translation>Écrit un profil dans un fichier de profil (.gkp, comme le fait EXPORT dans la fenêtre&#xa0;: son nom est noté dans config.ini et une copie est conservée dans le dossier des paramètres) ou, avec --json, un FILE se terminant par .json ou FILE «&#xa0;-&#xa0;» (sortie standard), sous forme de document JSON.</translation>
    </message>
    <message>
        <source>a profile from a .gkp profile file or a JSON document, and apply it</source>
        <translation>un profil depuis un fichier de profil .gkp ou un document JSON, et l&apos;appliquer</translation>
    </message>
    <message>
        <source>Replaces a profile by a profile file (.gkp, as the window&apos;s IMPORT does) or with --json, a FILE ending in .json, or FILE &quot;-&quot; (standard input) by a JSON document, and applies the whole profile. A file that is not usable changes nothing.</source>
        <translation>Remplace un profil par un fichier de profil (.gkp, comme le fait IMPORT dans la fenêtre) ou, avec --json, un FILE se terminant par .json ou FILE «&#xa0;-&#xa0;» (entrée standard), par un document JSON, et applique le profil entier. Un fichier inutilisable ne modifie rien.</translation>
    </message>
    <message>
        <source>the macro library</source>
        <translation>la bibliothèque de macros</translation>
    </message>
    <message>
        <source>Lists the macros of the library: name, steps, repeat.</source>
        <translation>Liste les macros de la bibliothèque&#xa0;: nom, étapes, répétition.</translation>
    </message>
    <message>
        <source>the names assign accepts</source>
        <translation>les noms qu&apos;accepte assign</translation>
    </message>
    <message>
        <source>Lists the function names of assign ... media and assign ... mouse, and the key names of assign ... keys, one a line.</source>
        <translation>Liste les noms de fonctions de assign ... media et assign ... mouse, ainsi que les noms de touches de assign ... keys, un par ligne.</translation>
    </message>
    <message>
        <source>%1 takes on or off, not %2.</source>
        <translation>%1 accepte on ou off, pas %2.</translation>
    </message>
    <message>
        <source>Unknown lighting effect %1: use one of %2 (or 1, 2, 4, 8, 16, 32).</source>
        <translation>Effet d&apos;éclairage %1 inconnu&#xa0;: utilisez l&apos;une des valeurs %2 (ou 1, 2, 4, 8, 16, 32).</translation>
    </message>
    <message>
        <source>Colour %1 is out of range: use 1-7 or one of %2.</source>
        <translation>La couleur %1 est hors limites&#xa0;: utilisez 1-7 ou l&apos;une des valeurs %2.</translation>
    </message>
    <message>
        <source>Unknown colour %1: use one of %2 (or 1-7).</source>
        <translation>Couleur %1 inconnue&#xa0;: utilisez l&apos;une des valeurs %2 (ou 1-7).</translation>
    </message>
    <message>
        <source>Polling rate %1 is not one of 125, 500, 1000 (Hz).</source>
        <translation>La fréquence d&apos;interrogation %1 n&apos;est pas l&apos;une des valeurs 125, 500, 1000 (Hz).</translation>
    </message>
    <message>
        <source>Profile %1 does not exist: profiles are 1-5.</source>
        <translation>Le profil %1 n&apos;existe pas&#xa0;: les profils sont numérotés de 1 à 5.</translation>
    </message>
    <message>
        <source>Unknown key %1: the programmable keys are G1-G15.</source>
        <translation>Touche %1 inconnue&#xa0;: les touches programmables sont G1-G15.</translation>
    </message>
    <message>
        <source>Expected KEY=VALUE, not %1.</source>
        <translation>KEY=VALUE attendu, pas %1.</translation>
    </message>
    <message>
        <source>The game program&apos;s path is longer than the %1 bytes a profile holds.</source>
        <translation>Le chemin du programme du jeu dépasse les %1 octets que peut contenir un profil.</translation>
    </message>
    <message>
        <source>Unknown setting %1: use effect, colour, polling, winlock, powersaving, name or game.</source>
        <translation>Paramètre %1 inconnu&#xa0;: utilisez effect, colour, polling, winlock, powersaving, name ou game.</translation>
    </message>
    <message>
        <source>The mouse button %1 can only be a step of a macro, not a key&apos;s combination.</source>
        <translation>Le bouton de la souris %1 ne peut être qu&apos;une étape de macro, pas la combinaison d&apos;une touche.</translation>
    </message>
    <message>
        <source>Unknown media function %1: use one of %2.</source>
        <translation>Fonction multimédia %1 inconnue&#xa0;: utilisez l&apos;une des fonctions %2.</translation>
    </message>
    <message>
        <source>Unknown mouse function %1: use one of %2.</source>
        <translation>Fonction de souris %1 inconnue&#xa0;: utilisez l&apos;une des fonctions %2.</translation>
    </message>
    <message>
        <source>status takes no arguments.</source>
        <translation>status n&apos;accepte aucun argument.</translation>
    </message>
    <message>
        <source>profile takes at most one profile number.</source>
        <translation>profile accepte au plus un numéro de profil.</translation>
    </message>
    <message>
        <source>show takes at most one profile number.</source>
        <translation>show accepte au plus un numéro de profil.</translation>
    </message>
    <message>
        <source>macros takes no arguments.</source>
        <translation>macros n&apos;accepte aucun argument.</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole: %2.</source>
        <translation>La bibliothèque de macros %1 ne peut pas être lue en entier&#xa0;: %2.</translation>
    </message>
    <message>
        <source>functions takes one of media, mouse, keys.</source>
        <translation>functions attend media, mouse ou keys.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>JSON instead of text (the schema is in the manual page).</source>
        <translation>JSON au lieu de texte (le schéma figure dans la page de manuel).</translation>
    </message>
    <message>
        <source>Waits at most SECONDS for Monitor to confirm that the keyboard took the change (default 40 minutes, longer than the slowest apply).</source>
        <translation>Attend au plus SECONDS que Monitor confirme que le clavier a pris en compte la modification (par défaut 40 minutes, plus que ne dure l&apos;application de modifications la plus lente).</translation>
    </message>
    <message>
        <source>Exit status: 0 done; 1 bad input (nothing changed); 2 Monitor not running, no keyboard or no answer (the settings files are saved); 3 Option is open or another change is in progress (changing commands refuse); 4 settings could not be saved (the message names the file; the keyboard may have taken the change); 5 the keyboard refused part of the change (the message names the settings; the files are saved).
</source>
        <translation>Code de sortie&#xa0;: 0 terminé&#xa0;; 1 entrée incorrecte (rien n&apos;a été modifié)&#xa0;; 2 Monitor inactif, pas de clavier ou pas de réponse (les fichiers de paramètres sont enregistrés)&#xa0;; 3 Option est ouvert ou une autre modification est en cours (les commandes de modification refusent de s&apos;exécuter)&#xa0;; 4 les paramètres n&apos;ont pas pu être enregistrés (le message indique le fichier&#xa0;; le clavier a peut-être pris en compte la modification)&#xa0;; 5 le clavier a refusé une partie de la modification (le message indique les paramètres&#xa0;; les fichiers sont enregistrés).
</translation>
    </message>
    <message>
        <source>Usage: vantorctl COMMAND [ARGUMENTS] [--help]

Reads and changes the Orvyn Vantor keyboard&apos;s configuration as the Option window does. Changes are applied
before the command returns.

Commands:
</source>
        <translation>Utilisation&#xa0;: vantorctl COMMAND [ARGUMENTS] [--help]

Lit et modifie la configuration du clavier Orvyn Vantor comme le fait la fenêtre d&apos;Option. Les modifications sont appliquées
avant que la commande ne se termine.

Commandes&#xa0;:
</translation>
    </message>
    <message>
        <source>
Reading commands work while Option is open; changing commands (profile N, set, assign, import) refuse.
</source>
        <translation>
Les commandes de lecture fonctionnent pendant qu&apos;Option est ouvert&#xa0;; les commandes de modification (profile N, set, assign, import) refusent de s&apos;exécuter.
</translation>
    </message>
    <message>
        <source>See vantorctl COMMAND --help and man vantorctl.
</source>
        <translation>Voir vantorctl COMMAND --help et man vantorctl.
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Utilisation&#xa0;: %1 [options]</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Commande «&#xa0;%1&#xa0;» inconnue.</translation>
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
        <translation>Attribue une fonction à la touche programmable G1-G15 d&apos;un profil et l&apos;applique&#xa0;:
  macro NAME         une macro de la bibliothèque (vantorctl macros)
  keys COMBINATION   une combinaison de touches avec les noms anglais des touches : Ctrl+Alt+X, Shift+Page Down
  program PATH       lance un programme (ou un fichier .desktop)
  media NAME         une fonction multimédia ou d&apos;application&#xa0;: Play/Pause, Volume Up, Calculator, ...
  mouse NAME         une fonction de souris&#xa0;: Left Button, Double Click, Key Disabled, ...
  default            le réglage d&apos;usine de la touche
Les noms sont reconnus sans tenir compte de la casse&#xa0;; vantorctl functions les énumère.</translation>
    </message>
    <message>
        <source>Unknown key %1 in %2: write it with the English key names, e.g. Ctrl+Alt+X or Shift+Page Down (vantorctl functions lists them).</source>
        <translation>Touche %1 inconnue dans %2 : écrivez-la avec les noms anglais des touches, par ex. Ctrl+Alt+X ou Shift+Page Down (vantorctl functions les liste).</translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation>champ inconnu</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>expected a whole number</source>
        <translation>nombre entier attendu</translation>
    </message>
    <message>
        <source>%1 is out of range (%2 to %3)</source>
        <translation>%1 est hors limites (%2 à %3)</translation>
    </message>
    <message>
        <source>expected a text</source>
        <translation>texte attendu</translation>
    </message>
    <message>
        <source>longer than the %1 bytes the profile holds</source>
        <translation>dépasse les %1 octets que peut contenir le profil</translation>
    </message>
    <message>
        <source>contains a NUL character</source>
        <translation>contient un caractère NUL</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>objet attendu</translation>
    </message>
    <message>
        <source>expected a list</source>
        <translation>liste attendue</translation>
    </message>
    <message>
        <source>%1 steps; a key holds at most 50</source>
        <translation>%1 étapes ; une touche en contient au plus 50</translation>
    </message>
    <message>
        <source>%1 keys; a profile has 15 (G1-G15)</source>
        <translation>%1 touches ; un profil en a 15 (G1-G15)</translation>
    </message>
    <message>
        <source>expected one of G1-G15</source>
        <translation>l&apos;une des touches G1-G15 attendue</translation>
    </message>
    <message>
        <source>named twice</source>
        <translation>nommé deux fois</translation>
    </message>
    <message>
        <source>missing (type 3 is a macro)</source>
        <translation>absent (le type 3 est une macro)</translation>
    </message>
    <message>
        <source>given, but only a macro key (type 3) has one</source>
        <translation>indiqué, mais seule une touche macro (type 3) en a un</translation>
    </message>
    <message>
        <source>missing (type 11 starts a program)</source>
        <translation>absent (le type 11 lance un programme)</translation>
    </message>
    <message>
        <source>given, but only a program key (type 11) has one</source>
        <translation>indiqué, mais seule une touche de programme (type 11) en a un</translation>
    </message>
    <message>
        <source>position %1 is given twice</source>
        <translation>la position %1 est indiquée deux fois</translation>
    </message>
    <message>
        <source>not valid JSON at byte %1: %2</source>
        <translation>JSON non valide à l&apos;octet %1 : %2</translation>
    </message>
    <message>
        <source>expected a JSON object at the top</source>
        <translation>objet JSON attendu au niveau supérieur</translation>
    </message>
    <message>
        <source>%1: given more than once</source>
        <translation>%1 : indiqué plus d&apos;une fois</translation>
    </message>
    <message>
        <source>format: expected &quot;%1&quot; (not a profile document)</source>
        <translation>format : « %1 » attendu (ce n&apos;est pas un document de profil)</translation>
    </message>
    <message>
        <source>this vantorctl reads version %1</source>
        <translation>ce vantorctl lit la version %1</translation>
    </message>
    <message>
        <source>%1 values; a profile has 6</source>
        <translation>%1 valeurs ; un profil en a 6</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Profile %1: %2  (current)</source>
        <translation>Profil %1 : %2  (actuel)</translation>
    </message>
    <message>
        <source>Profile %1: %2</source>
        <translation>Profil %1 : %2</translation>
    </message>
    <message>
        <source>Game program:</source>
        <translation>Programme du jeu :</translation>
    </message>
    <message>
        <source>Lighting effect:</source>
        <translation>Effet d&apos;éclairage :</translation>
    </message>
    <message>
        <source>Lighting colour:</source>
        <translation>Couleur d&apos;éclairage :</translation>
    </message>
    <message>
        <source>Polling rate:</source>
        <translation>Fréquence d&apos;interrogation :</translation>
    </message>
    <message>
        <source>Windows-key lock:</source>
        <translation>Verrouillage de la touche Windows :</translation>
    </message>
    <message>
        <source>Power saving:</source>
        <translation>Économie d&apos;énergie :</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Touches :</translation>
    </message>
    <message>
        <source>Remapped standard keys: none</source>
        <translation>Touches standard réaffectées : aucune</translation>
    </message>
    <message>
        <source>Remapped standard keys:</source>
        <translation>Touches standard réaffectées :</translation>
    </message>
    <message>
        <source>unknown (Monitor is not running)</source>
        <translation>inconnu (Monitor n&apos;est pas en cours d&apos;exécution)</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>connecté</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>non connecté</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Monitor:</source>
        <translation>Monitor :</translation>
    </message>
    <message>
        <source>running</source>
        <translation>en cours d&apos;exécution</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>Keyboard:</source>
        <translation>Clavier :</translation>
    </message>
    <message>
        <source>Firmware:</source>
        <translation>Micrologiciel :</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil :</translation>
    </message>
    <message>
        <source>Option:</source>
        <translation>Option :</translation>
    </message>
    <message>
        <source>open</source>
        <translation>ouvert</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>non ouvert</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A refused setting&apos;s reason (already translated) as a sentence.</extracomment>
        <translation>%1.</translation>
    </message>
</context>
</TS>
