<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Writing to the keyboard</source>
        <translation>Gravando no teclado</translation>
    </message>
    <message>
        <source>Could not map view of file.</source>
        <translation>Não foi possível mapear o arquivo na memória.</translation>
    </message>
    <message>
        <source>No program could show the user manual %1. Install a PDF viewer.</source>
        <translation>Nenhum programa conseguiu exibir o manual do usuário %1. Instale um visualizador de PDF.</translation>
    </message>
    <message>
        <source>The user manual is missing. It was looked for at %1.</source>
        <translation>O manual do usuário não foi encontrado. Ele foi procurado em %1.</translation>
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
        <translation>O Monitor já está em execução.</translation>
    </message>
    <message>
        <source>Monitor could not be started: %1</source>
        <translation>Não foi possível iniciar o Monitor: %1</translation>
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
        <translation>Nenhum teclado conectado</translation>
    </message>
    <message>
        <source>Starting Monitor...</source>
        <translation>Iniciando o Monitor...</translation>
    </message>
    <message>
        <source>Monitor is not running</source>
        <translation>O Monitor não está em execução</translation>
    </message>
    <message>
        <source>Saved to the keyboard</source>
        <translation>Salvo no teclado</translation>
    </message>
    <message>
        <source>Saved; the keyboard is not connected</source>
        <translation>Salvo; o teclado não está conectado</translation>
    </message>
</context>
<context>
    <name>DeviceAccessNotice</name>
    <message>
        <source>The keyboard is connected but cannot be opened</source>
        <translation>O teclado está conectado, mas não pode ser aberto</translation>
    </message>
    <message>
        <source>The keyboard is connected, but this user may not use it</source>
        <translation>O teclado está conectado, mas este usuário não pode usá-lo</translation>
    </message>
    <message>
        <source>The udev rule %1 is installed: unplug and plug the keyboard, or run: sudo udevadm trigger. If the keyboard has other ids than [Device] in config.ini, set them in the rule as well.</source>
        <translation>A regra udev %1 está instalada: desconecte e reconecte o teclado ou execute: sudo udevadm trigger. Se o teclado tiver ids diferentes dos de [Device] em config.ini, defina-os também na regra.</translation>
    </message>
    <message>
        <source>Install the udev rule: %1</source>
        <translation>Instale a regra udev: %1</translation>
    </message>
</context>
<context>
    <name>DocumentOpener</name>
    <message>
        <source>No program could open %1.</source>
        <translation>Nenhum programa conseguiu abrir %1.</translation>
    </message>
    <message>
        <source>No program to show PDF files is installed.</source>
        <translation>Nenhum programa para exibir arquivos PDF está instalado.</translation>
    </message>
    <message>
        <source>The PDF viewer could not show it.</source>
        <translation>O visualizador de PDF não conseguiu exibi-lo.</translation>
    </message>
    <message>
        <source>The user manual could not be opened. %1

It is at:
%2</source>
        <translation>Não foi possível abrir o manual do usuário. %1

Ele está em:
%2</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
</context>
<context>
    <name>ForegroundChoice</name>
    <message>
        <source>per-game profiles on GNOME need the extension that tells which window is in front: run &quot;gnome-extensions enable %1&quot; and start Monitor again; until then only games running through XWayland switch the profile</source>
        <translation>perfis por jogo no GNOME precisam da extensão que informa qual janela está em primeiro plano: execute “gnome-extensions enable %1” e inicie o Monitor novamente; até lá, só jogos executados pelo XWayland trocam o perfil</translation>
    </message>
    <message>
        <source>per-game profiles on GNOME need the extension that tells which window is in front: run &quot;gnome-extensions enable %1&quot; and start Monitor again</source>
        <translation>perfis por jogo no GNOME precisam da extensão que informa qual janela está em primeiro plano: execute “gnome-extensions enable %1” e inicie o Monitor novamente</translation>
    </message>
</context>
<context>
    <name>KeyCaptureDialog</name>
    <message>
        <source>Every key you press is recorded. Hold Enter for one second for OK, hold Esc for one second to leave without a change.</source>
        <translation>Todas as teclas que você pressionar serão gravadas. Mantenha Enter pressionado por um segundo para OK; mantenha Esc pressionado por um segundo para sair sem alterações.</translation>
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
        <translation>Espaço</translation>
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
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Cima</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Baixo</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Executar</translation>
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
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Left Windows</source>
        <translation>Windows esquerdo</translation>
    </message>
    <message>
        <source>Right Windows</source>
        <translation>Windows direito</translation>
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
        <translation>Shift esquerdo</translation>
    </message>
    <message>
        <source>Right Shift</source>
        <translation>Shift direito</translation>
    </message>
    <message>
        <source>Left Ctrl</source>
        <translation>Ctrl esquerdo</translation>
    </message>
    <message>
        <source>Right Ctrl</source>
        <translation>Ctrl direito</translation>
    </message>
    <message>
        <source>Left Alt</source>
        <translation>Alt esquerdo</translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation>Alt direito</translation>
    </message>
    <message>
        <source>L Button</source>
        <translation>Botão esquerdo</translation>
    </message>
    <message>
        <source>R Button</source>
        <translation>Botão direito</translation>
    </message>
    <message>
        <source>M Button</source>
        <translation>Botão do meio</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>Botão 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>Botão 5</translation>
    </message>
</context>
<context>
    <name>LaunchProgramDialog</name>
    <message>
        <source>exe file(*.exe)</source>
        <translation>Arquivo EXE(*.exe)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>No program &quot;%1&quot; was found in PATH. Choose it with the browse button or type its full path.</source>
        <translation>Nenhum programa “%1” foi encontrado no PATH. Escolha-o com o botão Procurar ou digite o caminho completo.</translation>
    </message>
    <message>
        <source>The program path is too long: a key holds at most %1 bytes.</source>
        <translation>O caminho do programa é longo demais: uma tecla comporta no máximo %1 bytes.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>no program given</source>
        <translation>nenhum programa informado</translation>
    </message>
    <message>
        <source>not found: %1</source>
        <translation>não encontrado: %1</translation>
    </message>
    <message>
        <source>cannot open %1: xdg-open is not installed</source>
        <translation>não é possível abrir %1: o xdg-open não está instalado</translation>
    </message>
    <message>
        <source>%1 is not a file that can be opened</source>
        <translation>%1 não é um arquivo que possa ser aberto</translation>
    </message>
    <message>
        <source>cannot launch %1</source>
        <translation>não é possível iniciar: %1</translation>
    </message>
    <message>
        <source>%1 is not a desktop entry</source>
        <translation>%1 não é uma entrada de desktop (.desktop)</translation>
    </message>
    <message>
        <source>%1 is marked as deleted (Hidden)</source>
        <translation>%1 está marcado como excluído (Hidden)</translation>
    </message>
    <message>
        <source>%1 links nowhere</source>
        <translation>%1 não aponta para lugar nenhum</translation>
    </message>
    <message>
        <source>%1 does not start a program</source>
        <translation>%1 não inicia nenhum programa</translation>
    </message>
    <message>
        <source>%1: %2 is not installed</source>
        <translation>%1: %2 não está instalado</translation>
    </message>
    <message>
        <source>%1 has no usable command (Exec)</source>
        <translation>%1 não tem um comando utilizável (Exec)</translation>
    </message>
    <message>
        <source>%1 runs in a terminal, and no terminal emulator is installed</source>
        <translation>%1 é executado em um terminal, e nenhum emulador de terminal está instalado</translation>
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
        <translation>Etapas da macro</translation>
    </message>
</context>
<context>
    <name>MediaFunction</name>
    <message>
        <source>Screensave</source>
        <translation>Protetor de tela</translation>
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
        <translation>Configurações do teclado não salvas</translation>
    </message>
    <message>
        <source>%1
Monitor writes them again with its next save; free some space or fix the folder&apos;s permissions.</source>
        <translation>%1
O Monitor as grava novamente no próximo salvamento; libere espaço ou corrija as permissões da pasta.</translation>
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
        <translation>Perfis por jogo</translation>
    </message>
</context>
<context>
    <name>Option</name>
    <message>
        <source>Option cannot draw its windows, because a file of its skin is wrong:

%1

Restore the skins folder beside the program (or mend the file) and start Option again.</source>
        <translation>O Option não consegue desenhar suas janelas porque um arquivo do seu tema visual está incorreto:

%1

Restaure a pasta skins ao lado do programa (ou corrija o arquivo) e inicie o Option novamente.</translation>
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
        <translation>%1: %2 não tem um NUL final dentro de seus %3 bytes</translation>
    </message>
    <message>
        <source>%1: %2 is not a repeat count (0-255)</source>
        <translation>%1: %2 não é um número de repetições (0-255)</translation>
    </message>
    <message>
        <source>%1: %2 is more than the 50 steps a key holds</source>
        <translation>%1: %2 excede os 50 passos que uma tecla comporta</translation>
    </message>
    <message>
        <source>%1: %2 is not a key or mouse-button code</source>
        <translation>%1: %2 não é um código de tecla nem de botão do mouse</translation>
    </message>
    <message>
        <source>%1: %2 is neither 1 (press) nor 2 (release)</source>
        <translation>%1: %2 não é 1 (pressionar) nem 2 (soltar)</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of this assignment type</source>
        <translation>%1: %2 não é 0, o único valor de flags deste tipo de atribuição</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of this assignment type</source>
        <translation>%1: %2 não é 0, o único valor de code deste tipo de atribuição</translation>
    </message>
    <message>
        <source>%1: %2 is not a set of modifiers (1 Ctrl, 2 Shift, 4 Alt, 8 Win)</source>
        <translation>%1: %2 não é um conjunto de teclas modificadoras (1 Ctrl, 2 Shift, 4 Alt, 8 Win)</translation>
    </message>
    <message>
        <source>%1: %2 is not a key code</source>
        <translation>%1: %2 não é um código de tecla</translation>
    </message>
    <message>
        <source>%1: %2 is not a keyboard function (1, 4-7)</source>
        <translation>%1: %2 não é uma função do teclado (1, 4-7)</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a keyboard function</source>
        <translation>%1: %2 não é 0, o único valor de code de uma função do teclado</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of a media function</source>
        <translation>%1: %2 não é 0, o único valor de flags de uma função de mídia</translation>
    </message>
    <message>
        <source>%1: %2 is not a media or application function (176-199)</source>
        <translation>%1: %2 não é uma função de mídia nem de aplicativo (176-199)</translation>
    </message>
    <message>
        <source>%1: %2 is not a mouse button (1-5)</source>
        <translation>%1: %2 não é um botão do mouse (1-5)</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a mouse-button function</source>
        <translation>%1: %2 não é 0, o único valor de code de uma função de botão do mouse</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of a single key</source>
        <translation>%1: %2 não é 0, o único valor de flags de uma tecla simples</translation>
    </message>
    <message>
        <source>%1: %2 is not %3, the key&apos;s number</source>
        <translation>%1: %2 não é %3, o número da tecla</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a program key</source>
        <translation>%1: %2 não é 0, o único valor de code de uma tecla de programa</translation>
    </message>
    <message>
        <source>%1: %2 is not an assignment type</source>
        <translation>%1: %2 não é um tipo de atribuição</translation>
    </message>
    <message>
        <source>%1: %2 contains a control character</source>
        <translation>%1: %2 contém um caractere de controle</translation>
    </message>
    <message>
        <source>%1: %2 contains a bidirectional override</source>
        <translation>%1: %2 contém um caractere de substituição bidirecional</translation>
    </message>
    <message>
        <source>%1: %2 is not a media player (0-3)</source>
        <translation>%1: %2 não é um player de mídia (0-3)</translation>
    </message>
    <message>
        <source>%1: %2 is neither 0 nor 1</source>
        <translation>%1: %2 não é 0 nem 1</translation>
    </message>
    <message>
        <source>%1: %2 is not a byte (0-255)</source>
        <translation>%1: %2 não é um byte (0-255)</translation>
    </message>
    <message>
        <source>%1: %2 is not a lighting colour (0-7)</source>
        <translation>%1: %2 não é uma cor de iluminação (0-7)</translation>
    </message>
    <message>
        <source>%1: %2 is not a lighting control value (1, 2, 4, 8, 16, 32)</source>
        <translation>%1: %2 não é um valor de controle da iluminação (1, 2, 4, 8, 16, 32)</translation>
    </message>
    <message>
        <source>%1: %2 is not a polling rate (1, 2, 4)</source>
        <translation>%1: %2 não é uma taxa de sondagem (1, 2, 4)</translation>
    </message>
    <message>
        <source>%1; replaced by its factory value</source>
        <translation>%1; substituído pelo valor de fábrica</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Game program</source>
        <translation>Programa do jogo</translation>
    </message>
    <message>
        <source>exe file(*.exe)</source>
        <translation>Arquivo EXE(*.exe)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>ProfileFiles</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>O arquivo %1 não existe.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 não é um arquivo.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it is larger than %2 MB (a profile file has about 33 KB).</source>
        <translation>%1 não é um arquivo de perfil: é maior que %2 MB (um arquivo de perfil tem cerca de 33 KB).</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Não foi possível ler o arquivo: %1.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it is empty.</source>
        <translation>%1 não é um arquivo de perfil: está vazio.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it has no [Setting] section.</source>
        <translation>%1 não é um arquivo de perfil: não tem a seção [Setting].</translation>
    </message>
    <message>
        <source>%1 is a damaged profile file: its block %2 does not check out.</source>
        <translation>%1 é um arquivo de perfil danificado: o bloco %2 não confere.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it holds none of the key blocks of a profile.</source>
        <translation>%1 não é um arquivo de perfil: não contém nenhum dos blocos de teclas de um perfil.</translation>
    </message>
    <message>
        <source>%1 is refused: it holds %2 more than once.</source>
        <translation>%1 foi recusado: contém %2 mais de uma vez.</translation>
    </message>
    <message>
        <source>%1: missing (a profile file holds every setting)</source>
        <translation>%1: ausente (um arquivo de perfil contém todas as configurações)</translation>
    </message>
    <message>
        <source>%1 is refused: %2.</source>
        <translation>%1 foi recusado: %2.</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Nada foi importado.</translation>
    </message>
    <message>
        <source>The profile file could not be copied into the settings folder %1. Check that you may write there and that the disk is not full. Nothing was imported.</source>
        <translation>Não foi possível copiar o arquivo de perfil para a pasta de configurações %1. Verifique se você pode gravar nela e se o disco não está cheio. Nada foi importado.</translation>
    </message>
    <message>
        <source>The profile could not be written to %1 (%2). The file that was there is left as it was.</source>
        <translation>Não foi possível gravar o perfil em %1 (%2). O arquivo que já existia foi mantido como estava.</translation>
    </message>
    <message>
        <source>The profile could not be written to %1 (%2).</source>
        <translation>Não foi possível gravar o perfil em %1 (%2).</translation>
    </message>
    <message>
        <source>The profile was exported to %1, but its copy %2 and its name in config.ini could not all be written.</source>
        <translation>O perfil foi exportado para %1, mas não foi possível gravar por completo a cópia %2 e o nome dele em config.ini.</translation>
    </message>
</context>
<context>
    <name>ProfileTransfer</name>
    <message>
        <source>Import a profile</source>
        <translation>Importar um perfil</translation>
    </message>
    <message>
        <source>Export the profile</source>
        <translation>Exportar o perfil</translation>
    </message>
    <message>
        <source>Gaming Keyboard Profile(*.gkp)</source>
        <translation>Perfil de teclado para jogos(*.gkp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
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
        <translation>Todas as teclas que você pressionar serão gravadas. Mantenha Esc pressionado por um segundo para sair sem alterações.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;olar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Selecionar tudo</translation>
    </message>
</context>
<context>
    <name>SessionNotices</name>
    <message>
        <source>current profile</source>
        <translation>perfil atual</translation>
    </message>
    <message>
        <source>key assignments of the standard keys</source>
        <translation>atribuições das teclas padrão</translation>
    </message>
    <message>
        <source>Windows-key lock and other switches</source>
        <translation>bloqueio da tecla Windows e outras opções</translation>
    </message>
    <message>
        <source>programmable-key assignments</source>
        <translation>atribuições das teclas programáveis</translation>
    </message>
    <message>
        <source>macros</source>
        <translation>macros</translation>
    </message>
    <message>
        <source>lighting</source>
        <translation>iluminação</translation>
    </message>
    <message>
        <source>polling rate</source>
        <translation>taxa de sondagem</translation>
    </message>
    <message>
        <source>other settings</source>
        <translation>outras configurações</translation>
    </message>
    <message>
        <source>The settings were saved, but they could not be sent to the keyboard because the Monitor program is not running. Start Monitor and apply again to change the keyboard.</source>
        <translation>As configurações foram salvas, mas não puderam ser enviadas ao teclado porque o programa Monitor não está em execução. Inicie o Monitor e aplique novamente para alterar o teclado.</translation>
    </message>
    <message>
        <source>The settings were not saved, and they could not be sent to the keyboard because the Monitor program is not running. Start Monitor and apply again to change the keyboard.</source>
        <translation>As configurações não foram salvas e não puderam ser enviadas ao teclado porque o programa Monitor não está em execução. Inicie o Monitor e aplique novamente para alterar o teclado.</translation>
    </message>
    <message>
        <source>The settings were saved, but no keyboard is connected, so the keyboard did not receive them. Connect it and apply again.</source>
        <translation>As configurações foram salvas, mas nenhum teclado está conectado, então o teclado não as recebeu. Conecte-o e aplique novamente.</translation>
    </message>
    <message>
        <source>The settings were not saved, and no keyboard is connected, so the keyboard did not receive them. Connect it and apply again.</source>
        <translation>As configurações não foram salvas e nenhum teclado está conectado, então o teclado não as recebeu. Conecte-o e aplique novamente.</translation>
    </message>
    <message>
        <source>The settings were saved, but Monitor did not confirm that the keyboard received them. Make sure Monitor is running and apply again.</source>
        <translation>As configurações foram salvas, mas o Monitor não confirmou que o teclado as recebeu. Verifique se o Monitor está em execução e aplique novamente.</translation>
    </message>
    <message>
        <source>The settings were not saved, and Monitor did not confirm that the keyboard received them. Make sure Monitor is running and apply again.</source>
        <translation>As configurações não foram salvas, e o Monitor não confirmou que o teclado as recebeu. Verifique se o Monitor está em execução e aplique novamente.</translation>
    </message>
    <message>
        <source>The keyboard refused some changes. They stay marked; Apply sends them again.</source>
        <translation>O teclado recusou algumas alterações. Elas continuam marcadas; Aplicar as envia novamente.</translation>
    </message>
    <message>
        <source>The keyboard refused some changes: %1. They stay marked; Apply sends them again.</source>
        <translation>O teclado recusou algumas alterações: %1. Elas continuam marcadas; Aplicar as envia novamente.</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole. It is left as it is: the macros that could be read are shown, and macros recorded or changed now are not saved to it until it is mended or removed.</source>
        <translation>Não foi possível ler a biblioteca de macros %1 por inteiro. Ela foi mantida como está: as macros que puderam ser lidas são exibidas, e as macros gravadas ou alteradas agora não serão salvas nela até que seja reparada ou removida.</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole: %2. It is left as it is: the macros that could be read are shown, and macros recorded or changed now are not saved to it until it is mended or removed.</source>
        <translation>Não foi possível ler a biblioteca de macros %1 por inteiro: %2. Ela foi mantida como está: as macros que puderam ser lidas são exibidas, e as macros gravadas ou alteradas agora não serão salvas nela até que seja reparada ou removida.</translation>
    </message>
    <message>
        <source>The settings could not be saved:
%1
They stay marked as changed: once the problem is solved, apply again to save them.</source>
        <translation>Não foi possível salvar as configurações:
%1
Elas continuam marcadas como alteradas: quando o problema for resolvido, aplique novamente para salvá-las.</translation>
    </message>
</context>
<context>
    <name>ShortcutDialog</name>
    <message>
        <source>Press the key with Ctrl, Shift, Alt or Win held to record the combination. </source>
        <translation>Pressione a tecla mantendo Ctrl, Shift, Alt ou Win pressionada para gravar a combinação. </translation>
    </message>
</context>
<context>
    <name>SkinAdvanced</name>
    <message>
        <source>ADVANCED</source>
        <translation>AVANÇADO</translation>
    </message>
    <message>
        <source>Settings of the current profile. They reach the keyboard when you press APPLY or OK.</source>
        <translation>Configurações do perfil atual. Elas chegam ao teclado quando você pressiona APLICAR ou OK.</translation>
    </message>
    <message>
        <source>POLLING RATE</source>
        <translation>TAXA DE SONDAGEM</translation>
    </message>
    <message>
        <source>How often the keyboard reports to the computer.</source>
        <translation>Com que frequência o teclado se comunica com o computador.</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>ILUMINAÇÃO</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFEITO</translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation>COR</translation>
    </message>
    <message>
        <source>WINDOWS KEY</source>
        <translation>TECLA WINDOWS</translation>
    </message>
    <message>
        <source>Lock it so that it cannot throw you out of a game.</source>
        <translation>Bloqueie-a para que ela não tire você do jogo.</translation>
    </message>
    <message>
        <source>POWER SAVING</source>
        <translation>ECONOMIA DE ENERGIA</translation>
    </message>
    <message>
        <source>Lets the keyboard save power when it is idle.</source>
        <translation>Permite que o teclado economize energia quando ocioso.</translation>
    </message>
    <message>
        <source>125 Hz</source>
        <translation>125 Hz</translation>
    </message>
    <message>
        <source>Report 125 times a second (8 ms).</source>
        <translation>Comunica 125 vezes por segundo (8 ms).</translation>
    </message>
    <message>
        <source>500 Hz</source>
        <translation>500 Hz</translation>
    </message>
    <message>
        <source>Report 500 times a second (2 ms).</source>
        <translation>Comunica 500 vezes por segundo (2 ms).</translation>
    </message>
    <message>
        <source>1000 Hz</source>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <source>Report 1000 times a second (1 ms): the quickest response.</source>
        <translation>Comunica 1000 vezes por segundo (1 ms): a resposta mais rápida.</translation>
    </message>
    <message>
        <source>Lighting effect of the keyboard. Click to choose another.</source>
        <translation>Efeito de iluminação do teclado. Clique para escolher outro.</translation>
    </message>
    <message>
        <source>Lighting colour of the keyboard. Click to choose another.</source>
        <translation>Cor da iluminação do teclado. Clique para escolher outra.</translation>
    </message>
    <message>
        <source>ENABLED</source>
        <translation>ATIVADA</translation>
    </message>
    <message>
        <source>The Windows keys work as usual.</source>
        <translation>As teclas Windows funcionam normalmente.</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>BLOQUEADA</translation>
    </message>
    <message>
        <source>The Windows keys are locked while you play.</source>
        <translation>As teclas Windows ficam bloqueadas enquanto você joga.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>DESLIGADA</translation>
    </message>
    <message>
        <source>Power saving is off.</source>
        <translation>A economia de energia está desligada.</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>LIGADA</translation>
    </message>
    <message>
        <source>The keyboard saves power when it is idle.</source>
        <translation>O teclado economiza energia quando está ocioso.</translation>
    </message>
</context>
<context>
    <name>SkinKeyMapping</name>
    <message>
        <source>KEY MAPPING</source>
        <translation>MAPEAMENTO DE TECLAS</translation>
    </message>
    <message>
        <source>Click a key to make it send another key or a mouse function. Remapped keys stay lit.</source>
        <translation>Clique em uma tecla para que ela envie outra tecla ou uma função do mouse. Teclas remapeadas ficam acesas.</translation>
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
        <translation>Tecla remapeada</translation>
    </message>
    <message>
        <source>Default key</source>
        <translation>Tecla padrão</translation>
    </message>
    <message>
        <source>%1 key. Click to make it send another key or a mouse function.</source>
        <translation>Tecla %1. Clique para que ela envie outra tecla ou uma função do mouse.</translation>
    </message>
</context>
<context>
    <name>SkinLaunchProgram</name>
    <message>
        <source>PROGRAM TO START WHEN THE KEY IS PRESSED</source>
        <translation>PROGRAMA A INICIAR QUANDO A TECLA FOR PRESSIONADA</translation>
    </message>
    <message>
        <source>Path of the program.</source>
        <translation>Caminho do programa.</translation>
    </message>
    <message>
        <source>BROWSE...</source>
        <translation>PROCURAR...</translation>
    </message>
    <message>
        <source>Choose the program in a file dialog.</source>
        <translation>Escolha o programa em uma caixa de diálogo de arquivos.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Manter a tecla como estava.</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>Manter a tecla como estava e fechar.</translation>
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
        <translation>Clique em uma tecla para atribuir a ela uma macro, uma combinação de teclas, um programa, uma função de mídia ou um botão do mouse.</translation>
    </message>
    <message>
        <source>G9 to G14 are the media keys: the Media Keys page shows the same six keys.</source>
        <translation>G9 a G14 são as teclas de mídia: a página Teclas de mídia mostra as mesmas seis teclas.</translation>
    </message>
    <message>
        <source>Programmable key G%1. Click to choose what it does.</source>
        <translation>Tecla programável G%1. Clique para escolher o que ela faz.</translation>
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
        <translation>VEZES</translation>
    </message>
    <message>
        <source>Right-click the event list to record before or after a step, insert delays and mouse buttons, edit or delete.</source>
        <translation>Clique com o botão direito na lista de eventos para gravar antes ou depois de um passo, inserir atrasos e botões do mouse, editar ou excluir.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keep the changes to the macro library.</source>
        <translation>Manter as alterações na biblioteca de macros.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Discard the changes to the macro library.</source>
        <translation>Descartar as alterações na biblioteca de macros.</translation>
    </message>
    <message>
        <source>Discard the changes and close.</source>
        <translation>Descartar as alterações e fechar.</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NOVA</translation>
    </message>
    <message>
        <source>Create a new macro and name it.</source>
        <translation>Criar uma nova macro e dar um nome a ela.</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>EXCLUIR</translation>
    </message>
    <message>
        <source>Delete the selected macro.</source>
        <translation>Excluir a macro selecionada.</translation>
    </message>
    <message>
        <source>Macros of the library.</source>
        <translation>Macros da biblioteca.</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>GRAVAR</translation>
    </message>
    <message>
        <source>Record the keys you press into the selected macro. Click again to stop.</source>
        <translation>Gravar na macro selecionada as teclas que você pressionar. Clique de novo para parar.</translation>
    </message>
    <message>
        <source>RECORD DELAYS</source>
        <translation>GRAVAR ATRASOS</translation>
    </message>
    <message>
        <source>Record the pauses between the keys as delays.</source>
        <translation>Gravar as pausas entre as teclas como atrasos.</translation>
    </message>
    <message>
        <source>REPEAT</source>
        <translation>REPETIR</translation>
    </message>
    <message>
        <source>Play the macro more than once each time the key is pressed.</source>
        <translation>Reproduzir a macro mais de uma vez a cada pressionamento da tecla.</translation>
    </message>
    <message>
        <source>How many times the macro plays (1-255).</source>
        <translation>Quantas vezes a macro é reproduzida (1-255).</translation>
    </message>
    <message>
        <source>Steps of the selected macro. Right-click for more.</source>
        <translation>Passos da macro selecionada. Clique com o botão direito para mais opções.</translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation>GERENCIADOR DE MACROS</translation>
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
        <translation>CENTRAL DE CONTROLE DO TECLADO GAMER</translation>
    </message>
    <message>
        <source>PROFILES</source>
        <translation>PERFIS</translation>
    </message>
    <message>
        <source>KEY MAPPING</source>
        <translation>MAPEAMENTO DE TECLAS</translation>
    </message>
    <message>
        <source>Remap the standard keys of the keyboard.</source>
        <translation>Remapear as teclas padrão do teclado.</translation>
    </message>
    <message>
        <source>MACRO KEYS</source>
        <translation>TECLAS DE MACRO</translation>
    </message>
    <message>
        <source>Give the programmable keys macros and functions.</source>
        <translation>Atribuir macros e funções às teclas programáveis.</translation>
    </message>
    <message>
        <source>MEDIA KEYS</source>
        <translation>TECLAS DE MÍDIA</translation>
    </message>
    <message>
        <source>Give the media keys their functions and choose the media player they control.</source>
        <translation>Funções das teclas de mídia e o reprodutor que elas controlam.</translation>
    </message>
    <message>
        <source>ADVANCED</source>
        <translation>AVANÇADO</translation>
    </message>
    <message>
        <source>Polling rate; lighting; Windows key lock and power saving.</source>
        <translation>Taxa de sondagem; iluminação; bloqueio da tecla Windows e economia de energia.</translation>
    </message>
    <message>
        <source>Orvyn Vantor gaming keyboard.</source>
        <translation>Teclado gamer Orvyn Vantor.</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NOVO</translation>
    </message>
    <message>
        <source>Start the current profile afresh with a new name and game program.</source>
        <translation>Recomeçar o perfil atual com novo nome e programa do jogo.</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTAR</translation>
    </message>
    <message>
        <source>Load a profile file into the current profile.</source>
        <translation>Carregar um arquivo de perfil no perfil atual.</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTAR</translation>
    </message>
    <message>
        <source>Save the current profile to a profile file.</source>
        <translation>Salvar o perfil atual em um arquivo de perfil.</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>EDITAR</translation>
    </message>
    <message>
        <source>Change the name and the game program of the current profile.</source>
        <translation>Alterar o nome e o programa do jogo do perfil atual.</translation>
    </message>
    <message>
        <source>PROFILE 1</source>
        <translation>PERFIL 1</translation>
    </message>
    <message>
        <source>Show and edit profile 1.</source>
        <translation>Exibir e editar o perfil 1.</translation>
    </message>
    <message>
        <source>PROFILE 2</source>
        <translation>PERFIL 2</translation>
    </message>
    <message>
        <source>Show and edit profile 2.</source>
        <translation>Exibir e editar o perfil 2.</translation>
    </message>
    <message>
        <source>PROFILE 3</source>
        <translation>PERFIL 3</translation>
    </message>
    <message>
        <source>Show and edit profile 3.</source>
        <translation>Exibir e editar o perfil 3.</translation>
    </message>
    <message>
        <source>PROFILE 4</source>
        <translation>PERFIL 4</translation>
    </message>
    <message>
        <source>Show and edit profile 4.</source>
        <translation>Exibir e editar o perfil 4.</translation>
    </message>
    <message>
        <source>PROFILE 5</source>
        <translation>PERFIL 5</translation>
    </message>
    <message>
        <source>Show and edit profile 5.</source>
        <translation>Exibir e editar o perfil 5.</translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation>GERENCIAR MACROS</translation>
    </message>
    <message>
        <source>Record and edit the macros of the macro library.</source>
        <translation>Gravar e editar as macros da biblioteca de macros.</translation>
    </message>
    <message>
        <source>Minimize the window.</source>
        <translation>Minimizar a janela.</translation>
    </message>
    <message>
        <source>Close without applying changes.</source>
        <translation>Fechar sem aplicar as alterações.</translation>
    </message>
    <message>
        <source>Open the user manual.</source>
        <translation>Abrir o manual do usuário.</translation>
    </message>
    <message>
        <source>Visit the Orvyn Vantor web page.</source>
        <translation>Visitar a página da Orvyn Vantor na web.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Write the changes to the keyboard and close.</source>
        <translation>Gravar as alterações no teclado e fechar.</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>APLICAR</translation>
    </message>
    <message>
        <source>Write the changes to the keyboard.</source>
        <translation>Gravar as alterações no teclado.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>RESTORE DEFAULTS</source>
        <translation>RESTAURAR PADRÕES</translation>
    </message>
    <message>
        <source>Restore the factory settings of all five profiles.</source>
        <translation>Restaurar a configuração de fábrica dos cinco perfis.</translation>
    </message>
</context>
<context>
    <name>SkinMediaKeys</name>
    <message>
        <source>MEDIA KEYS</source>
        <translation>TECLAS DE MÍDIA</translation>
    </message>
    <message>
        <source>Click a media key to choose its function. The media keys drive the player chosen on the right.</source>
        <translation>Clique em uma tecla de mídia para escolher sua função. As teclas de mídia controlam o reprodutor escolhido à direita.</translation>
    </message>
    <message>
        <source>KEYS</source>
        <translation>TECLAS</translation>
    </message>
    <message>
        <source>MEDIA PLAYER</source>
        <translation>REPRODUTOR DE MÍDIA</translation>
    </message>
    <message>
        <source>M1 to M6 are keys G9 to G14 of the Macro Keys page.</source>
        <translation>M1 a M6 são as teclas G9 a G14 da página Teclas de macro.</translation>
    </message>
    <message>
        <source>The media keys control this player:</source>
        <translation>As teclas de mídia controlam este reprodutor:</translation>
    </message>
    <message>
        <source>Play, pause, stop and track keys go to the chosen player when it is running.</source>
        <translation>As teclas de reproduzir, pausar, parar e faixa vão para o reprodutor escolhido quando ele está em execução.</translation>
    </message>
    <message>
        <source>Media key M%1. Click to choose what it does.</source>
        <translation>Tecla de mídia M%1. Clique para escolher o que ela faz.</translation>
    </message>
    <message>
        <source>The media player that the media keys control. Click to choose another.</source>
        <translation>O reprodutor de mídia que as teclas de mídia controlam. Clique para escolher outro.</translation>
    </message>
</context>
<context>
    <name>SkinProfile</name>
    <message>
        <source>PROFILE NAME</source>
        <translation>NOME DO PERFIL</translation>
    </message>
    <message>
        <source>GAME PROGRAM</source>
        <translation>PROGRAMA DO JOGO</translation>
    </message>
    <message>
        <source>Matched by file name only (like game.exe): when it comes to the front, this profile is used.</source>
        <translation>Só conta o nome do arquivo (como game.exe): com ele em primeiro plano este perfil é usado.</translation>
    </message>
    <message>
        <source>Name of the profile (20 characters).</source>
        <translation>Nome do perfil (20 caracteres).</translation>
    </message>
    <message>
        <source>The game: a program of this file name in front selects this profile.</source>
        <translation>O jogo: um programa com este nome de arquivo em primeiro plano seleciona este perfil.</translation>
    </message>
    <message>
        <source>BROWSE...</source>
        <translation>PROCURAR...</translation>
    </message>
    <message>
        <source>Choose the game program in a file dialog.</source>
        <translation>Escolher o programa do jogo em uma caixa de diálogo de arquivos.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keep the name and the game program.</source>
        <translation>Manter o nome e o programa do jogo.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Leave the profile as it was.</source>
        <translation>Deixar o perfil como estava.</translation>
    </message>
    <message>
        <source>Leave the profile as it was and close.</source>
        <translation>Deixar o perfil como estava e fechar.</translation>
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
        <translation>PRESSIONE A TECLA</translation>
    </message>
    <message>
        <source>WITH</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Every key is recorded; hold Ctrl, Shift, Alt or Win with it for a combination. Hold Enter 1 s: OK; hold Esc 1 s: cancel.</source>
        <translation>Toda tecla é gravada; segure Ctrl, Shift, Alt ou Win junto para uma combinação. Segure Enter 1 s: OK; segure Esc 1 s: cancelar.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Use this key combination.</source>
        <translation>Usar esta combinação de teclas.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>Manter a tecla como estava.</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>Manter a tecla como estava e fechar.</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>NENHUM</translation>
    </message>
    <message>
        <source>The key alone without a modifier.</source>
        <translation>A tecla sozinha sem modificador.</translation>
    </message>
    <message>
        <source>CTRL</source>
        <translation>CTRL</translation>
    </message>
    <message>
        <source>Hold Ctrl with the key.</source>
        <translation>Segurar Ctrl com a tecla.</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>SHIFT</translation>
    </message>
    <message>
        <source>Hold Shift with the key.</source>
        <translation>Segurar Shift com a tecla.</translation>
    </message>
    <message>
        <source>ALT</source>
        <translation>ALT</translation>
    </message>
    <message>
        <source>Hold Alt with the key.</source>
        <translation>Segurar Alt com a tecla.</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>WIN</translation>
    </message>
    <message>
        <source>Hold the Windows key with the key.</source>
        <translation>Segurar a tecla Windows com a tecla.</translation>
    </message>
    <message>
        <source>The key of the combination.</source>
        <translation>A tecla da combinação.</translation>
    </message>
    <message>
        <source>KEY COMBINATION</source>
        <translation>COMBINAÇÃO DE TECLAS</translation>
    </message>
</context>
<context>
    <name>SkinSwapKey</name>
    <message>
        <source>THIS KEY NOW SENDS</source>
        <translation>ESTA TECLA AGORA ENVIA</translation>
    </message>
    <message>
        <source>KEY: press the key it should send. MOUSE: choose a mouse function. Hold Enter 1 s: OK; hold Esc 1 s: cancel.</source>
        <translation>TECLA: pressione a tecla que ela deve enviar. MOUSE: escolha uma função do mouse. Segure Enter 1 s: OK; segure Esc 1 s: cancelar.</translation>
    </message>
    <message>
        <source>The key it will send.</source>
        <translation>A tecla que ela vai enviar.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Remap the key.</source>
        <translation>Remapear a tecla.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>Manter a tecla como estava.</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>Manter a tecla como estava e fechar.</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>PADRÃO</translation>
    </message>
    <message>
        <source>Give the key back its own function.</source>
        <translation>Devolver à tecla sua própria função.</translation>
    </message>
    <message>
        <source>Choose the mouse function.</source>
        <translation>Escolher a função do mouse.</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>TECLA</translation>
    </message>
    <message>
        <source>The key sends another key.</source>
        <translation>A tecla envia outra tecla.</translation>
    </message>
    <message>
        <source>MOUSE</source>
        <translation>MOUSE</translation>
    </message>
    <message>
        <source>The key acts as a mouse button.</source>
        <translation>A tecla age como um botão do mouse.</translation>
    </message>
    <message>
        <source>SWAP KEY</source>
        <translation>REMAPEAR TECLA</translation>
    </message>
</context>
<context>
    <name>SkinWarnings</name>
    <message>
        <source>DELETE MACRO</source>
        <translation>EXCLUIR MACRO</translation>
    </message>
    <message>
        <source>Delete the selected macro?</source>
        <translation>Excluir a macro selecionada?</translation>
    </message>
    <message>
        <source>It is removed from the macro library. Cancel in the macro manager brings it back.</source>
        <translation>Ela é removida da biblioteca de macros. Cancelar no gerenciador de macros a traz de volta.</translation>
    </message>
    <message>
        <source>Delete the macro.</source>
        <translation>Excluir a macro.</translation>
    </message>
    <message>
        <source>Keep the macro.</source>
        <translation>Manter a macro.</translation>
    </message>
    <message>
        <source>NO MACRO SELECTED</source>
        <translation>NENHUMA MACRO SELECIONADA</translation>
    </message>
    <message>
        <source>Select a macro first.</source>
        <translation>Selecione uma macro primeiro.</translation>
    </message>
    <message>
        <source>Choose a macro in the list or create one with NEW.</source>
        <translation>Escolha uma macro na lista ou crie uma com NOVA.</translation>
    </message>
    <message>
        <source>Close this message.</source>
        <translation>Fechar esta mensagem.</translation>
    </message>
    <message>
        <source>RESTORE DEFAULTS</source>
        <translation>RESTAURAR PADRÕES</translation>
    </message>
    <message>
        <source>Restore the factory settings?</source>
        <translation>Restaurar a configuração de fábrica?</translation>
    </message>
    <message>
        <source>All five profiles return to their defaults and are written to the keyboard at once.</source>
        <translation>Os cinco perfis voltam ao padrão e são gravados no teclado imediatamente.</translation>
    </message>
    <message>
        <source>Restore the factory settings.</source>
        <translation>Restaurar a configuração de fábrica.</translation>
    </message>
    <message>
        <source>Keep the current settings.</source>
        <translation>Manter as configurações atuais.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>%1, envia %2</translation>
    </message>
</context>
<context>
    <name>UserManual</name>
    <message>
        <source>User Manual</source>
        <translation>Manual do usuário</translation>
    </message>
    <message>
        <source>Profiles, keys, macros and lighting of the keyboard, set up from the Linux desktop</source>
        <translation>Perfis, teclas, macros e iluminação do teclado, configurados a partir do desktop Linux</translation>
    </message>
    <message>
        <source>The chapters that follow are in English.</source>
        <translation>Os capítulos a seguir estão em inglês.</translation>
    </message>
</context>
<context>
    <name>vantorctl</name>
    <message>
        <source>Another change is in progress (Option&apos;s window or another vantorctl command), so nothing was changed: two editors of one configuration would overwrite each other. Close Option or wait for the other command, then try again.</source>
        <translation>Outra alteração está em andamento (a janela do Option ou outro comando vantorctl), então nada foi alterado: dois editores da mesma configuração sobrescreveriam um ao outro. Feche o Option ou aguarde o outro comando e tente novamente.</translation>
    </message>
    <message>
        <source>Another program receives Option&apos;s messages, so nothing was changed. Close Option and try again.</source>
        <translation>Outro programa está recebendo as mensagens do Option, então nada foi alterado. Feche o Option e tente novamente.</translation>
    </message>
    <message>
        <source>Cannot receive Monitor&apos;s answer: %1</source>
        <translation>Não foi possível receber a resposta do Monitor: %1</translation>
    </message>
    <message>
        <source>The keyboard refused some changes. The settings files hold them, but the keyboard did not take them.</source>
        <translation>O teclado recusou algumas alterações. Os arquivos de configuração as contêm, mas o teclado não as aplicou.</translation>
    </message>
    <message>
        <source>The keyboard refused some changes: %1. The settings files hold them, but the keyboard did not take them.</source>
        <translation>O teclado recusou algumas alterações: %1. Os arquivos de configuração as contêm, mas o teclado não as aplicou.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation>Não foi possível ler “%1”.</translation>
    </message>
    <message>
        <source>Cannot read standard input: %1</source>
        <translation>Não foi possível ler a entrada padrão: %1</translation>
    </message>
    <message>
        <source>The document on standard input is larger than a profile document can be.</source>
        <translation>O documento na entrada padrão é maior do que um documento de perfil pode ser.</translation>
    </message>
    <message>
        <source>set needs a profile and at least one KEY=VALUE.</source>
        <translation>set precisa de um perfil e de pelo menos um KEY=VALUE.</translation>
    </message>
    <message>
        <source>assign needs a profile, a key and what the key does.</source>
        <translation>assign precisa de um perfil, uma tecla e o que a tecla faz.</translation>
    </message>
    <message>
        <source>default takes nothing after it.</source>
        <translation>default não aceita nada depois dele.</translation>
    </message>
    <message>
        <source>program takes one path (quote a path with blanks).</source>
        <translation>program aceita um caminho (coloque entre aspas um caminho com espaços).</translation>
    </message>
    <message>
        <source>No program &quot;%1&quot; was found in PATH; give its full path (or ./%1 for one in the current folder).</source>
        <translation>Nenhum programa “%1” foi encontrado no PATH; informe o caminho completo (ou ./%1 para um na pasta atual).</translation>
    </message>
    <message>
        <source>Cannot make a full path of &quot;%1&quot;.</source>
        <translation>Não foi possível formar um caminho completo a partir de “%1”.</translation>
    </message>
    <message>
        <source>The path &quot;%1&quot; is longer than the %2 bytes a key holds.</source>
        <translation>O caminho “%1” é maior que os %2 bytes que uma tecla comporta.</translation>
    </message>
    <message>
        <source>note: &quot;%1&quot; does not exist (yet); the key starts it once it does.</source>
        <translation>observação: “%1” não existe (ainda); a tecla o iniciará quando ele existir.</translation>
    </message>
    <message>
        <source>macro takes the name of a macro of the library (vantorctl macros).</source>
        <translation>macro aceita o nome de uma macro da biblioteca (vantorctl macros).</translation>
    </message>
    <message>
        <source>Unknown assignment &quot;%1&quot;: use macro NAME, keys COMBINATION, program PATH, media NAME, mouse NAME or default.</source>
        <translation>Atribuição desconhecida “%1”: use macro NAME, keys COMBINATION, program PATH, media NAME, mouse NAME ou default.</translation>
    </message>
    <message>
        <source>export needs a profile and a file.</source>
        <translation>export precisa de um perfil e de um arquivo.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>Não foi possível gravar “%1”: %2.</translation>
    </message>
    <message>
        <source> The file that was there is left as it was.</source>
        <translation> O arquivo que já existia foi mantido como estava.</translation>
    </message>
    <message>
        <source>import needs a profile and a file.</source>
        <translation>import precisa de um perfil e de um arquivo.</translation>
    </message>
    <message>
        <source>standard input is not a usable profile document: %1. Nothing was imported.</source>
        <translation>a entrada padrão não é um documento de perfil utilizável: %1. Nada foi importado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a usable profile document: %2. Nothing was imported.</source>
        <translation>“%1” não é um documento de perfil utilizável: %2. Nada foi importado.</translation>
    </message>
    <message>
        <source>--wait takes a number of seconds (more than 0, at most a day).</source>
        <translation>--wait aceita um número de segundos (mais que 0, no máximo um dia).</translation>
    </message>
    <message>
        <source>Usage: %1 %2 (see %1 --help)
</source>
        <translation>Uso: %1 %2 (veja %1 --help)
</translation>
    </message>
    <message>
        <source>Which profile (1-5)?</source>
        <translation>Qual perfil (1-5)?</translation>
    </message>
    <message>
        <source>keyboard, firmware, current profile, whether Monitor runs</source>
        <translation>teclado, firmware, perfil atual, se o Monitor está em execução</translation>
    </message>
    <message>
        <source>Shows whether Monitor runs and has the keyboard, the firmware version and the current profile. Exit status 0 when Monitor runs with the keyboard connected, 2 otherwise.</source>
        <translation>Mostra se o Monitor está em execução e tem o teclado, a versão do firmware e o perfil atual. Status de saída 0 quando o Monitor está em execução com o teclado conectado, 2 caso contrário.</translation>
    </message>
    <message>
        <source>show the current profile, or switch to profile N (1-5)</source>
        <translation>mostrar o perfil atual ou mudar para o perfil N (1-5)</translation>
    </message>
    <message>
        <source>Without N: prints the current profile&apos;s number and name. With N: makes profile N current on the keyboard.</source>
        <translation>Sem N: exibe o número e o nome do perfil atual. Com N: torna o perfil N o atual no teclado.</translation>
    </message>
    <message>
        <source>a profile&apos;s lighting, polling rate, switches, keys and remapped keys</source>
        <translation>iluminação, taxa de sondagem, opções liga/desliga, teclas e teclas remapeadas de um perfil</translation>
    </message>
    <message>
        <source>Shows a profile (the current one when none is given): lighting effect and colour, polling rate, Windows-key lock, power saving, what each programmable key G1-G15 does (as the window&apos;s captions say it) and the remapped standard keys. With --json: the whole profile as a JSON document.</source>
        <translation>Mostra um perfil (o atual quando nenhum é informado): efeito e cor da iluminação, taxa de sondagem, bloqueio da tecla Windows, economia de energia, o que cada tecla programável G1-G15 faz (como dizem as legendas da janela) e as teclas padrão remapeadas. Com --json: o perfil inteiro como documento JSON.</translation>
    </message>
    <message>
        <source>lighting, polling rate, Windows-key lock, power saving, name, game</source>
        <translation>iluminação, taxa de sondagem, bloqueio da tecla Windows, economia de energia, nome, jogo</translation>
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
        <translation>Altera configurações de um perfil e as aplica:
  effect=static|breathing|wave|reactive|ripple|lights-off  efeito de iluminação
  colour=red|green|blue|yellow|purple|cyan|colour-cycle|1-7 cor da iluminação
  polling=125|500|1000        taxa de sondagem em Hz
  winlock=on|off              bloqueio da tecla Windows
  powersaving=on|off          economia de energia
  name=TEXT                   nome do perfil (20 caracteres)
  game=PATH                   o jogo cuja janela seleciona este perfil</translation>
    </message>
    <message>
        <source>what a programmable key does</source>
        <translation>o que uma tecla programável faz</translation>
    </message>
    <message>
        <source>a profile into a .gkp profile file, or a JSON document</source>
        <translation>um perfil para um arquivo de perfil .gkp ou um documento JSON</translation>
    </message>
    <message>
        <source>Writes a profile into a profile file (.gkp, as the window&apos;s EXPORT does: its name is noted in config.ini and a copy kept in the settings folder), or with --json, a FILE ending in .json, or FILE &quot;-&quot; (standard output) as a JSON document.</source>
        <translation>Grava um perfil em um arquivo de perfil (.gkp, como faz o EXPORT da janela: o nome dele é anotado em config.ini e uma cópia é mantida na pasta de configurações) ou, com --json, um FILE terminado em .json ou FILE “-” (saída padrão), como documento JSON.</translation>
    </message>
    <message>
        <source>a profile from a .gkp profile file or a JSON document, and apply it</source>
        <translation>um perfil de um arquivo de perfil .gkp ou de um documento JSON, e aplicá-lo</translation>
    </message>
    <message>
        <source>Replaces a profile by a profile file (.gkp, as the window&apos;s IMPORT does) or with --json, a FILE ending in .json, or FILE &quot;-&quot; (standard input) by a JSON document, and applies the whole profile. A file that is not usable changes nothing.</source>
        <translation>Substitui um perfil por um arquivo de perfil (.gkp, como faz o IMPORT da janela) ou, com --json, um FILE terminado em .json ou FILE “-” (entrada padrão), por um documento JSON, e aplica o perfil inteiro. Um arquivo inutilizável não altera nada.</translation>
    </message>
    <message>
        <source>the macro library</source>
        <translation>a biblioteca de macros</translation>
    </message>
    <message>
        <source>Lists the macros of the library: name, steps, repeat.</source>
        <translation>Lista as macros da biblioteca: nome, passos, repetição.</translation>
    </message>
    <message>
        <source>the names assign accepts</source>
        <translation>os nomes que assign aceita</translation>
    </message>
    <message>
        <source>Lists the function names of assign ... media and assign ... mouse, and the key names of assign ... keys, one a line.</source>
        <translation>Lista os nomes de função de assign ... media e assign ... mouse, e os nomes de tecla de assign ... keys, um por linha.</translation>
    </message>
    <message>
        <source>%1 takes on or off, not %2.</source>
        <translation>%1 aceita on ou off, não %2.</translation>
    </message>
    <message>
        <source>Unknown lighting effect %1: use one of %2 (or 1, 2, 4, 8, 16, 32).</source>
        <translation>Efeito de iluminação desconhecido %1: use um de %2 (ou 1, 2, 4, 8, 16, 32).</translation>
    </message>
    <message>
        <source>Colour %1 is out of range: use 1-7 or one of %2.</source>
        <translation>A cor %1 está fora do intervalo: use 1-7 ou uma de %2.</translation>
    </message>
    <message>
        <source>Unknown colour %1: use one of %2 (or 1-7).</source>
        <translation>Cor desconhecida %1: use uma de %2 (ou 1-7).</translation>
    </message>
    <message>
        <source>Polling rate %1 is not one of 125, 500, 1000 (Hz).</source>
        <translation>A taxa de sondagem %1 não é 125, 500 nem 1000 (Hz).</translation>
    </message>
    <message>
        <source>Profile %1 does not exist: profiles are 1-5.</source>
        <translation>O perfil %1 não existe: os perfis são 1-5.</translation>
    </message>
    <message>
        <source>Unknown key %1: the programmable keys are G1-G15.</source>
        <translation>Tecla desconhecida %1: as teclas programáveis são G1-G15.</translation>
    </message>
    <message>
        <source>Expected KEY=VALUE, not %1.</source>
        <translation>Esperado KEY=VALUE, não %1.</translation>
    </message>
    <message>
        <source>The game program&apos;s path is longer than the %1 bytes a profile holds.</source>
        <translation>O caminho do programa do jogo é maior que os %1 bytes que um perfil comporta.</translation>
    </message>
    <message>
        <source>Unknown setting %1: use effect, colour, polling, winlock, powersaving, name or game.</source>
        <translation>Configuração desconhecida %1: use effect, colour, polling, winlock, powersaving, name ou game.</translation>
    </message>
    <message>
        <source>The mouse button %1 can only be a step of a macro, not a key&apos;s combination.</source>
        <translation>O botão do mouse %1 só pode ser um passo de uma macro, não a combinação de uma tecla.</translation>
    </message>
    <message>
        <source>Unknown media function %1: use one of %2.</source>
        <translation>Função de mídia desconhecida %1: use uma de %2.</translation>
    </message>
    <message>
        <source>Unknown mouse function %1: use one of %2.</source>
        <translation>Função de mouse desconhecida %1: use uma de %2.</translation>
    </message>
    <message>
        <source>status takes no arguments.</source>
        <translation>status não aceita argumentos.</translation>
    </message>
    <message>
        <source>profile takes at most one profile number.</source>
        <translation>profile aceita no máximo um número de perfil.</translation>
    </message>
    <message>
        <source>show takes at most one profile number.</source>
        <translation>show aceita no máximo um número de perfil.</translation>
    </message>
    <message>
        <source>macros takes no arguments.</source>
        <translation>macros não aceita argumentos.</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole: %2.</source>
        <translation>Não foi possível ler a biblioteca de macros %1 por inteiro: %2.</translation>
    </message>
    <message>
        <source>functions takes one of media, mouse, keys.</source>
        <translation>functions aceita um de media, mouse, keys.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Mostra esta ajuda.</translation>
    </message>
    <message>
        <source>JSON instead of text (the schema is in the manual page).</source>
        <translation>JSON em vez de texto (o esquema está na página de manual).</translation>
    </message>
    <message>
        <source>Waits at most SECONDS for Monitor to confirm that the keyboard took the change (default 40 minutes, longer than the slowest apply).</source>
        <translation>Aguarda no máximo SECONDS até que o Monitor confirme que o teclado aplicou a alteração (padrão 40 minutos, mais que a aplicação mais lenta).</translation>
    </message>
    <message>
        <source>Exit status: 0 done; 1 bad input (nothing changed); 2 Monitor not running, no keyboard or no answer (the settings files are saved); 3 Option is open or another change is in progress (changing commands refuse); 4 settings could not be saved (the message names the file; the keyboard may have taken the change); 5 the keyboard refused part of the change (the message names the settings; the files are saved).
</source>
        <translation>Status de saída: 0 concluído; 1 entrada inválida (nada foi alterado); 2 Monitor não está em execução, sem teclado ou sem resposta (os arquivos de configuração foram salvos); 3 Option está aberto ou outra alteração está em andamento (comandos que alteram recusam); 4 não foi possível salvar as configurações (a mensagem cita o arquivo; o teclado pode ter aplicado a alteração); 5 o teclado recusou parte da alteração (a mensagem cita as configurações; os arquivos foram salvos).
</translation>
    </message>
    <message>
        <source>Usage: vantorctl COMMAND [ARGUMENTS] [--help]

Reads and changes the Orvyn Vantor keyboard&apos;s configuration as the Option window does. Changes are applied
before the command returns.

Commands:
</source>
        <translation>Uso: vantorctl COMMAND [ARGUMENTS] [--help]

Lê e altera a configuração do teclado Orvyn Vantor como a janela do Option faz. As alterações são aplicadas
antes de o comando retornar.

Comandos:
</translation>
    </message>
    <message>
        <source>
Reading commands work while Option is open; changing commands (profile N, set, assign, import) refuse.
</source>
        <translation>
Comandos de leitura funcionam com o Option aberto; comandos que alteram (profile N, set, assign, import) recusam.
</translation>
    </message>
    <message>
        <source>See vantorctl COMMAND --help and man vantorctl.
</source>
        <translation>Veja vantorctl COMMAND --help e man vantorctl.
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opções]</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Comando desconhecido “%1”.</translation>
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
        <translation>Atribui uma função à tecla programável G1-G15 de um perfil e a aplica:
  macro NAME         uma macro da biblioteca (vantorctl macros)
  keys COMBINATION   uma combinação de teclas com os nomes das teclas em inglês: Ctrl+Alt+X, Shift+Page Down
  program PATH       inicia um programa (ou um arquivo .desktop)
  media NAME         uma função de mídia ou de aplicativo: Play/Pause, Volume Up, Calculator, ...
  mouse NAME         uma função do mouse: Left Button, Double Click, Key Disabled, ...
  default            a configuração de fábrica da tecla
Os nomes são comparados sem diferenciar maiúsculas de minúsculas; vantorctl functions os lista.</translation>
    </message>
    <message>
        <source>Unknown key %1 in %2: write it with the English key names, e.g. Ctrl+Alt+X or Shift+Page Down (vantorctl functions lists them).</source>
        <translation>Tecla desconhecida %1 em %2: escreva-a com os nomes das teclas em inglês, por exemplo Ctrl+Alt+X ou Shift+Page Down (vantorctl functions os lista).</translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation>campo desconhecido</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>ausente</translation>
    </message>
    <message>
        <source>expected a whole number</source>
        <translation>esperado um número inteiro</translation>
    </message>
    <message>
        <source>%1 is out of range (%2 to %3)</source>
        <translation>%1 está fora do intervalo (%2 a %3)</translation>
    </message>
    <message>
        <source>expected a text</source>
        <translation>esperado um texto</translation>
    </message>
    <message>
        <source>longer than the %1 bytes the profile holds</source>
        <translation>maior que os %1 bytes que o perfil comporta</translation>
    </message>
    <message>
        <source>contains a NUL character</source>
        <translation>contém um caractere NUL</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>esperado um objeto</translation>
    </message>
    <message>
        <source>expected a list</source>
        <translation>esperada uma lista</translation>
    </message>
    <message>
        <source>%1 steps; a key holds at most 50</source>
        <translation>%1 passos; uma tecla comporta no máximo 50</translation>
    </message>
    <message>
        <source>%1 keys; a profile has 15 (G1-G15)</source>
        <translation>%1 teclas; um perfil tem 15 (G1-G15)</translation>
    </message>
    <message>
        <source>expected one of G1-G15</source>
        <translation>esperado um de G1-G15</translation>
    </message>
    <message>
        <source>named twice</source>
        <translation>indicado duas vezes</translation>
    </message>
    <message>
        <source>missing (type 3 is a macro)</source>
        <translation>ausente (o tipo 3 é uma macro)</translation>
    </message>
    <message>
        <source>given, but only a macro key (type 3) has one</source>
        <translation>indicado, mas só uma tecla de macro (tipo 3) tem um</translation>
    </message>
    <message>
        <source>missing (type 11 starts a program)</source>
        <translation>ausente (o tipo 11 inicia um programa)</translation>
    </message>
    <message>
        <source>given, but only a program key (type 11) has one</source>
        <translation>indicado, mas só uma tecla de programa (tipo 11) tem um</translation>
    </message>
    <message>
        <source>position %1 is given twice</source>
        <translation>a posição %1 foi indicada duas vezes</translation>
    </message>
    <message>
        <source>not valid JSON at byte %1: %2</source>
        <translation>JSON inválido no byte %1: %2</translation>
    </message>
    <message>
        <source>expected a JSON object at the top</source>
        <translation>esperado um objeto JSON no nível superior</translation>
    </message>
    <message>
        <source>%1: given more than once</source>
        <translation>%1: indicado mais de uma vez</translation>
    </message>
    <message>
        <source>format: expected &quot;%1&quot; (not a profile document)</source>
        <translation>format: esperado “%1” (não é um documento de perfil)</translation>
    </message>
    <message>
        <source>this vantorctl reads version %1</source>
        <translation>este vantorctl lê a versão %1</translation>
    </message>
    <message>
        <source>%1 values; a profile has 6</source>
        <translation>%1 valores; um perfil tem 6</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nenhum)</translation>
    </message>
    <message>
        <source>Profile %1: %2  (current)</source>
        <translation>Perfil %1: %2  (atual)</translation>
    </message>
    <message>
        <source>Profile %1: %2</source>
        <translation>Perfil %1: %2</translation>
    </message>
    <message>
        <source>Game program:</source>
        <translation>Programa do jogo:</translation>
    </message>
    <message>
        <source>Lighting effect:</source>
        <translation>Efeito de iluminação:</translation>
    </message>
    <message>
        <source>Lighting colour:</source>
        <translation>Cor da iluminação:</translation>
    </message>
    <message>
        <source>Polling rate:</source>
        <translation>Taxa de sondagem:</translation>
    </message>
    <message>
        <source>Windows-key lock:</source>
        <translation>Bloqueio da tecla Windows:</translation>
    </message>
    <message>
        <source>Power saving:</source>
        <translation>Economia de energia:</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Teclas:</translation>
    </message>
    <message>
        <source>Remapped standard keys: none</source>
        <translation>Teclas padrão remapeadas: nenhuma</translation>
    </message>
    <message>
        <source>Remapped standard keys:</source>
        <translation>Teclas padrão remapeadas:</translation>
    </message>
    <message>
        <source>unknown (Monitor is not running)</source>
        <translation>desconhecido (o Monitor não está em execução)</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>conectado</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>não conectado</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>Monitor:</source>
        <translation>Monitor:</translation>
    </message>
    <message>
        <source>running</source>
        <translation>em execução</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>não está em execução</translation>
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
        <translation>aberto</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>não aberto</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A refused setting&apos;s reason (already translated) as a sentence.</extracomment>
        <translation>%1.</translation>
    </message>
</context>
</TS>
