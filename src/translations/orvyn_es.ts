<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Writing to the keyboard</source>
        <translation>Escribiendo en el teclado</translation>
    </message>
    <message>
        <source>Could not map view of file.</source>
        <translation>No se pudo proyectar el archivo en memoria.</translation>
    </message>
    <message>
        <source>No program could show the user manual %1. Install a PDF viewer.</source>
        <translation>Ningún programa pudo mostrar el manual de usuario %1. Instale un visor de PDF.</translation>
    </message>
    <message>
        <source>The user manual is missing. It was looked for at %1.</source>
        <translation>Falta el manual de usuario. Se buscó en %1.</translation>
    </message>
</context>
<context>
    <name>ConnectionLine</name>
    <message>
        <source>Start Monitor</source>
        <translation>Iniciar Monitor</translation>
    </message>
    <message>
        <source>Monitor is already running.</source>
        <translation>Monitor ya se está ejecutando.</translation>
    </message>
    <message>
        <source>Monitor could not be started: %1</source>
        <translation>No se pudo iniciar Monitor: %1</translation>
    </message>
</context>
<context>
    <name>ConnectionStatus</name>
    <message>
        <source>Keyboard connected</source>
        <translation>Teclado conectado</translation>
    </message>
    <message>
        <source>No keyboard connected</source>
        <translation>Ningún teclado conectado</translation>
    </message>
    <message>
        <source>Starting Monitor...</source>
        <translation>Iniciando Monitor...</translation>
    </message>
    <message>
        <source>Monitor is not running</source>
        <translation>Monitor no se está ejecutando</translation>
    </message>
    <message>
        <source>Saved to the keyboard</source>
        <translation>Guardado en el teclado</translation>
    </message>
    <message>
        <source>Saved; the keyboard is not connected</source>
        <translation>Guardado; el teclado no está conectado</translation>
    </message>
</context>
<context>
    <name>DeviceAccessNotice</name>
    <message>
        <source>The keyboard is connected but cannot be opened</source>
        <translation>El teclado está conectado, pero no se puede abrir</translation>
    </message>
    <message>
        <source>The keyboard is connected, but this user may not use it</source>
        <translation>El teclado está conectado, pero este usuario no puede usarlo</translation>
    </message>
    <message>
        <source>The udev rule %1 is installed: unplug and plug the keyboard, or run: sudo udevadm trigger. If the keyboard has other ids than [Device] in config.ini, set them in the rule as well.</source>
        <translation>La regla udev %1 está instalada: desconecte y vuelva a conectar el teclado, o ejecute: sudo udevadm trigger. Si el teclado tiene otros identificadores distintos de [Device] en config.ini, indíquelos también en la regla.</translation>
    </message>
    <message>
        <source>Install the udev rule: %1</source>
        <translation>Instale la regla udev: %1</translation>
    </message>
</context>
<context>
    <name>DocumentOpener</name>
    <message>
        <source>No program could open %1.</source>
        <translation>Ningún programa pudo abrir %1.</translation>
    </message>
    <message>
        <source>No program to show PDF files is installed.</source>
        <translation>No hay instalado ningún programa para mostrar archivos PDF.</translation>
    </message>
    <message>
        <source>The PDF viewer could not show it.</source>
        <translation>El visor de PDF no pudo mostrarlo.</translation>
    </message>
    <message>
        <source>The user manual could not be opened. %1

It is at:
%2</source>
        <translation>No se pudo abrir el manual de usuario. %1

Se encuentra en:
%2</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
</context>
<context>
    <name>ForegroundChoice</name>
    <message>
        <source>per-game profiles on GNOME need the extension that tells which window is in front: run &quot;gnome-extensions enable %1&quot; and start Monitor again; until then only games running through XWayland switch the profile</source>
        <translation>los perfiles por juego en GNOME necesitan la extensión que indica qué ventana está en primer plano: ejecute «gnome-extensions enable %1» e inicie Monitor de nuevo; hasta entonces solo cambian el perfil los juegos que se ejecutan a través de XWayland</translation>
    </message>
    <message>
        <source>per-game profiles on GNOME need the extension that tells which window is in front: run &quot;gnome-extensions enable %1&quot; and start Monitor again</source>
        <translation>los perfiles por juego en GNOME necesitan la extensión que indica qué ventana está en primer plano: ejecute «gnome-extensions enable %1» e inicie Monitor de nuevo</translation>
    </message>
</context>
<context>
    <name>KeyCaptureDialog</name>
    <message>
        <source>Every key you press is recorded. Hold Enter for one second for OK, hold Esc for one second to leave without a change.</source>
        <translation>Se graba cada tecla que pulse. Mantenga pulsada Intro un segundo para aceptar, o Esc un segundo para salir sin cambios.</translation>
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
        <translation>Impr Pant</translation>
    </message>
    <message>
        <source>ScrLk</source>
        <translation>Bloq Despl</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Bloq Mayús</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Mayús</translation>
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
        <translation>Menú</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>Re Pág</translation>
    </message>
    <message>
        <source>PgDn</source>
        <translation>Av Pág</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Bloq Num</translation>
    </message>
    <message>
        <source>BackSpace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>CapsLock</source>
        <translation>Bloq Mayús</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Page UP</source>
        <translation>Re Pág</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Av Pág</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Impr Pant</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Left Windows</source>
        <translation>Windows izquierda</translation>
    </message>
    <message>
        <source>Right Windows</source>
        <translation>Windows derecha</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>(Enter)</source>
        <translation>(Intro)</translation>
    </message>
    <message>
        <source>Numlock</source>
        <translation>Bloq Num</translation>
    </message>
    <message>
        <source>ScrollLock</source>
        <translation>Bloq Despl</translation>
    </message>
    <message>
        <source>Left Shift</source>
        <translation>Mayús izquierda</translation>
    </message>
    <message>
        <source>Right Shift</source>
        <translation>Mayús derecha</translation>
    </message>
    <message>
        <source>Left Ctrl</source>
        <translation>Ctrl izquierda</translation>
    </message>
    <message>
        <source>Right Ctrl</source>
        <translation>Ctrl derecha</translation>
    </message>
    <message>
        <source>Left Alt</source>
        <translation>Alt izquierda</translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation>Alt derecha</translation>
    </message>
    <message>
        <source>L Button</source>
        <translation>Botón izquierdo</translation>
    </message>
    <message>
        <source>R Button</source>
        <translation>Botón derecho</translation>
    </message>
    <message>
        <source>M Button</source>
        <translation>Botón central</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>Botón 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>Botón 5</translation>
    </message>
</context>
<context>
    <name>LaunchProgramDialog</name>
    <message>
        <source>exe file(*.exe)</source>
        <translation>Archivo EXE (*.exe)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>No program &quot;%1&quot; was found in PATH. Choose it with the browse button or type its full path.</source>
        <translation>No se encontró ningún programa «%1» en PATH. Elíjalo con el botón Examinar o escriba su ruta completa.</translation>
    </message>
    <message>
        <source>The program path is too long: a key holds at most %1 bytes.</source>
        <translation>La ruta del programa es demasiado larga: una tecla admite como máximo %1 bytes.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>no program given</source>
        <translation>no se indicó ningún programa</translation>
    </message>
    <message>
        <source>not found: %1</source>
        <translation>no se encuentra: %1</translation>
    </message>
    <message>
        <source>cannot open %1: xdg-open is not installed</source>
        <translation>no se puede abrir %1: xdg-open no está instalado</translation>
    </message>
    <message>
        <source>%1 is not a file that can be opened</source>
        <translation>%1 no es un archivo que se pueda abrir</translation>
    </message>
    <message>
        <source>cannot launch %1</source>
        <translation>no se puede iniciar: %1</translation>
    </message>
    <message>
        <source>%1 is not a desktop entry</source>
        <translation>%1 no es una entrada de escritorio (.desktop)</translation>
    </message>
    <message>
        <source>%1 is marked as deleted (Hidden)</source>
        <translation>%1 está marcado como eliminado (Hidden)</translation>
    </message>
    <message>
        <source>%1 links nowhere</source>
        <translation>%1 no enlaza a ningún sitio</translation>
    </message>
    <message>
        <source>%1 does not start a program</source>
        <translation>%1 no inicia ningún programa</translation>
    </message>
    <message>
        <source>%1: %2 is not installed</source>
        <translation>%1: %2 no está instalado</translation>
    </message>
    <message>
        <source>%1 has no usable command (Exec)</source>
        <translation>%1 no tiene ningún comando utilizable (Exec)</translation>
    </message>
    <message>
        <source>%1 runs in a terminal, and no terminal emulator is installed</source>
        <translation>%1 se ejecuta en un terminal y no hay ningún emulador de terminal instalado</translation>
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
        <translation>Pasos de la macro</translation>
    </message>
</context>
<context>
    <name>MediaFunction</name>
    <message>
        <source>Screensave</source>
        <translation>Salvapantallas</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>Explorador</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
</context>
<context>
    <name>Monitor</name>
    <message>
        <source>Keyboard settings not saved</source>
        <translation>Ajustes del teclado no guardados</translation>
    </message>
    <message>
        <source>%1
Monitor writes them again with its next save; free some space or fix the folder&apos;s permissions.</source>
        <translation>%1
Monitor los volverá a escribir en su próximo guardado; libere espacio o corrija los permisos de la carpeta.</translation>
    </message>
    <message>
        <source>Program key %1</source>
        <translation>Tecla de programa %1</translation>
    </message>
</context>
<context>
    <name>MonitorHost</name>
    <message>
        <source>Per-game profiles</source>
        <translation>Perfiles por juego</translation>
    </message>
</context>
<context>
    <name>Option</name>
    <message>
        <source>Option cannot draw its windows, because a file of its skin is wrong:

%1

Restore the skins folder beside the program (or mend the file) and start Option again.</source>
        <translation>Option no puede dibujar sus ventanas porque un archivo de su tema es incorrecto:

%1

Restaure la carpeta skins junto al programa (o repare el archivo) y vuelva a iniciar Option.</translation>
    </message>
</context>
<context>
    <name>OsdProgram</name>
    <message>
        <source>Windows Key: Lock</source>
        <translation>Tecla Windows: bloqueada</translation>
    </message>
    <message>
        <source>Windows Key: UnLock</source>
        <translation>Tecla Windows: desbloqueada</translation>
    </message>
</context>
<context>
    <name>ProfileCheck</name>
    <message>
        <source>%1: %2 has no terminating NUL within its %3 bytes</source>
        <translation>%1: %2 no tiene un NUL final dentro de sus %3 bytes</translation>
    </message>
    <message>
        <source>%1: %2 is not a repeat count (0-255)</source>
        <translation>%1: %2 no es un número de repeticiones (0-255)</translation>
    </message>
    <message>
        <source>%1: %2 is more than the 50 steps a key holds</source>
        <translation>%1: %2 supera los 50 pasos que admite una tecla</translation>
    </message>
    <message>
        <source>%1: %2 is not a key or mouse-button code</source>
        <translation>%1: %2 no es un código de tecla ni de botón del ratón</translation>
    </message>
    <message>
        <source>%1: %2 is neither 1 (press) nor 2 (release)</source>
        <translation>%1: %2 no es ni 1 (pulsar) ni 2 (soltar)</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of this assignment type</source>
        <translation>%1: %2 no es 0, el único valor de flags de este tipo de asignación</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of this assignment type</source>
        <translation>%1: %2 no es 0, el único valor de code de este tipo de asignación</translation>
    </message>
    <message>
        <source>%1: %2 is not a set of modifiers (1 Ctrl, 2 Shift, 4 Alt, 8 Win)</source>
        <translation>%1: %2 no es un conjunto de teclas modificadoras (1 Ctrl, 2 Mayús, 4 Alt, 8 Win)</translation>
    </message>
    <message>
        <source>%1: %2 is not a key code</source>
        <translation>%1: %2 no es un código de tecla</translation>
    </message>
    <message>
        <source>%1: %2 is not a keyboard function (1, 4-7)</source>
        <translation>%1: %2 no es una función del teclado (1, 4-7)</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a keyboard function</source>
        <translation>%1: %2 no es 0, el único valor de code de una función del teclado</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of a media function</source>
        <translation>%1: %2 no es 0, el único valor de flags de una función multimedia</translation>
    </message>
    <message>
        <source>%1: %2 is not a media or application function (176-199)</source>
        <translation>%1: %2 no es una función multimedia ni de aplicación (176-199)</translation>
    </message>
    <message>
        <source>%1: %2 is not a mouse button (1-5)</source>
        <translation>%1: %2 no es un botón del ratón (1-5)</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a mouse-button function</source>
        <translation>%1: %2 no es 0, el único valor de code de una función de botón del ratón</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of a single key</source>
        <translation>%1: %2 no es 0, el único valor de flags de una tecla simple</translation>
    </message>
    <message>
        <source>%1: %2 is not %3, the key&apos;s number</source>
        <translation>%1: %2 no es %3, el número de la tecla</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a program key</source>
        <translation>%1: %2 no es 0, el único valor de code de una tecla de programa</translation>
    </message>
    <message>
        <source>%1: %2 is not an assignment type</source>
        <translation>%1: %2 no es un tipo de asignación</translation>
    </message>
    <message>
        <source>%1: %2 contains a control character</source>
        <translation>%1: %2 contiene un carácter de control</translation>
    </message>
    <message>
        <source>%1: %2 contains a bidirectional override</source>
        <translation>%1: %2 contiene un carácter de control bidireccional</translation>
    </message>
    <message>
        <source>%1: %2 is not a media player (0-3)</source>
        <translation>%1: %2 no es un reproductor multimedia (0-3)</translation>
    </message>
    <message>
        <source>%1: %2 is neither 0 nor 1</source>
        <translation>%1: %2 no es ni 0 ni 1</translation>
    </message>
    <message>
        <source>%1: %2 is not a byte (0-255)</source>
        <translation>%1: %2 no es un byte (0-255)</translation>
    </message>
    <message>
        <source>%1: %2 is not a lighting colour (0-7)</source>
        <translation>%1: %2 no es un color de iluminación (0-7)</translation>
    </message>
    <message>
        <source>%1: %2 is not a lighting control value (1, 2, 4, 8, 16, 32)</source>
        <translation>%1: %2 no es un valor de control de la iluminación (1, 2, 4, 8, 16, 32)</translation>
    </message>
    <message>
        <source>%1: %2 is not a polling rate (1, 2, 4)</source>
        <translation>%1: %2 no es una frecuencia de sondeo (1, 2, 4)</translation>
    </message>
    <message>
        <source>%1; replaced by its factory value</source>
        <translation>%1; sustituido por su valor de fábrica</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Game program</source>
        <translation>Programa del juego</translation>
    </message>
    <message>
        <source>exe file(*.exe)</source>
        <translation>Archivo EXE (*.exe)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>ProfileFiles</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>El archivo %1 no existe.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 no es un archivo.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it is larger than %2 MB (a profile file has about 33 KB).</source>
        <translation>%1 no es un archivo de perfil: ocupa más de %2 MB (un archivo de perfil ocupa unos 33 KB).</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>No se puede leer el archivo: %1.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it is empty.</source>
        <translation>%1 no es un archivo de perfil: está vacío.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it has no [Setting] section.</source>
        <translation>%1 no es un archivo de perfil: no tiene sección [Setting].</translation>
    </message>
    <message>
        <source>%1 is a damaged profile file: its block %2 does not check out.</source>
        <translation>%1 es un archivo de perfil dañado: su bloque %2 no es correcto.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it holds none of the key blocks of a profile.</source>
        <translation>%1 no es un archivo de perfil: no contiene ninguno de los bloques de teclas de un perfil.</translation>
    </message>
    <message>
        <source>%1 is refused: it holds %2 more than once.</source>
        <translation>%1 se rechaza: contiene %2 más de una vez.</translation>
    </message>
    <message>
        <source>%1: missing (a profile file holds every setting)</source>
        <translation>%1: falta (un archivo de perfil contiene todos los ajustes)</translation>
    </message>
    <message>
        <source>%1 is refused: %2.</source>
        <translation>%1 se rechaza: %2.</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 No se importó nada.</translation>
    </message>
    <message>
        <source>The profile file could not be copied into the settings folder %1. Check that you may write there and that the disk is not full. Nothing was imported.</source>
        <translation>No se pudo copiar el archivo de perfil en la carpeta de ajustes %1. Compruebe que puede escribir en ella y que el disco no está lleno. No se importó nada.</translation>
    </message>
    <message>
        <source>The profile could not be written to %1 (%2). The file that was there is left as it was.</source>
        <translation>No se pudo escribir el perfil en %1 (%2). El archivo que había queda como estaba.</translation>
    </message>
    <message>
        <source>The profile could not be written to %1 (%2).</source>
        <translation>No se pudo escribir el perfil en %1 (%2).</translation>
    </message>
    <message>
        <source>The profile was exported to %1, but its copy %2 and its name in config.ini could not all be written.</source>
        <translation>El perfil se exportó a %1, pero no se pudieron escribir del todo su copia %2 y su nombre en config.ini.</translation>
    </message>
</context>
<context>
    <name>ProfileTransfer</name>
    <message>
        <source>Import a profile</source>
        <translation>Importar un perfil</translation>
    </message>
    <message>
        <source>Export the profile</source>
        <translation>Exportar el perfil</translation>
    </message>
    <message>
        <source>Gaming Keyboard Profile(*.gkp)</source>
        <translation>Perfil de teclado para juegos (*.gkp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentos:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Every key you press is recorded. Hold Esc for one second to leave without a change.</source>
        <translation>Se graba cada tecla que pulse. Mantenga pulsada Esc un segundo para salir sin cambios.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>SessionNotices</name>
    <message>
        <source>current profile</source>
        <translation>perfil actual</translation>
    </message>
    <message>
        <source>key assignments of the standard keys</source>
        <translation>asignación de las teclas estándar</translation>
    </message>
    <message>
        <source>Windows-key lock and other switches</source>
        <translation>bloqueo de la tecla Windows y otras opciones</translation>
    </message>
    <message>
        <source>programmable-key assignments</source>
        <translation>asignación de las teclas programables</translation>
    </message>
    <message>
        <source>macros</source>
        <translation>macros</translation>
    </message>
    <message>
        <source>lighting</source>
        <translation>iluminación</translation>
    </message>
    <message>
        <source>polling rate</source>
        <translation>frecuencia de sondeo</translation>
    </message>
    <message>
        <source>other settings</source>
        <translation>otros ajustes</translation>
    </message>
    <message>
        <source>The settings were saved, but they could not be sent to the keyboard because the Monitor program is not running. Start Monitor and apply again to change the keyboard.</source>
        <translation>Los ajustes se guardaron, pero no se pudieron enviar al teclado porque el programa Monitor no se está ejecutando. Inicie Monitor y vuelva a aplicar para cambiar el teclado.</translation>
    </message>
    <message>
        <source>The settings were not saved, and they could not be sent to the keyboard because the Monitor program is not running. Start Monitor and apply again to change the keyboard.</source>
        <translation>Los ajustes no se guardaron y no se pudieron enviar al teclado porque el programa Monitor no se está ejecutando. Inicie Monitor y vuelva a aplicar para cambiar el teclado.</translation>
    </message>
    <message>
        <source>The settings were saved, but no keyboard is connected, so the keyboard did not receive them. Connect it and apply again.</source>
        <translation>Los ajustes se guardaron, pero no hay ningún teclado conectado, así que el teclado no los recibió. Conéctelo y vuelva a aplicar.</translation>
    </message>
    <message>
        <source>The settings were not saved, and no keyboard is connected, so the keyboard did not receive them. Connect it and apply again.</source>
        <translation>Los ajustes no se guardaron y no hay ningún teclado conectado, así que el teclado no los recibió. Conéctelo y vuelva a aplicar.</translation>
    </message>
    <message>
        <source>The settings were saved, but Monitor did not confirm that the keyboard received them. Make sure Monitor is running and apply again.</source>
        <translation>Los ajustes se guardaron, pero Monitor no confirmó que el teclado los recibiera. Compruebe que Monitor se está ejecutando y vuelva a aplicar.</translation>
    </message>
    <message>
        <source>The settings were not saved, and Monitor did not confirm that the keyboard received them. Make sure Monitor is running and apply again.</source>
        <translation>Los ajustes no se guardaron y Monitor no confirmó que el teclado los recibiera. Compruebe que Monitor se está ejecutando y vuelva a aplicar.</translation>
    </message>
    <message>
        <source>The keyboard refused some changes. They stay marked; Apply sends them again.</source>
        <translation>El teclado rechazó algunos cambios. Siguen marcados; Aplicar los envía de nuevo.</translation>
    </message>
    <message>
        <source>The keyboard refused some changes: %1. They stay marked; Apply sends them again.</source>
        <translation>El teclado rechazó algunos cambios: %1. Siguen marcados; Aplicar los envía de nuevo.</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole. It is left as it is: the macros that could be read are shown, and macros recorded or changed now are not saved to it until it is mended or removed.</source>
        <translation>La biblioteca de macros %1 no se puede leer entera. Se deja como está: se muestran las macros que se pudieron leer, y las macros grabadas o cambiadas ahora no se guardan en ella hasta que se repare o se elimine.</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole: %2. It is left as it is: the macros that could be read are shown, and macros recorded or changed now are not saved to it until it is mended or removed.</source>
        <translation>La biblioteca de macros %1 no se puede leer entera: %2. Se deja como está: se muestran las macros que se pudieron leer, y las macros grabadas o cambiadas ahora no se guardan en ella hasta que se repare o se elimine.</translation>
    </message>
    <message>
        <source>The settings could not be saved:
%1
They stay marked as changed: once the problem is solved, apply again to save them.</source>
        <translation>No se pudieron guardar los ajustes:
%1
Siguen marcados como cambiados: cuando se resuelva el problema, vuelva a aplicar para guardarlos.</translation>
    </message>
</context>
<context>
    <name>ShortcutDialog</name>
    <message>
        <source>Press the key with Ctrl, Shift, Alt or Win held to record the combination. </source>
        <translation>Pulse la tecla manteniendo Ctrl, Mayús, Alt o Win para grabar la combinación. </translation>
    </message>
</context>
<context>
    <name>SkinAdvanced</name>
    <message>
        <source>ADVANCED</source>
        <translation>AVANZADO</translation>
    </message>
    <message>
        <source>Settings of the current profile. They reach the keyboard when you press APPLY or OK.</source>
        <translation>Ajustes del perfil actual. Llegan al teclado cuando pulsa APLICAR o ACEPTAR.</translation>
    </message>
    <message>
        <source>POLLING RATE</source>
        <translation>FRECUENCIA DE SONDEO</translation>
    </message>
    <message>
        <source>How often the keyboard reports to the computer.</source>
        <translation>Con qué frecuencia el teclado informa al ordenador.</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>ILUMINACIÓN</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFECTO</translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <source>WINDOWS KEY</source>
        <translation>TECLA WINDOWS</translation>
    </message>
    <message>
        <source>Lock it so that it cannot throw you out of a game.</source>
        <translation>Bloquéela para que no le saque de un juego.</translation>
    </message>
    <message>
        <source>POWER SAVING</source>
        <translation>AHORRO DE ENERGÍA</translation>
    </message>
    <message>
        <source>Lets the keyboard save power when it is idle.</source>
        <translation>Permite al teclado ahorrar energía cuando está inactivo.</translation>
    </message>
    <message>
        <source>125 Hz</source>
        <translation>125 Hz</translation>
    </message>
    <message>
        <source>Report 125 times a second (8 ms).</source>
        <translation>125 informes por segundo (8 ms).</translation>
    </message>
    <message>
        <source>500 Hz</source>
        <translation>500 Hz</translation>
    </message>
    <message>
        <source>Report 500 times a second (2 ms).</source>
        <translation>500 informes por segundo (2 ms).</translation>
    </message>
    <message>
        <source>1000 Hz</source>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <source>Report 1000 times a second (1 ms): the quickest response.</source>
        <translation>1000 informes por segundo (1 ms): la respuesta más rápida.</translation>
    </message>
    <message>
        <source>Lighting effect of the keyboard. Click to choose another.</source>
        <translation>Efecto de iluminación del teclado. Haga clic para elegir otro.</translation>
    </message>
    <message>
        <source>Lighting colour of the keyboard. Click to choose another.</source>
        <translation>Color de iluminación del teclado. Haga clic para elegir otro.</translation>
    </message>
    <message>
        <source>ENABLED</source>
        <translation>ACTIVADA</translation>
    </message>
    <message>
        <source>The Windows keys work as usual.</source>
        <translation>Las teclas Windows funcionan como siempre.</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>BLOQUEADA</translation>
    </message>
    <message>
        <source>The Windows keys are locked while you play.</source>
        <translation>Las teclas Windows están bloqueadas mientras juega.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Power saving is off.</source>
        <translation>El ahorro de energía está desactivado.</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>The keyboard saves power when it is idle.</source>
        <translation>El teclado ahorra energía cuando está inactivo.</translation>
    </message>
</context>
<context>
    <name>SkinKeyMapping</name>
    <message>
        <source>KEY MAPPING</source>
        <translation>ASIGNACIÓN DE TECLAS</translation>
    </message>
    <message>
        <source>Click a key to make it send another key or a mouse function. Remapped keys stay lit.</source>
        <translation>Haga clic en una tecla para que envíe otra tecla o una función del ratón. Las teclas reasignadas quedan iluminadas.</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>BLOQ NUM</translation>
    </message>
    <message>
        <source>CAPS</source>
        <translation>BLOQ MAYÚS</translation>
    </message>
    <message>
        <source>SCROLL</source>
        <translation>BLOQ DESPL</translation>
    </message>
    <message>
        <source>Remapped key</source>
        <translation>Tecla reasignada</translation>
    </message>
    <message>
        <source>Default key</source>
        <translation>Tecla por defecto</translation>
    </message>
    <message>
        <source>%1 key. Click to make it send another key or a mouse function.</source>
        <translation>Tecla %1. Haga clic para que envíe otra tecla o una función del ratón.</translation>
    </message>
</context>
<context>
    <name>SkinLaunchProgram</name>
    <message>
        <source>PROGRAM TO START WHEN THE KEY IS PRESSED</source>
        <translation>PROGRAMA QUE SE INICIA AL PULSAR LA TECLA</translation>
    </message>
    <message>
        <source>Path of the program.</source>
        <translation>Ruta del programa.</translation>
    </message>
    <message>
        <source>BROWSE...</source>
        <translation>EXAMINAR...</translation>
    </message>
    <message>
        <source>Choose the program in a file dialog.</source>
        <translation>Elegir el programa en un diálogo de archivos.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>Use this program.</source>
        <translation>Usar este programa.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>Dejar la tecla como estaba.</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>Dejar la tecla como estaba y cerrar.</translation>
    </message>
    <message>
        <source>LAUNCH PROGRAM</source>
        <translation>INICIAR PROGRAMA</translation>
    </message>
</context>
<context>
    <name>SkinMacroKeys</name>
    <message>
        <source>MACRO KEYS</source>
        <translation>TECLAS DE MACRO</translation>
    </message>
    <message>
        <source>Click a key to give it a macro, a key combination, a program, a media function or a mouse button.</source>
        <translation>Haga clic en una tecla para darle una macro, una combinación de teclas, un programa, una función multimedia o un botón del ratón.</translation>
    </message>
    <message>
        <source>G9 to G14 are the media keys: the Media Keys page shows the same six keys.</source>
        <translation>G9 a G14 son las teclas multimedia: la página Teclas multimedia muestra esas mismas seis teclas.</translation>
    </message>
    <message>
        <source>Programmable key G%1. Click to choose what it does.</source>
        <translation>Tecla programable G%1. Haga clic para elegir su función.</translation>
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
        <translation>EVENTOS</translation>
    </message>
    <message>
        <source>TIMES</source>
        <translation>VECES</translation>
    </message>
    <message>
        <source>Right-click the event list to record before or after a step, insert delays and mouse buttons, edit or delete.</source>
        <translation>Clic derecho en la lista de eventos: grabar antes o después de un paso; insertar retardos y botones del ratón; editar o eliminar.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>Keep the changes to the macro library.</source>
        <translation>Conservar los cambios de la biblioteca de macros.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Discard the changes to the macro library.</source>
        <translation>Descartar los cambios de la biblioteca de macros.</translation>
    </message>
    <message>
        <source>Discard the changes and close.</source>
        <translation>Descartar los cambios y cerrar.</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NUEVA</translation>
    </message>
    <message>
        <source>Create a new macro and name it.</source>
        <translation>Crear una macro nueva y darle nombre.</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>ELIMINAR</translation>
    </message>
    <message>
        <source>Delete the selected macro.</source>
        <translation>Eliminar la macro seleccionada.</translation>
    </message>
    <message>
        <source>Macros of the library.</source>
        <translation>Macros de la biblioteca.</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>GRABAR</translation>
    </message>
    <message>
        <source>Record the keys you press into the selected macro. Click again to stop.</source>
        <translation>Grabar las teclas que pulse en la macro seleccionada. Haga clic de nuevo para parar.</translation>
    </message>
    <message>
        <source>RECORD DELAYS</source>
        <translation>CON RETARDOS</translation>
    </message>
    <message>
        <source>Record the pauses between the keys as delays.</source>
        <translation>Grabar las pausas entre las teclas como retardos.</translation>
    </message>
    <message>
        <source>REPEAT</source>
        <translation>REPETIR</translation>
    </message>
    <message>
        <source>Play the macro more than once each time the key is pressed.</source>
        <translation>Reproducir la macro más de una vez cada vez que se pulsa la tecla.</translation>
    </message>
    <message>
        <source>How many times the macro plays (1-255).</source>
        <translation>Cuántas veces se reproduce la macro (1-255).</translation>
    </message>
    <message>
        <source>Steps of the selected macro. Right-click for more.</source>
        <translation>Pasos de la macro seleccionada. Clic derecho para más opciones.</translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation>GESTOR DE MACROS</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>PARAR</translation>
    </message>
</context>
<context>
    <name>SkinMain</name>
    <message>
        <source>GAMING KEYBOARD CONTROL CENTER</source>
        <translation>CENTRO DE CONTROL DEL TECLADO GAMING</translation>
    </message>
    <message>
        <source>PROFILES</source>
        <translation>PERFILES</translation>
    </message>
    <message>
        <source>KEY MAPPING</source>
        <translation>ASIGNACIÓN DE TECLAS</translation>
    </message>
    <message>
        <source>Remap the standard keys of the keyboard.</source>
        <translation>Reasignar las teclas estándar del teclado.</translation>
    </message>
    <message>
        <source>MACRO KEYS</source>
        <translation>TECLAS DE MACRO</translation>
    </message>
    <message>
        <source>Give the programmable keys macros and functions.</source>
        <translation>Dar macros y funciones a las teclas programables.</translation>
    </message>
    <message>
        <source>MEDIA KEYS</source>
        <translation>TECLAS MULTIMEDIA</translation>
    </message>
    <message>
        <source>Give the media keys their functions and choose the media player they control.</source>
        <translation>Funciones de las teclas multimedia y reproductor que controlan.</translation>
    </message>
    <message>
        <source>ADVANCED</source>
        <translation>AVANZADO</translation>
    </message>
    <message>
        <source>Polling rate; lighting; Windows key lock and power saving.</source>
        <translation>Frecuencia de sondeo; iluminación; bloqueo de la tecla Windows y ahorro de energía.</translation>
    </message>
    <message>
        <source>Orvyn Vantor gaming keyboard.</source>
        <translation>Teclado gaming Orvyn Vantor.</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NUEVO</translation>
    </message>
    <message>
        <source>Start the current profile afresh with a new name and game program.</source>
        <translation>Empezar de cero el perfil actual con un nombre y un programa de juego nuevos.</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTAR</translation>
    </message>
    <message>
        <source>Load a profile file into the current profile.</source>
        <translation>Cargar un archivo de perfil en el perfil actual.</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTAR</translation>
    </message>
    <message>
        <source>Save the current profile to a profile file.</source>
        <translation>Guardar el perfil actual en un archivo de perfil.</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>EDITAR</translation>
    </message>
    <message>
        <source>Change the name and the game program of the current profile.</source>
        <translation>Cambiar el nombre y el programa de juego del perfil actual.</translation>
    </message>
    <message>
        <source>PROFILE 1</source>
        <translation>PERFIL 1</translation>
    </message>
    <message>
        <source>Show and edit profile 1.</source>
        <translation>Mostrar y editar el perfil 1.</translation>
    </message>
    <message>
        <source>PROFILE 2</source>
        <translation>PERFIL 2</translation>
    </message>
    <message>
        <source>Show and edit profile 2.</source>
        <translation>Mostrar y editar el perfil 2.</translation>
    </message>
    <message>
        <source>PROFILE 3</source>
        <translation>PERFIL 3</translation>
    </message>
    <message>
        <source>Show and edit profile 3.</source>
        <translation>Mostrar y editar el perfil 3.</translation>
    </message>
    <message>
        <source>PROFILE 4</source>
        <translation>PERFIL 4</translation>
    </message>
    <message>
        <source>Show and edit profile 4.</source>
        <translation>Mostrar y editar el perfil 4.</translation>
    </message>
    <message>
        <source>PROFILE 5</source>
        <translation>PERFIL 5</translation>
    </message>
    <message>
        <source>Show and edit profile 5.</source>
        <translation>Mostrar y editar el perfil 5.</translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation>GESTOR DE MACROS</translation>
    </message>
    <message>
        <source>Record and edit the macros of the macro library.</source>
        <translation>Grabar y editar las macros de la biblioteca de macros.</translation>
    </message>
    <message>
        <source>Minimize the window.</source>
        <translation>Minimizar la ventana.</translation>
    </message>
    <message>
        <source>Close without applying changes.</source>
        <translation>Cerrar sin aplicar los cambios.</translation>
    </message>
    <message>
        <source>Open the user manual.</source>
        <translation>Abrir el manual de usuario.</translation>
    </message>
    <message>
        <source>Visit the Orvyn Vantor web page.</source>
        <translation>Visitar la página web de Orvyn Vantor.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>Write the changes to the keyboard and close.</source>
        <translation>Enviar los cambios al teclado y cerrar.</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>APLICAR</translation>
    </message>
    <message>
        <source>Write the changes to the keyboard.</source>
        <translation>Enviar los cambios al teclado.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>RESTORE DEFAULTS</source>
        <translation>VALORES DE FÁBRICA</translation>
    </message>
    <message>
        <source>Restore the factory settings of all five profiles.</source>
        <translation>Restaurar los valores de fábrica de los cinco perfiles.</translation>
    </message>
</context>
<context>
    <name>SkinMediaKeys</name>
    <message>
        <source>MEDIA KEYS</source>
        <translation>TECLAS MULTIMEDIA</translation>
    </message>
    <message>
        <source>Click a media key to choose its function. The media keys drive the player chosen on the right.</source>
        <translation>Haga clic en una tecla multimedia para elegir su función. Las teclas multimedia controlan el reproductor elegido a la derecha.</translation>
    </message>
    <message>
        <source>KEYS</source>
        <translation>TECLAS</translation>
    </message>
    <message>
        <source>MEDIA PLAYER</source>
        <translation>REPRODUCTOR</translation>
    </message>
    <message>
        <source>M1 to M6 are keys G9 to G14 of the Macro Keys page.</source>
        <translation>M1 a M6 son las teclas G9 a G14 de la página Teclas de macro.</translation>
    </message>
    <message>
        <source>The media keys control this player:</source>
        <translation>Las teclas multimedia controlan este reproductor:</translation>
    </message>
    <message>
        <source>Play, pause, stop and track keys go to the chosen player when it is running.</source>
        <translation>Las teclas de reproducir, pausa, parar y pista van al reproductor elegido cuando se está ejecutando.</translation>
    </message>
    <message>
        <source>Media key M%1. Click to choose what it does.</source>
        <translation>Tecla multimedia M%1. Haga clic para elegir su función.</translation>
    </message>
    <message>
        <source>The media player that the media keys control. Click to choose another.</source>
        <translation>El reproductor que controlan las teclas multimedia. Haga clic para elegir otro.</translation>
    </message>
</context>
<context>
    <name>SkinProfile</name>
    <message>
        <source>PROFILE NAME</source>
        <translation>NOMBRE DEL PERFIL</translation>
    </message>
    <message>
        <source>GAME PROGRAM</source>
        <translation>PROGRAMA DEL JUEGO</translation>
    </message>
    <message>
        <source>Matched by file name only (like game.exe): when it comes to the front, this profile is used.</source>
        <translation>Solo cuenta el nombre de archivo (como game.exe): cuando pasa a primer plano se usa este perfil.</translation>
    </message>
    <message>
        <source>Name of the profile (20 characters).</source>
        <translation>Nombre del perfil (20 caracteres).</translation>
    </message>
    <message>
        <source>The game: a program of this file name in front selects this profile.</source>
        <translation>El juego: un programa con este nombre de archivo en primer plano selecciona este perfil.</translation>
    </message>
    <message>
        <source>BROWSE...</source>
        <translation>EXAMINAR...</translation>
    </message>
    <message>
        <source>Choose the game program in a file dialog.</source>
        <translation>Elegir el programa del juego en un diálogo de archivos.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>Keep the name and the game program.</source>
        <translation>Conservar el nombre y el programa del juego.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Leave the profile as it was.</source>
        <translation>Dejar el perfil como estaba.</translation>
    </message>
    <message>
        <source>Leave the profile as it was and close.</source>
        <translation>Dejar el perfil como estaba y cerrar.</translation>
    </message>
    <message>
        <source>PROFILE</source>
        <translation>PERFIL</translation>
    </message>
</context>
<context>
    <name>SkinShortcut</name>
    <message>
        <source>PRESS THE KEY</source>
        <translation>PULSE LA TECLA</translation>
    </message>
    <message>
        <source>WITH</source>
        <translation>CON</translation>
    </message>
    <message>
        <source>Every key is recorded; hold Ctrl, Shift, Alt or Win with it for a combination. Hold Enter 1 s: OK; hold Esc 1 s: cancel.</source>
        <translation>Se graba cada tecla; mantenga Ctrl, Mayús, Alt o Win con ella para una combinación. Intro 1 s: aceptar; Esc 1 s: cancelar.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>Use this key combination.</source>
        <translation>Usar esta combinación de teclas.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>Dejar la tecla como estaba.</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>Dejar la tecla como estaba y cerrar.</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>NINGUNO</translation>
    </message>
    <message>
        <source>The key alone without a modifier.</source>
        <translation>La tecla sola sin modificador.</translation>
    </message>
    <message>
        <source>CTRL</source>
        <translation>CTRL</translation>
    </message>
    <message>
        <source>Hold Ctrl with the key.</source>
        <translation>Mantener Ctrl con la tecla.</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>MAYÚS</translation>
    </message>
    <message>
        <source>Hold Shift with the key.</source>
        <translation>Mantener Mayús con la tecla.</translation>
    </message>
    <message>
        <source>ALT</source>
        <translation>ALT</translation>
    </message>
    <message>
        <source>Hold Alt with the key.</source>
        <translation>Mantener Alt con la tecla.</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>WIN</translation>
    </message>
    <message>
        <source>Hold the Windows key with the key.</source>
        <translation>Mantener la tecla Windows con la tecla.</translation>
    </message>
    <message>
        <source>The key of the combination.</source>
        <translation>La tecla de la combinación.</translation>
    </message>
    <message>
        <source>KEY COMBINATION</source>
        <translation>COMBINACIÓN DE TECLAS</translation>
    </message>
</context>
<context>
    <name>SkinSwapKey</name>
    <message>
        <source>THIS KEY NOW SENDS</source>
        <translation>ESTA TECLA ENVÍA AHORA</translation>
    </message>
    <message>
        <source>KEY: press the key it should send. MOUSE: choose a mouse function. Hold Enter 1 s: OK; hold Esc 1 s: cancel.</source>
        <translation>TECLA: pulse la tecla que debe enviar. RATÓN: elija una función del ratón. Intro 1 s: aceptar; Esc 1 s: cancelar.</translation>
    </message>
    <message>
        <source>The key it will send.</source>
        <translation>La tecla que enviará.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>Remap the key.</source>
        <translation>Reasignar la tecla.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>Dejar la tecla como estaba.</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>Dejar la tecla como estaba y cerrar.</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>POR DEFECTO</translation>
    </message>
    <message>
        <source>Give the key back its own function.</source>
        <translation>Devolver a la tecla su propia función.</translation>
    </message>
    <message>
        <source>Choose the mouse function.</source>
        <translation>Elegir la función del ratón.</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>TECLA</translation>
    </message>
    <message>
        <source>The key sends another key.</source>
        <translation>La tecla envía otra tecla.</translation>
    </message>
    <message>
        <source>MOUSE</source>
        <translation>RATÓN</translation>
    </message>
    <message>
        <source>The key acts as a mouse button.</source>
        <translation>La tecla actúa como un botón del ratón.</translation>
    </message>
    <message>
        <source>SWAP KEY</source>
        <translation>REASIGNAR TECLA</translation>
    </message>
</context>
<context>
    <name>SkinWarnings</name>
    <message>
        <source>DELETE MACRO</source>
        <translation>ELIMINAR MACRO</translation>
    </message>
    <message>
        <source>Delete the selected macro?</source>
        <translation>¿Eliminar la macro seleccionada?</translation>
    </message>
    <message>
        <source>It is removed from the macro library. Cancel in the macro manager brings it back.</source>
        <translation>Se quita de la biblioteca de macros. Cancelar en el gestor de macros la recupera.</translation>
    </message>
    <message>
        <source>Delete the macro.</source>
        <translation>Eliminar la macro.</translation>
    </message>
    <message>
        <source>Keep the macro.</source>
        <translation>Conservar la macro.</translation>
    </message>
    <message>
        <source>NO MACRO SELECTED</source>
        <translation>NINGUNA MACRO SELECCIONADA</translation>
    </message>
    <message>
        <source>Select a macro first.</source>
        <translation>Seleccione primero una macro.</translation>
    </message>
    <message>
        <source>Choose a macro in the list or create one with NEW.</source>
        <translation>Elija una macro de la lista o cree una con NUEVA.</translation>
    </message>
    <message>
        <source>Close this message.</source>
        <translation>Cerrar este mensaje.</translation>
    </message>
    <message>
        <source>RESTORE DEFAULTS</source>
        <translation>VALORES DE FÁBRICA</translation>
    </message>
    <message>
        <source>Restore the factory settings?</source>
        <translation>¿Restaurar los valores de fábrica?</translation>
    </message>
    <message>
        <source>All five profiles return to their defaults and are written to the keyboard at once.</source>
        <translation>Los cinco perfiles vuelven a sus valores por defecto y se envían al teclado de inmediato.</translation>
    </message>
    <message>
        <source>Restore the factory settings.</source>
        <translation>Restaurar los valores de fábrica.</translation>
    </message>
    <message>
        <source>Keep the current settings.</source>
        <translation>Conservar los ajustes actuales.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
</context>
<context>
    <name>StandardKeyPage</name>
    <message>
        <source>Key %1</source>
        <translation>Tecla %1</translation>
    </message>
    <message>
        <source>key code %1</source>
        <translation>código de tecla %1</translation>
    </message>
    <message>
        <source>%1, sends %2</source>
        <translation>%1, envía %2</translation>
    </message>
</context>
<context>
    <name>UserManual</name>
    <message>
        <source>User Manual</source>
        <translation>Manual de usuario</translation>
    </message>
    <message>
        <source>Profiles, keys, macros and lighting of the keyboard, set up from the Linux desktop</source>
        <translation>Perfiles, teclas, macros e iluminación del teclado, configurados desde el escritorio Linux</translation>
    </message>
    <message>
        <source>The chapters that follow are in English.</source>
        <translation>Los capítulos siguientes están en inglés.</translation>
    </message>
</context>
<context>
    <name>vantorctl</name>
    <message>
        <source>Another change is in progress (Option&apos;s window or another vantorctl command), so nothing was changed: two editors of one configuration would overwrite each other. Close Option or wait for the other command, then try again.</source>
        <translation>Hay otro cambio en curso (la ventana de Option u otro comando vantorctl), así que no se ha cambiado nada: dos editores de una misma configuración se sobrescribirían mutuamente. Cierre Option o espere a que termine el otro comando y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Another program receives Option&apos;s messages, so nothing was changed. Close Option and try again.</source>
        <translation>Otro programa recibe los mensajes de Option, así que no se ha cambiado nada. Cierre Option y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Cannot receive Monitor&apos;s answer: %1</source>
        <translation>No se puede recibir la respuesta de Monitor: %1</translation>
    </message>
    <message>
        <source>The keyboard refused some changes. The settings files hold them, but the keyboard did not take them.</source>
        <translation>El teclado rechazó algunos cambios. Los archivos de ajustes los contienen, pero el teclado no los aceptó.</translation>
    </message>
    <message>
        <source>The keyboard refused some changes: %1. The settings files hold them, but the keyboard did not take them.</source>
        <translation>El teclado rechazó algunos cambios: %1. Los archivos de ajustes los contienen, pero el teclado no los aceptó.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation>No se puede leer «%1».</translation>
    </message>
    <message>
        <source>Cannot read standard input: %1</source>
        <translation>No se puede leer la entrada estándar: %1</translation>
    </message>
    <message>
        <source>The document on standard input is larger than a profile document can be.</source>
        <translation>El documento de la entrada estándar supera el tamaño máximo de un documento de perfil.</translation>
    </message>
    <message>
        <source>set needs a profile and at least one KEY=VALUE.</source>
        <translation>set necesita un perfil y al menos un KEY=VALUE.</translation>
    </message>
    <message>
        <source>assign needs a profile, a key and what the key does.</source>
        <translation>assign necesita un perfil, una tecla y lo que hace la tecla.</translation>
    </message>
    <message>
        <source>default takes nothing after it.</source>
        <translation>default no admite nada detrás.</translation>
    </message>
    <message>
        <source>program takes one path (quote a path with blanks).</source>
        <translation>program admite una sola ruta (ponga entre comillas una ruta con espacios).</translation>
    </message>
    <message>
        <source>No program &quot;%1&quot; was found in PATH; give its full path (or ./%1 for one in the current folder).</source>
        <translation>No se encontró ningún programa «%1» en PATH; indique su ruta completa (o ./%1 para uno de la carpeta actual).</translation>
    </message>
    <message>
        <source>Cannot make a full path of &quot;%1&quot;.</source>
        <translation>No se puede formar una ruta completa a partir de «%1».</translation>
    </message>
    <message>
        <source>The path &quot;%1&quot; is longer than the %2 bytes a key holds.</source>
        <translation>La ruta «%1» supera los %2 bytes que admite una tecla.</translation>
    </message>
    <message>
        <source>note: &quot;%1&quot; does not exist (yet); the key starts it once it does.</source>
        <translation>nota: «%1» no existe (todavía); la tecla lo iniciará en cuanto exista.</translation>
    </message>
    <message>
        <source>macro takes the name of a macro of the library (vantorctl macros).</source>
        <translation>macro admite el nombre de una macro de la biblioteca (vantorctl macros).</translation>
    </message>
    <message>
        <source>Unknown assignment &quot;%1&quot;: use macro NAME, keys COMBINATION, program PATH, media NAME, mouse NAME or default.</source>
        <translation>Asignación «%1» desconocida: use macro NAME, keys COMBINATION, program PATH, media NAME, mouse NAME o default.</translation>
    </message>
    <message>
        <source>export needs a profile and a file.</source>
        <translation>export necesita un perfil y un archivo.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>No se puede escribir «%1»: %2.</translation>
    </message>
    <message>
        <source> The file that was there is left as it was.</source>
        <translation> El archivo existente se deja como estaba.</translation>
    </message>
    <message>
        <source>import needs a profile and a file.</source>
        <translation>import necesita un perfil y un archivo.</translation>
    </message>
    <message>
        <source>standard input is not a usable profile document: %1. Nothing was imported.</source>
        <translation>la entrada estándar no es un documento de perfil utilizable: %1. No se ha importado nada.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a usable profile document: %2. Nothing was imported.</source>
        <translation>«%1» no es un documento de perfil utilizable: %2. No se ha importado nada.</translation>
    </message>
    <message>
        <source>--wait takes a number of seconds (more than 0, at most a day).</source>
        <translation>--wait admite un número de segundos (más de 0, como máximo un día).</translation>
    </message>
    <message>
        <source>Usage: %1 %2 (see %1 --help)
</source>
        <translation>Uso: %1 %2 (consulte %1 --help)
</translation>
    </message>
    <message>
        <source>Which profile (1-5)?</source>
        <translation>¿Qué perfil (1-5)?</translation>
    </message>
    <message>
        <source>keyboard, firmware, current profile, whether Monitor runs</source>
        <translation>teclado, firmware, perfil actual, si Monitor se está ejecutando</translation>
    </message>
    <message>
        <source>Shows whether Monitor runs and has the keyboard, the firmware version and the current profile. Exit status 0 when Monitor runs with the keyboard connected, 2 otherwise.</source>
        <translation>Muestra si Monitor se está ejecutando y tiene el teclado, la versión del firmware y el perfil actual. Estado de salida 0 si Monitor se ejecuta con el teclado conectado; 2 en caso contrario.</translation>
    </message>
    <message>
        <source>show the current profile, or switch to profile N (1-5)</source>
        <translation>mostrar el perfil actual o cambiar al perfil N (1-5)</translation>
    </message>
    <message>
        <source>Without N: prints the current profile&apos;s number and name. With N: makes profile N current on the keyboard.</source>
        <translation>Sin N: muestra el número y el nombre del perfil actual. Con N: convierte el perfil N en el perfil actual del teclado.</translation>
    </message>
    <message>
        <source>a profile&apos;s lighting, polling rate, switches, keys and remapped keys</source>
        <translation>iluminación, frecuencia de sondeo, opciones, teclas y teclas reasignadas de un perfil</translation>
    </message>
    <message>
        <source>Shows a profile (the current one when none is given): lighting effect and colour, polling rate, Windows-key lock, power saving, what each programmable key G1-G15 does (as the window&apos;s captions say it) and the remapped standard keys. With --json: the whole profile as a JSON document.</source>
        <translation>Muestra un perfil (el actual si no se indica ninguno): efecto y color de iluminación, frecuencia de sondeo, bloqueo de la tecla Windows, ahorro de energía, lo que hace cada tecla programable G1-G15 (tal como lo indican los rótulos de la ventana) y las teclas estándar reasignadas. Con --json: el perfil completo como documento JSON.</translation>
    </message>
    <message>
        <source>lighting, polling rate, Windows-key lock, power saving, name, game</source>
        <translation>iluminación, frecuencia de sondeo, bloqueo de la tecla Windows, ahorro de energía, nombre, juego</translation>
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
        <translation>Cambia ajustes de un perfil y los aplica:
  effect=static|breathing|wave|reactive|ripple|lights-off  efecto de iluminación
  colour=red|green|blue|yellow|purple|cyan|colour-cycle|1-7 color de iluminación
  polling=125|500|1000        frecuencia de sondeo en Hz
  winlock=on|off              bloqueo de la tecla Windows
  powersaving=on|off          ahorro de energía
  name=TEXT                   nombre del perfil (20 caracteres)
  game=PATH                   el juego cuya ventana selecciona este perfil</translation>
    </message>
    <message>
        <source>what a programmable key does</source>
        <translation>lo que hace una tecla programable</translation>
    </message>
    <message>
        <source>a profile into a .gkp profile file, or a JSON document</source>
        <translation>un perfil a un archivo de perfil .gkp o a un documento JSON</translation>
    </message>
    <message>
        <source>Writes a profile into a profile file (.gkp, as the window&apos;s EXPORT does: its name is noted in config.ini and a copy kept in the settings folder), or with --json, a FILE ending in .json, or FILE &quot;-&quot; (standard output) as a JSON document.</source>
        <translation>Escribe un perfil en un archivo de perfil (.gkp, como hace EXPORT en la ventana: su nombre se anota en config.ini y se guarda una copia en la carpeta de ajustes) o, con --json, en un FILE terminado en .json o en FILE «-» (salida estándar), como documento JSON.</translation>
    </message>
    <message>
        <source>a profile from a .gkp profile file or a JSON document, and apply it</source>
        <translation>un perfil desde un archivo de perfil .gkp o un documento JSON, y aplicarlo</translation>
    </message>
    <message>
        <source>Replaces a profile by a profile file (.gkp, as the window&apos;s IMPORT does) or with --json, a FILE ending in .json, or FILE &quot;-&quot; (standard input) by a JSON document, and applies the whole profile. A file that is not usable changes nothing.</source>
        <translation>Sustituye un perfil por un archivo de perfil (.gkp, como hace IMPORT en la ventana) o, con --json, un FILE terminado en .json o FILE «-» (entrada estándar), por un documento JSON, y aplica el perfil completo. Un archivo no utilizable no cambia nada.</translation>
    </message>
    <message>
        <source>the macro library</source>
        <translation>la biblioteca de macros</translation>
    </message>
    <message>
        <source>Lists the macros of the library: name, steps, repeat.</source>
        <translation>Enumera las macros de la biblioteca: nombre, pasos, repetición.</translation>
    </message>
    <message>
        <source>the names assign accepts</source>
        <translation>los nombres que acepta assign</translation>
    </message>
    <message>
        <source>Lists the function names of assign ... media and assign ... mouse, and the key names of assign ... keys, one a line.</source>
        <translation>Enumera los nombres de función de assign ... media y assign ... mouse, y los nombres de tecla de assign ... keys, uno por línea.</translation>
    </message>
    <message>
        <source>%1 takes on or off, not %2.</source>
        <translation>%1 solo admite on y off, no %2.</translation>
    </message>
    <message>
        <source>Unknown lighting effect %1: use one of %2 (or 1, 2, 4, 8, 16, 32).</source>
        <translation>Efecto de iluminación %1 desconocido: use uno de los valores %2 (o 1, 2, 4, 8, 16, 32).</translation>
    </message>
    <message>
        <source>Colour %1 is out of range: use 1-7 or one of %2.</source>
        <translation>El color %1 está fuera de rango: use 1-7 o uno de los valores %2.</translation>
    </message>
    <message>
        <source>Unknown colour %1: use one of %2 (or 1-7).</source>
        <translation>Color %1 desconocido: use uno de los valores %2 (o 1-7).</translation>
    </message>
    <message>
        <source>Polling rate %1 is not one of 125, 500, 1000 (Hz).</source>
        <translation>La frecuencia de sondeo %1 no es ninguno de los valores 125, 500, 1000 (Hz).</translation>
    </message>
    <message>
        <source>Profile %1 does not exist: profiles are 1-5.</source>
        <translation>El perfil %1 no existe: los perfiles van del 1 al 5.</translation>
    </message>
    <message>
        <source>Unknown key %1: the programmable keys are G1-G15.</source>
        <translation>Tecla %1 desconocida: las teclas programables son G1-G15.</translation>
    </message>
    <message>
        <source>Expected KEY=VALUE, not %1.</source>
        <translation>Se esperaba KEY=VALUE, no %1.</translation>
    </message>
    <message>
        <source>The game program&apos;s path is longer than the %1 bytes a profile holds.</source>
        <translation>La ruta del programa del juego supera los %1 bytes que admite un perfil.</translation>
    </message>
    <message>
        <source>Unknown setting %1: use effect, colour, polling, winlock, powersaving, name or game.</source>
        <translation>Ajuste %1 desconocido: use effect, colour, polling, winlock, powersaving, name o game.</translation>
    </message>
    <message>
        <source>The mouse button %1 can only be a step of a macro, not a key&apos;s combination.</source>
        <translation>El botón del ratón %1 solo puede ser un paso de una macro, no la combinación de una tecla.</translation>
    </message>
    <message>
        <source>Unknown media function %1: use one of %2.</source>
        <translation>Función multimedia %1 desconocida: use una de las funciones %2.</translation>
    </message>
    <message>
        <source>Unknown mouse function %1: use one of %2.</source>
        <translation>Función de ratón %1 desconocida: use una de las funciones %2.</translation>
    </message>
    <message>
        <source>status takes no arguments.</source>
        <translation>status no admite argumentos.</translation>
    </message>
    <message>
        <source>profile takes at most one profile number.</source>
        <translation>profile admite como máximo un número de perfil.</translation>
    </message>
    <message>
        <source>show takes at most one profile number.</source>
        <translation>show admite como máximo un número de perfil.</translation>
    </message>
    <message>
        <source>macros takes no arguments.</source>
        <translation>macros no admite argumentos.</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole: %2.</source>
        <translation>La biblioteca de macros %1 no se puede leer completa: %2.</translation>
    </message>
    <message>
        <source>functions takes one of media, mouse, keys.</source>
        <translation>functions admite media, mouse o keys.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>JSON instead of text (the schema is in the manual page).</source>
        <translation>JSON en lugar de texto (el esquema está en la página de manual).</translation>
    </message>
    <message>
        <source>Waits at most SECONDS for Monitor to confirm that the keyboard took the change (default 40 minutes, longer than the slowest apply).</source>
        <translation>Espera como máximo SECONDS a que Monitor confirme que el teclado aceptó el cambio (por defecto 40 minutos, más de lo que tarda la aplicación de cambios más lenta).</translation>
    </message>
    <message>
        <source>Exit status: 0 done; 1 bad input (nothing changed); 2 Monitor not running, no keyboard or no answer (the settings files are saved); 3 Option is open or another change is in progress (changing commands refuse); 4 settings could not be saved (the message names the file; the keyboard may have taken the change); 5 the keyboard refused part of the change (the message names the settings; the files are saved).
</source>
        <translation>Estado de salida: 0 hecho; 1 entrada incorrecta (no se cambió nada); 2 Monitor no se está ejecutando, no hay teclado o no hay respuesta (los archivos de ajustes están guardados); 3 Option está abierto u otro cambio está en curso (los comandos que modifican se niegan a ejecutarse); 4 no se pudieron guardar los ajustes (el mensaje indica el archivo; puede que el teclado haya aceptado el cambio); 5 el teclado rechazó parte del cambio (el mensaje indica los ajustes; los archivos están guardados).
</translation>
    </message>
    <message>
        <source>Usage: vantorctl COMMAND [ARGUMENTS] [--help]

Reads and changes the Orvyn Vantor keyboard&apos;s configuration as the Option window does. Changes are applied
before the command returns.

Commands:
</source>
        <translation>Uso: vantorctl COMMAND [ARGUMENTS] [--help]

Lee y cambia la configuración del teclado Orvyn Vantor como lo hace la ventana de Option. Los cambios se aplican
antes de que el comando termine.

Comandos:
</translation>
    </message>
    <message>
        <source>
Reading commands work while Option is open; changing commands (profile N, set, assign, import) refuse.
</source>
        <translation>
Los comandos de lectura funcionan mientras Option está abierto; los comandos que modifican (profile N, set, assign, import) se niegan a ejecutarse.
</translation>
    </message>
    <message>
        <source>See vantorctl COMMAND --help and man vantorctl.
</source>
        <translation>Consulte vantorctl COMMAND --help y man vantorctl.
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Comando «%1» desconocido.</translation>
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
        <translation>Asigna una función a la tecla programable G1-G15 de un perfil y la aplica:
  macro NAME         una macro de la biblioteca (vantorctl macros)
  keys COMBINATION   una combinación de teclas con los nombres ingleses de las teclas: Ctrl+Alt+X, Shift+Page Down
  program PATH       inicia un programa (o un archivo .desktop)
  media NAME         una función multimedia o de aplicación: Play/Pause, Volume Up, Calculator, ...
  mouse NAME         una función de ratón: Left Button, Double Click, Key Disabled, ...
  default            el ajuste de fábrica de la tecla
Los nombres no distinguen mayúsculas de minúsculas; vantorctl functions los enumera.</translation>
    </message>
    <message>
        <source>Unknown key %1 in %2: write it with the English key names, e.g. Ctrl+Alt+X or Shift+Page Down (vantorctl functions lists them).</source>
        <translation>Tecla %1 desconocida en %2: escríbala con los nombres ingleses de las teclas, p. ej. Ctrl+Alt+X o Shift+Page Down (vantorctl functions los enumera).</translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation>campo desconocido</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>expected a whole number</source>
        <translation>se esperaba un número entero</translation>
    </message>
    <message>
        <source>%1 is out of range (%2 to %3)</source>
        <translation>%1 está fuera de rango (%2 a %3)</translation>
    </message>
    <message>
        <source>expected a text</source>
        <translation>se esperaba un texto</translation>
    </message>
    <message>
        <source>longer than the %1 bytes the profile holds</source>
        <translation>más largo que los %1 bytes que admite el perfil</translation>
    </message>
    <message>
        <source>contains a NUL character</source>
        <translation>contiene un carácter NUL</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>se esperaba un objeto</translation>
    </message>
    <message>
        <source>expected a list</source>
        <translation>se esperaba una lista</translation>
    </message>
    <message>
        <source>%1 steps; a key holds at most 50</source>
        <translation>%1 pasos; una tecla admite como máximo 50</translation>
    </message>
    <message>
        <source>%1 keys; a profile has 15 (G1-G15)</source>
        <translation>%1 teclas; un perfil tiene 15 (G1-G15)</translation>
    </message>
    <message>
        <source>expected one of G1-G15</source>
        <translation>se esperaba una de G1-G15</translation>
    </message>
    <message>
        <source>named twice</source>
        <translation>nombrado dos veces</translation>
    </message>
    <message>
        <source>missing (type 3 is a macro)</source>
        <translation>falta (el tipo 3 es una macro)</translation>
    </message>
    <message>
        <source>given, but only a macro key (type 3) has one</source>
        <translation>indicado, pero solo una tecla de macro (tipo 3) lo tiene</translation>
    </message>
    <message>
        <source>missing (type 11 starts a program)</source>
        <translation>falta (el tipo 11 inicia un programa)</translation>
    </message>
    <message>
        <source>given, but only a program key (type 11) has one</source>
        <translation>indicado, pero solo una tecla de programa (tipo 11) lo tiene</translation>
    </message>
    <message>
        <source>position %1 is given twice</source>
        <translation>la posición %1 se indica dos veces</translation>
    </message>
    <message>
        <source>not valid JSON at byte %1: %2</source>
        <translation>JSON no válido en el byte %1: %2</translation>
    </message>
    <message>
        <source>expected a JSON object at the top</source>
        <translation>se esperaba un objeto JSON en el nivel superior</translation>
    </message>
    <message>
        <source>%1: given more than once</source>
        <translation>%1: indicado más de una vez</translation>
    </message>
    <message>
        <source>format: expected &quot;%1&quot; (not a profile document)</source>
        <translation>format: se esperaba «%1» (no es un documento de perfil)</translation>
    </message>
    <message>
        <source>this vantorctl reads version %1</source>
        <translation>este vantorctl lee la versión %1</translation>
    </message>
    <message>
        <source>%1 values; a profile has 6</source>
        <translation>%1 valores; un perfil tiene 6</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>Profile %1: %2  (current)</source>
        <translation>Perfil %1: %2  (actual)</translation>
    </message>
    <message>
        <source>Profile %1: %2</source>
        <translation>Perfil %1: %2</translation>
    </message>
    <message>
        <source>Game program:</source>
        <translation>Programa del juego:</translation>
    </message>
    <message>
        <source>Lighting effect:</source>
        <translation>Efecto de iluminación:</translation>
    </message>
    <message>
        <source>Lighting colour:</source>
        <translation>Color de iluminación:</translation>
    </message>
    <message>
        <source>Polling rate:</source>
        <translation>Frecuencia de sondeo:</translation>
    </message>
    <message>
        <source>Windows-key lock:</source>
        <translation>Bloqueo de la tecla Windows:</translation>
    </message>
    <message>
        <source>Power saving:</source>
        <translation>Ahorro de energía:</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Teclas:</translation>
    </message>
    <message>
        <source>Remapped standard keys: none</source>
        <translation>Teclas estándar reasignadas: ninguna</translation>
    </message>
    <message>
        <source>Remapped standard keys:</source>
        <translation>Teclas estándar reasignadas:</translation>
    </message>
    <message>
        <source>unknown (Monitor is not running)</source>
        <translation>desconocido (Monitor no se está ejecutando)</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>conectado</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>no conectado</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>Monitor:</source>
        <translation>Monitor:</translation>
    </message>
    <message>
        <source>running</source>
        <translation>en ejecución</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>detenido</translation>
    </message>
    <message>
        <source>Keyboard:</source>
        <translation>Teclado:</translation>
    </message>
    <message>
        <source>Firmware:</source>
        <translation>Firmware:</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>Option:</source>
        <translation>Option:</translation>
    </message>
    <message>
        <source>open</source>
        <translation>abierto</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>no abierto</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A refused setting&apos;s reason (already translated) as a sentence.</extracomment>
        <translation>%1.</translation>
    </message>
</context>
</TS>
