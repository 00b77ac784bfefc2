<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Writing to the keyboard</source>
        <translation>Запись в клавиатуру</translation>
    </message>
    <message>
        <source>Could not map view of file.</source>
        <translation>Не удалось отобразить файл в память.</translation>
    </message>
    <message>
        <source>No program could show the user manual %1. Install a PDF viewer.</source>
        <translation>Ни одна программа не смогла показать руководство пользователя %1. Установите программу просмотра PDF.</translation>
    </message>
    <message>
        <source>The user manual is missing. It was looked for at %1.</source>
        <translation>Руководство пользователя не найдено. Место поиска: %1.</translation>
    </message>
</context>
<context>
    <name>ConnectionLine</name>
    <message>
        <source>Start Monitor</source>
        <translation>Запустить Monitor</translation>
    </message>
    <message>
        <source>Monitor is already running.</source>
        <translation>Monitor уже запущен.</translation>
    </message>
    <message>
        <source>Monitor could not be started: %1</source>
        <translation>Не удалось запустить Monitor: %1</translation>
    </message>
</context>
<context>
    <name>ConnectionStatus</name>
    <message>
        <source>Keyboard connected</source>
        <translation>Клавиатура подключена</translation>
    </message>
    <message>
        <source>No keyboard connected</source>
        <translation>Клавиатура не подключена</translation>
    </message>
    <message>
        <source>Starting Monitor...</source>
        <translation>Запуск Monitor...</translation>
    </message>
    <message>
        <source>Monitor is not running</source>
        <translation>Monitor не запущен</translation>
    </message>
    <message>
        <source>Saved to the keyboard</source>
        <translation>Сохранено в клавиатуре</translation>
    </message>
    <message>
        <source>Saved; the keyboard is not connected</source>
        <translation>Сохранено; клавиатура не подключена</translation>
    </message>
</context>
<context>
    <name>DeviceAccessNotice</name>
    <message>
        <source>The keyboard is connected but cannot be opened</source>
        <translation>Клавиатура подключена, но её не удаётся открыть</translation>
    </message>
    <message>
        <source>The keyboard is connected, but this user may not use it</source>
        <translation>Клавиатура подключена, но этому пользователю нельзя её использовать</translation>
    </message>
    <message>
        <source>The udev rule %1 is installed: unplug and plug the keyboard, or run: sudo udevadm trigger. If the keyboard has other ids than [Device] in config.ini, set them in the rule as well.</source>
        <translation>Правило udev %1 установлено: отключите и снова подключите клавиатуру или выполните: sudo udevadm trigger. Если у клавиатуры другие идентификаторы, чем в [Device] в config.ini, укажите их и в правиле.</translation>
    </message>
    <message>
        <source>Install the udev rule: %1</source>
        <translation>Установите правило udev: %1</translation>
    </message>
</context>
<context>
    <name>DocumentOpener</name>
    <message>
        <source>No program could open %1.</source>
        <translation>Ни одна программа не смогла открыть %1.</translation>
    </message>
    <message>
        <source>No program to show PDF files is installed.</source>
        <translation>Не установлена программа для просмотра файлов PDF.</translation>
    </message>
    <message>
        <source>The PDF viewer could not show it.</source>
        <translation>Программа просмотра PDF не смогла его показать.</translation>
    </message>
    <message>
        <source>The user manual could not be opened. %1

It is at:
%2</source>
        <translation>Не удалось открыть руководство пользователя. %1

Оно находится здесь:
%2</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
</context>
<context>
    <name>ForegroundChoice</name>
    <message>
        <source>per-game profiles on GNOME need the extension that tells which window is in front: run &quot;gnome-extensions enable %1&quot; and start Monitor again; until then only games running through XWayland switch the profile</source>
        <translation>для профилей игр в GNOME нужно расширение, сообщающее, какое окно на переднем плане: выполните «gnome-extensions enable %1» и снова запустите Monitor; до тех пор профиль переключают только игры, работающие через XWayland</translation>
    </message>
    <message>
        <source>per-game profiles on GNOME need the extension that tells which window is in front: run &quot;gnome-extensions enable %1&quot; and start Monitor again</source>
        <translation>для профилей игр в GNOME нужно расширение, сообщающее, какое окно на переднем плане: выполните «gnome-extensions enable %1» и снова запустите Monitor</translation>
    </message>
</context>
<context>
    <name>KeyCaptureDialog</name>
    <message>
        <source>Every key you press is recorded. Hold Enter for one second for OK, hold Esc for one second to leave without a change.</source>
        <translation>Каждая нажатая клавиша записывается. Удерживайте Enter одну секунду, чтобы подтвердить (OK), или Esc одну секунду, чтобы выйти без изменений.</translation>
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
        <translation>Пробел</translation>
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
        <translation>Влево</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Вправо</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Выполнить</translation>
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
        <translation>Справка</translation>
    </message>
    <message>
        <source>Left Windows</source>
        <translation>Левый Windows</translation>
    </message>
    <message>
        <source>Right Windows</source>
        <translation>Правый Windows</translation>
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
        <translation>Левый Shift</translation>
    </message>
    <message>
        <source>Right Shift</source>
        <translation>Правый Shift</translation>
    </message>
    <message>
        <source>Left Ctrl</source>
        <translation>Левый Ctrl</translation>
    </message>
    <message>
        <source>Right Ctrl</source>
        <translation>Правый Ctrl</translation>
    </message>
    <message>
        <source>Left Alt</source>
        <translation>Левый Alt</translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation>Правый Alt</translation>
    </message>
    <message>
        <source>L Button</source>
        <translation>Левая кнопка</translation>
    </message>
    <message>
        <source>R Button</source>
        <translation>Правая кнопка</translation>
    </message>
    <message>
        <source>M Button</source>
        <translation>Средняя кнопка</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>Кнопка 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>Кнопка 5</translation>
    </message>
</context>
<context>
    <name>LaunchProgramDialog</name>
    <message>
        <source>exe file(*.exe)</source>
        <translation>Файл EXE (*.exe)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>No program &quot;%1&quot; was found in PATH. Choose it with the browse button or type its full path.</source>
        <translation>Программа «%1» не найдена в PATH. Выберите её кнопкой обзора или введите полный путь.</translation>
    </message>
    <message>
        <source>The program path is too long: a key holds at most %1 bytes.</source>
        <translation>Путь к программе слишком длинный: клавиша вмещает не более %1 байт.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>no program given</source>
        <translation>программа не указана</translation>
    </message>
    <message>
        <source>not found: %1</source>
        <translation>не найдено: %1</translation>
    </message>
    <message>
        <source>cannot open %1: xdg-open is not installed</source>
        <translation>не удаётся открыть %1: xdg-open не установлен</translation>
    </message>
    <message>
        <source>%1 is not a file that can be opened</source>
        <translation>%1 не является файлом, который можно открыть</translation>
    </message>
    <message>
        <source>cannot launch %1</source>
        <translation>не удаётся запустить: %1</translation>
    </message>
    <message>
        <source>%1 is not a desktop entry</source>
        <translation>%1 не является файлом .desktop</translation>
    </message>
    <message>
        <source>%1 is marked as deleted (Hidden)</source>
        <translation>%1 помечен как удалённый (Hidden)</translation>
    </message>
    <message>
        <source>%1 links nowhere</source>
        <translation>%1 никуда не ссылается</translation>
    </message>
    <message>
        <source>%1 does not start a program</source>
        <translation>%1 не запускает программу</translation>
    </message>
    <message>
        <source>%1: %2 is not installed</source>
        <translation>%1: %2 не установлен</translation>
    </message>
    <message>
        <source>%1 has no usable command (Exec)</source>
        <translation>в %1 нет пригодной команды (Exec)</translation>
    </message>
    <message>
        <source>%1 runs in a terminal, and no terminal emulator is installed</source>
        <translation>%1 запускается в терминале, а эмулятор терминала не установлен</translation>
    </message>
</context>
<context>
    <name>MacroManagerDialog</name>
    <message>
        <source>Macros</source>
        <translation>Макросы</translation>
    </message>
    <message>
        <source>Macro events</source>
        <translation>Шаги макроса</translation>
    </message>
</context>
<context>
    <name>MediaFunction</name>
    <message>
        <source>Screensave</source>
        <translation>Заставка</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>Проводник</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
</context>
<context>
    <name>Monitor</name>
    <message>
        <source>Keyboard settings not saved</source>
        <translation>Настройки клавиатуры не сохранены</translation>
    </message>
    <message>
        <source>%1
Monitor writes them again with its next save; free some space or fix the folder&apos;s permissions.</source>
        <translation>%1
Monitor запишет их снова при следующем сохранении; освободите место на диске или исправьте права доступа к папке.</translation>
    </message>
    <message>
        <source>Program key %1</source>
        <translation>Программируемая клавиша %1</translation>
    </message>
</context>
<context>
    <name>MonitorHost</name>
    <message>
        <source>Per-game profiles</source>
        <translation>Профили игр</translation>
    </message>
</context>
<context>
    <name>Option</name>
    <message>
        <source>Option cannot draw its windows, because a file of its skin is wrong:

%1

Restore the skins folder beside the program (or mend the file) and start Option again.</source>
        <translation>Option не может отрисовать свои окна, так как файл его оформления повреждён:

%1

Восстановите папку skins рядом с программой (или исправьте файл) и запустите Option снова.</translation>
    </message>
</context>
<context>
    <name>OsdProgram</name>
    <message>
        <source>Windows Key: Lock</source>
        <translation>Клавиша Windows: заблокирована</translation>
    </message>
    <message>
        <source>Windows Key: UnLock</source>
        <translation>Клавиша Windows: разблокирована</translation>
    </message>
</context>
<context>
    <name>ProfileCheck</name>
    <message>
        <source>%1: %2 has no terminating NUL within its %3 bytes</source>
        <translation>%1: в %2 нет завершающего NUL в пределах %3 байт</translation>
    </message>
    <message>
        <source>%1: %2 is not a repeat count (0-255)</source>
        <translation>%1: %2 — недопустимое число повторов (0-255)</translation>
    </message>
    <message>
        <source>%1: %2 is more than the 50 steps a key holds</source>
        <translation>%1: %2 — больше 50 шагов, которые вмещает клавиша</translation>
    </message>
    <message>
        <source>%1: %2 is not a key or mouse-button code</source>
        <translation>%1: %2 — не код клавиши или кнопки мыши</translation>
    </message>
    <message>
        <source>%1: %2 is neither 1 (press) nor 2 (release)</source>
        <translation>%1: %2 — ни 1 (нажатие), ни 2 (отпускание)</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of this assignment type</source>
        <translation>%1: %2 — не 0, единственное значение flags для этого типа назначения</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of this assignment type</source>
        <translation>%1: %2 — не 0, единственное значение code для этого типа назначения</translation>
    </message>
    <message>
        <source>%1: %2 is not a set of modifiers (1 Ctrl, 2 Shift, 4 Alt, 8 Win)</source>
        <translation>%1: %2 — не набор клавиш-модификаторов (1 Ctrl, 2 Shift, 4 Alt, 8 Win)</translation>
    </message>
    <message>
        <source>%1: %2 is not a key code</source>
        <translation>%1: %2 — не код клавиши</translation>
    </message>
    <message>
        <source>%1: %2 is not a keyboard function (1, 4-7)</source>
        <translation>%1: %2 — не функция клавиатуры (1, 4-7)</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a keyboard function</source>
        <translation>%1: %2 — не 0, единственное значение code для функции клавиатуры</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of a media function</source>
        <translation>%1: %2 — не 0, единственное значение flags для мультимедийной функции</translation>
    </message>
    <message>
        <source>%1: %2 is not a media or application function (176-199)</source>
        <translation>%1: %2 — не мультимедийная функция и не функция приложения (176-199)</translation>
    </message>
    <message>
        <source>%1: %2 is not a mouse button (1-5)</source>
        <translation>%1: %2 — не кнопка мыши (1-5)</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a mouse-button function</source>
        <translation>%1: %2 — не 0, единственное значение code для функции кнопки мыши</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of a single key</source>
        <translation>%1: %2 — не 0, единственное значение flags для одиночной клавиши</translation>
    </message>
    <message>
        <source>%1: %2 is not %3, the key&apos;s number</source>
        <translation>%1: %2 — не %3, номер клавиши</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a program key</source>
        <translation>%1: %2 — не 0, единственное значение code для программируемой клавиши</translation>
    </message>
    <message>
        <source>%1: %2 is not an assignment type</source>
        <translation>%1: %2 — не тип назначения</translation>
    </message>
    <message>
        <source>%1: %2 contains a control character</source>
        <translation>%1: %2 содержит управляющий символ</translation>
    </message>
    <message>
        <source>%1: %2 contains a bidirectional override</source>
        <translation>%1: %2 содержит символ переопределения направления текста</translation>
    </message>
    <message>
        <source>%1: %2 is not a media player (0-3)</source>
        <translation>%1: %2 — не медиаплеер (0-3)</translation>
    </message>
    <message>
        <source>%1: %2 is neither 0 nor 1</source>
        <translation>%1: %2 — ни 0, ни 1</translation>
    </message>
    <message>
        <source>%1: %2 is not a byte (0-255)</source>
        <translation>%1: %2 — не байт (0-255)</translation>
    </message>
    <message>
        <source>%1: %2 is not a lighting colour (0-7)</source>
        <translation>%1: %2 — не цвет подсветки (0-7)</translation>
    </message>
    <message>
        <source>%1: %2 is not a lighting control value (1, 2, 4, 8, 16, 32)</source>
        <translation>%1: %2 — не значение управления подсветкой (1, 2, 4, 8, 16, 32)</translation>
    </message>
    <message>
        <source>%1: %2 is not a polling rate (1, 2, 4)</source>
        <translation>%1: %2 — не частота опроса (1, 2, 4)</translation>
    </message>
    <message>
        <source>%1; replaced by its factory value</source>
        <translation>%1; заменено заводским значением</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Game program</source>
        <translation>Программа игры</translation>
    </message>
    <message>
        <source>exe file(*.exe)</source>
        <translation>Файл EXE (*.exe)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>ProfileFiles</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Файл %1 не существует.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 не является файлом.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it is larger than %2 MB (a profile file has about 33 KB).</source>
        <translation>%1 не является файлом профиля: он больше %2 МБ (файл профиля занимает около 33 КБ).</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Не удаётся прочитать файл: %1.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it is empty.</source>
        <translation>%1 не является файлом профиля: он пуст.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it has no [Setting] section.</source>
        <translation>%1 не является файлом профиля: в нём нет раздела [Setting].</translation>
    </message>
    <message>
        <source>%1 is a damaged profile file: its block %2 does not check out.</source>
        <translation>%1 — повреждённый файл профиля: его блок %2 не проходит проверку.</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it holds none of the key blocks of a profile.</source>
        <translation>%1 не является файлом профиля: в нём нет ни одного блока клавиш профиля.</translation>
    </message>
    <message>
        <source>%1 is refused: it holds %2 more than once.</source>
        <translation>%1 отклонён: %2 встречается в нём больше одного раза.</translation>
    </message>
    <message>
        <source>%1: missing (a profile file holds every setting)</source>
        <translation>%1: отсутствует (файл профиля содержит все настройки)</translation>
    </message>
    <message>
        <source>%1 is refused: %2.</source>
        <translation>%1 отклонён: %2.</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Ничего не импортировано.</translation>
    </message>
    <message>
        <source>The profile file could not be copied into the settings folder %1. Check that you may write there and that the disk is not full. Nothing was imported.</source>
        <translation>Не удалось скопировать файл профиля в папку настроек %1. Проверьте, что у вас есть права на запись и диск не заполнен. Ничего не импортировано.</translation>
    </message>
    <message>
        <source>The profile could not be written to %1 (%2). The file that was there is left as it was.</source>
        <translation>Не удалось записать профиль в %1 (%2). Прежний файл оставлен без изменений.</translation>
    </message>
    <message>
        <source>The profile could not be written to %1 (%2).</source>
        <translation>Не удалось записать профиль в %1 (%2).</translation>
    </message>
    <message>
        <source>The profile was exported to %1, but its copy %2 and its name in config.ini could not all be written.</source>
        <translation>Профиль экспортирован в %1, но его копию %2 и его имя в config.ini не удалось записать полностью.</translation>
    </message>
</context>
<context>
    <name>ProfileTransfer</name>
    <message>
        <source>Import a profile</source>
        <translation>Импорт профиля</translation>
    </message>
    <message>
        <source>Export the profile</source>
        <translation>Экспорт профиля</translation>
    </message>
    <message>
        <source>Gaming Keyboard Profile(*.gkp)</source>
        <translation>Профиль игровой клавиатуры (*.gkp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>Параметры:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Аргументы:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Every key you press is recorded. Hold Esc for one second to leave without a change.</source>
        <translation>Каждая нажатая клавиша записывается. Удерживайте Esc одну секунду, чтобы выйти без изменений.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Вс&amp;тавить</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Выделить в&amp;сё</translation>
    </message>
</context>
<context>
    <name>SessionNotices</name>
    <message>
        <source>current profile</source>
        <translation>текущий профиль</translation>
    </message>
    <message>
        <source>key assignments of the standard keys</source>
        <translation>назначения стандартных клавиш</translation>
    </message>
    <message>
        <source>Windows-key lock and other switches</source>
        <translation>блокировка клавиши Windows и другие переключатели</translation>
    </message>
    <message>
        <source>programmable-key assignments</source>
        <translation>назначения программируемых клавиш</translation>
    </message>
    <message>
        <source>macros</source>
        <translation>макросы</translation>
    </message>
    <message>
        <source>lighting</source>
        <translation>подсветка</translation>
    </message>
    <message>
        <source>polling rate</source>
        <translation>частота опроса</translation>
    </message>
    <message>
        <source>other settings</source>
        <translation>другие настройки</translation>
    </message>
    <message>
        <source>The settings were saved, but they could not be sent to the keyboard because the Monitor program is not running. Start Monitor and apply again to change the keyboard.</source>
        <translation>Настройки сохранены, но их не удалось передать клавиатуре, так как программа Monitor не запущена. Запустите Monitor и примените настройки снова, чтобы изменить настройки клавиатуры.</translation>
    </message>
    <message>
        <source>The settings were not saved, and they could not be sent to the keyboard because the Monitor program is not running. Start Monitor and apply again to change the keyboard.</source>
        <translation>Настройки не сохранены, и их не удалось передать клавиатуре, так как программа Monitor не запущена. Запустите Monitor и примените настройки снова, чтобы изменить настройки клавиатуры.</translation>
    </message>
    <message>
        <source>The settings were saved, but no keyboard is connected, so the keyboard did not receive them. Connect it and apply again.</source>
        <translation>Настройки сохранены, но клавиатура не подключена, поэтому она их не получила. Подключите её и примените настройки снова.</translation>
    </message>
    <message>
        <source>The settings were not saved, and no keyboard is connected, so the keyboard did not receive them. Connect it and apply again.</source>
        <translation>Настройки не сохранены, а клавиатура не подключена, поэтому она их не получила. Подключите её и примените настройки снова.</translation>
    </message>
    <message>
        <source>The settings were saved, but Monitor did not confirm that the keyboard received them. Make sure Monitor is running and apply again.</source>
        <translation>Настройки сохранены, но Monitor не подтвердил, что клавиатура их получила. Убедитесь, что Monitor запущен, и примените настройки снова.</translation>
    </message>
    <message>
        <source>The settings were not saved, and Monitor did not confirm that the keyboard received them. Make sure Monitor is running and apply again.</source>
        <translation>Настройки не сохранены, и Monitor не подтвердил, что клавиатура их получила. Убедитесь, что Monitor запущен, и примените настройки снова.</translation>
    </message>
    <message>
        <source>The keyboard refused some changes. They stay marked; Apply sends them again.</source>
        <translation>Клавиатура отклонила некоторые изменения. Они остаются отмеченными; «Применить» отправит их снова.</translation>
    </message>
    <message>
        <source>The keyboard refused some changes: %1. They stay marked; Apply sends them again.</source>
        <translation>Клавиатура отклонила некоторые изменения: %1. Они остаются отмеченными; «Применить» отправит их снова.</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole. It is left as it is: the macros that could be read are shown, and macros recorded or changed now are not saved to it until it is mended or removed.</source>
        <translation>Библиотеку макросов %1 не удалось прочитать целиком. Она оставлена как есть: показаны макросы, которые удалось прочитать, а записанные или изменённые сейчас макросы не будут в неё сохранены, пока её не исправят или не удалят.</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole: %2. It is left as it is: the macros that could be read are shown, and macros recorded or changed now are not saved to it until it is mended or removed.</source>
        <translation>Библиотеку макросов %1 не удалось прочитать целиком: %2. Она оставлена как есть: показаны макросы, которые удалось прочитать, а записанные или изменённые сейчас макросы не будут в неё сохранены, пока её не исправят или не удалят.</translation>
    </message>
    <message>
        <source>The settings could not be saved:
%1
They stay marked as changed: once the problem is solved, apply again to save them.</source>
        <translation>Не удалось сохранить настройки:
%1
Они остаются отмеченными как изменённые: когда проблема будет устранена, примените их снова, чтобы сохранить.</translation>
    </message>
</context>
<context>
    <name>ShortcutDialog</name>
    <message>
        <source>Press the key with Ctrl, Shift, Alt or Win held to record the combination. </source>
        <translation>Нажмите клавишу, удерживая Ctrl, Shift, Alt или Win, чтобы записать сочетание. </translation>
    </message>
</context>
<context>
    <name>SkinAdvanced</name>
    <message>
        <source>ADVANCED</source>
        <translation>ДОПОЛНИТЕЛЬНО</translation>
    </message>
    <message>
        <source>Settings of the current profile. They reach the keyboard when you press APPLY or OK.</source>
        <translation>Настройки текущего профиля. Они передаются клавиатуре по нажатию ПРИМЕНИТЬ или OK.</translation>
    </message>
    <message>
        <source>POLLING RATE</source>
        <translation>ЧАСТОТА ОПРОСА</translation>
    </message>
    <message>
        <source>How often the keyboard reports to the computer.</source>
        <translation>Как часто клавиатура отчитывается компьютеру.</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>ПОДСВЕТКА</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>ЭФФЕКТ</translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation>ЦВЕТ</translation>
    </message>
    <message>
        <source>WINDOWS KEY</source>
        <translation>КЛАВИША WINDOWS</translation>
    </message>
    <message>
        <source>Lock it so that it cannot throw you out of a game.</source>
        <translation>Заблокируйте её: тогда она не выбросит вас из игры.</translation>
    </message>
    <message>
        <source>POWER SAVING</source>
        <translation>ЭНЕРГОСБЕРЕЖЕНИЕ</translation>
    </message>
    <message>
        <source>Lets the keyboard save power when it is idle.</source>
        <translation>Позволяет клавиатуре экономить энергию в простое.</translation>
    </message>
    <message>
        <source>125 Hz</source>
        <translation>125 Гц</translation>
    </message>
    <message>
        <source>Report 125 times a second (8 ms).</source>
        <translation>Отчёт 125 раз в секунду (8 мс).</translation>
    </message>
    <message>
        <source>500 Hz</source>
        <translation>500 Гц</translation>
    </message>
    <message>
        <source>Report 500 times a second (2 ms).</source>
        <translation>Отчёт 500 раз в секунду (2 мс).</translation>
    </message>
    <message>
        <source>1000 Hz</source>
        <translation>1000 Гц</translation>
    </message>
    <message>
        <source>Report 1000 times a second (1 ms): the quickest response.</source>
        <translation>Отчёт 1000 раз в секунду (1 мс): самый быстрый отклик.</translation>
    </message>
    <message>
        <source>Lighting effect of the keyboard. Click to choose another.</source>
        <translation>Эффект подсветки клавиатуры. Щёлкните для выбора другого.</translation>
    </message>
    <message>
        <source>Lighting colour of the keyboard. Click to choose another.</source>
        <translation>Цвет подсветки клавиатуры. Щёлкните для выбора другого.</translation>
    </message>
    <message>
        <source>ENABLED</source>
        <translation>ВКЛЮЧЕНА</translation>
    </message>
    <message>
        <source>The Windows keys work as usual.</source>
        <translation>Клавиши Windows работают как обычно.</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>ЗАБЛОКИРОВАНА</translation>
    </message>
    <message>
        <source>The Windows keys are locked while you play.</source>
        <translation>Клавиши Windows заблокированы во время игры.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ВЫКЛЮЧЕНО</translation>
    </message>
    <message>
        <source>Power saving is off.</source>
        <translation>Энергосбережение выключено.</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ВКЛЮЧЕНО</translation>
    </message>
    <message>
        <source>The keyboard saves power when it is idle.</source>
        <translation>Клавиатура экономит энергию в простое.</translation>
    </message>
</context>
<context>
    <name>SkinKeyMapping</name>
    <message>
        <source>KEY MAPPING</source>
        <translation>НАЗНАЧЕНИЕ КЛАВИШ</translation>
    </message>
    <message>
        <source>Click a key to make it send another key or a mouse function. Remapped keys stay lit.</source>
        <translation>Щёлкните клавишу: она будет посылать другую клавишу или функцию мыши. Переназначенные клавиши подсвечены.</translation>
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
        <translation>Переназначена</translation>
    </message>
    <message>
        <source>Default key</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>%1 key. Click to make it send another key or a mouse function.</source>
        <translation>Клавиша %1. Щёлкните: она будет посылать другую клавишу или функцию мыши.</translation>
    </message>
</context>
<context>
    <name>SkinLaunchProgram</name>
    <message>
        <source>PROGRAM TO START WHEN THE KEY IS PRESSED</source>
        <translation>ПРОГРАММА ДЛЯ ЗАПУСКА КЛАВИШЕЙ</translation>
    </message>
    <message>
        <source>Path of the program.</source>
        <translation>Путь к программе.</translation>
    </message>
    <message>
        <source>BROWSE...</source>
        <translation>ОБЗОР...</translation>
    </message>
    <message>
        <source>Choose the program in a file dialog.</source>
        <translation>Выберите программу в диалоге выбора файла.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Use this program.</source>
        <translation>Использовать эту программу.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ОТМЕНА</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>Оставить клавишу без изменений.</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>Оставить клавишу без изменений и закрыть.</translation>
    </message>
    <message>
        <source>LAUNCH PROGRAM</source>
        <translation>ЗАПУСК ПРОГРАММЫ</translation>
    </message>
</context>
<context>
    <name>SkinMacroKeys</name>
    <message>
        <source>MACRO KEYS</source>
        <translation>МАКРОКЛАВИШИ</translation>
    </message>
    <message>
        <source>Click a key to give it a macro, a key combination, a program, a media function or a mouse button.</source>
        <translation>Щёлкните клавишу и назначьте ей макрос/сочетание клавиш/программу/мультимедийную функцию или кнопку мыши.</translation>
    </message>
    <message>
        <source>G9 to G14 are the media keys: the Media Keys page shows the same six keys.</source>
        <translation>G9–G14 — мультимедийные клавиши: страница «Мультимедиа» показывает те же шесть клавиш.</translation>
    </message>
    <message>
        <source>Programmable key G%1. Click to choose what it does.</source>
        <translation>Программируемая клавиша G%1. Щёлкните для выбора её действия.</translation>
    </message>
</context>
<context>
    <name>SkinMacroManager</name>
    <message>
        <source>MACROS</source>
        <translation>МАКРОСЫ</translation>
    </message>
    <message>
        <source>EVENTS</source>
        <translation>СОБЫТИЯ</translation>
    </message>
    <message>
        <source>TIMES</source>
        <translation>РАЗ</translation>
    </message>
    <message>
        <source>Right-click the event list to record before or after a step, insert delays and mouse buttons, edit or delete.</source>
        <translation>Щёлкните правой кнопкой по списку событий: запись до или после шага; вставка задержек и кнопок мыши; правка и удаление.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keep the changes to the macro library.</source>
        <translation>Сохранить изменения в библиотеке макросов.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ОТМЕНА</translation>
    </message>
    <message>
        <source>Discard the changes to the macro library.</source>
        <translation>Отменить изменения в библиотеке макросов.</translation>
    </message>
    <message>
        <source>Discard the changes and close.</source>
        <translation>Отменить изменения и закрыть.</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>НОВЫЙ</translation>
    </message>
    <message>
        <source>Create a new macro and name it.</source>
        <translation>Создать новый макрос и дать ему имя.</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>УДАЛИТЬ</translation>
    </message>
    <message>
        <source>Delete the selected macro.</source>
        <translation>Удалить выбранный макрос.</translation>
    </message>
    <message>
        <source>Macros of the library.</source>
        <translation>Макросы библиотеки.</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>ЗАПИСЬ</translation>
    </message>
    <message>
        <source>Record the keys you press into the selected macro. Click again to stop.</source>
        <translation>Записать нажимаемые клавиши в выбранный макрос. Повторный щелчок останавливает запись.</translation>
    </message>
    <message>
        <source>RECORD DELAYS</source>
        <translation>ЗАПИСЫВАТЬ ЗАДЕРЖКИ</translation>
    </message>
    <message>
        <source>Record the pauses between the keys as delays.</source>
        <translation>Записывать паузы между клавишами как задержки.</translation>
    </message>
    <message>
        <source>REPEAT</source>
        <translation>ПОВТОР</translation>
    </message>
    <message>
        <source>Play the macro more than once each time the key is pressed.</source>
        <translation>Воспроизводить макрос несколько раз при каждом нажатии клавиши.</translation>
    </message>
    <message>
        <source>How many times the macro plays (1-255).</source>
        <translation>Сколько раз воспроизводится макрос (1-255).</translation>
    </message>
    <message>
        <source>Steps of the selected macro. Right-click for more.</source>
        <translation>Шаги выбранного макроса. Правый щелчок: другие действия.</translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation>МЕНЕДЖЕР МАКРОСОВ</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>СТОП</translation>
    </message>
</context>
<context>
    <name>SkinMain</name>
    <message>
        <source>GAMING KEYBOARD CONTROL CENTER</source>
        <translation>ЦЕНТР УПРАВЛЕНИЯ ИГРОВОЙ КЛАВИАТУРОЙ</translation>
    </message>
    <message>
        <source>PROFILES</source>
        <translation>ПРОФИЛИ</translation>
    </message>
    <message>
        <source>KEY MAPPING</source>
        <translation>НАЗНАЧЕНИЕ КЛАВИШ</translation>
    </message>
    <message>
        <source>Remap the standard keys of the keyboard.</source>
        <translation>Переназначить стандартные клавиши клавиатуры.</translation>
    </message>
    <message>
        <source>MACRO KEYS</source>
        <translation>МАКРОКЛАВИШИ</translation>
    </message>
    <message>
        <source>Give the programmable keys macros and functions.</source>
        <translation>Назначить программируемым клавишам макросы и функции.</translation>
    </message>
    <message>
        <source>MEDIA KEYS</source>
        <translation>МУЛЬТИМЕДИА</translation>
    </message>
    <message>
        <source>Give the media keys their functions and choose the media player they control.</source>
        <translation>Назначить мультимедийным клавишам функции и выбрать управляемый ими медиаплеер.</translation>
    </message>
    <message>
        <source>ADVANCED</source>
        <translation>ДОПОЛНИТЕЛЬНО</translation>
    </message>
    <message>
        <source>Polling rate; lighting; Windows key lock and power saving.</source>
        <translation>Частота опроса; подсветка; блокировка клавиши Windows и энергосбережение.</translation>
    </message>
    <message>
        <source>Orvyn Vantor gaming keyboard.</source>
        <translation>Игровая клавиатура Orvyn Vantor.</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>НОВЫЙ</translation>
    </message>
    <message>
        <source>Start the current profile afresh with a new name and game program.</source>
        <translation>Начать текущий профиль заново с новым именем и программой игры.</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>ИМПОРТ</translation>
    </message>
    <message>
        <source>Load a profile file into the current profile.</source>
        <translation>Загрузить файл профиля в текущий профиль.</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>ЭКСПОРТ</translation>
    </message>
    <message>
        <source>Save the current profile to a profile file.</source>
        <translation>Сохранить текущий профиль в файл профиля.</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>ИЗМЕНИТЬ</translation>
    </message>
    <message>
        <source>Change the name and the game program of the current profile.</source>
        <translation>Изменить имя и программу игры текущего профиля.</translation>
    </message>
    <message>
        <source>PROFILE 1</source>
        <translation>ПРОФИЛЬ 1</translation>
    </message>
    <message>
        <source>Show and edit profile 1.</source>
        <translation>Показать и изменить профиль 1.</translation>
    </message>
    <message>
        <source>PROFILE 2</source>
        <translation>ПРОФИЛЬ 2</translation>
    </message>
    <message>
        <source>Show and edit profile 2.</source>
        <translation>Показать и изменить профиль 2.</translation>
    </message>
    <message>
        <source>PROFILE 3</source>
        <translation>ПРОФИЛЬ 3</translation>
    </message>
    <message>
        <source>Show and edit profile 3.</source>
        <translation>Показать и изменить профиль 3.</translation>
    </message>
    <message>
        <source>PROFILE 4</source>
        <translation>ПРОФИЛЬ 4</translation>
    </message>
    <message>
        <source>Show and edit profile 4.</source>
        <translation>Показать и изменить профиль 4.</translation>
    </message>
    <message>
        <source>PROFILE 5</source>
        <translation>ПРОФИЛЬ 5</translation>
    </message>
    <message>
        <source>Show and edit profile 5.</source>
        <translation>Показать и изменить профиль 5.</translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation>МЕНЕДЖЕР МАКРОСОВ</translation>
    </message>
    <message>
        <source>Record and edit the macros of the macro library.</source>
        <translation>Записывать и изменять макросы библиотеки макросов.</translation>
    </message>
    <message>
        <source>Minimize the window.</source>
        <translation>Свернуть окно.</translation>
    </message>
    <message>
        <source>Close without applying changes.</source>
        <translation>Закрыть без применения изменений.</translation>
    </message>
    <message>
        <source>Open the user manual.</source>
        <translation>Открыть руководство пользователя.</translation>
    </message>
    <message>
        <source>Visit the Orvyn Vantor web page.</source>
        <translation>Посетить веб-страницу Orvyn Vantor.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Write the changes to the keyboard and close.</source>
        <translation>Записать изменения в клавиатуру и закрыть.</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>ПРИМЕНИТЬ</translation>
    </message>
    <message>
        <source>Write the changes to the keyboard.</source>
        <translation>Записать изменения в клавиатуру.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ОТМЕНА</translation>
    </message>
    <message>
        <source>RESTORE DEFAULTS</source>
        <translation>ПО УМОЛЧАНИЮ</translation>
    </message>
    <message>
        <source>Restore the factory settings of all five profiles.</source>
        <translation>Восстановить заводские настройки всех пяти профилей.</translation>
    </message>
</context>
<context>
    <name>SkinMediaKeys</name>
    <message>
        <source>MEDIA KEYS</source>
        <translation>МУЛЬТИМЕДИА</translation>
    </message>
    <message>
        <source>Click a media key to choose its function. The media keys drive the player chosen on the right.</source>
        <translation>Щёлкните мультимедийную клавишу для выбора её функции. Мультимедийные клавиши управляют выбранным справа плеером.</translation>
    </message>
    <message>
        <source>KEYS</source>
        <translation>КЛАВИШИ</translation>
    </message>
    <message>
        <source>MEDIA PLAYER</source>
        <translation>МЕДИАПЛЕЕР</translation>
    </message>
    <message>
        <source>M1 to M6 are keys G9 to G14 of the Macro Keys page.</source>
        <translation>M1–M6 — это клавиши G9–G14 страницы «Макроклавиши».</translation>
    </message>
    <message>
        <source>The media keys control this player:</source>
        <translation>Мультимедийные клавиши управляют этим плеером:</translation>
    </message>
    <message>
        <source>Play, pause, stop and track keys go to the chosen player when it is running.</source>
        <translation>Клавиши воспроизведения/паузы/остановки и треков действуют в выбранном плеере (когда он запущен).</translation>
    </message>
    <message>
        <source>Media key M%1. Click to choose what it does.</source>
        <translation>Мультимедийная клавиша M%1. Щёлкните для выбора её действия.</translation>
    </message>
    <message>
        <source>The media player that the media keys control. Click to choose another.</source>
        <translation>Медиаплеер под управлением мультимедийных клавиш. Щёлкните для выбора другого.</translation>
    </message>
</context>
<context>
    <name>SkinProfile</name>
    <message>
        <source>PROFILE NAME</source>
        <translation>ИМЯ ПРОФИЛЯ</translation>
    </message>
    <message>
        <source>GAME PROGRAM</source>
        <translation>ПРОГРАММА ИГРЫ</translation>
    </message>
    <message>
        <source>Matched by file name only (like game.exe): when it comes to the front, this profile is used.</source>
        <translation>Сравнивается только имя файла (например game.exe): когда программа на переднем плане — используется этот профиль.</translation>
    </message>
    <message>
        <source>Name of the profile (20 characters).</source>
        <translation>Имя профиля (20 символов).</translation>
    </message>
    <message>
        <source>The game: a program of this file name in front selects this profile.</source>
        <translation>Игра: программа с этим именем файла на переднем плане выбирает этот профиль.</translation>
    </message>
    <message>
        <source>BROWSE...</source>
        <translation>ОБЗОР...</translation>
    </message>
    <message>
        <source>Choose the game program in a file dialog.</source>
        <translation>Выберите программу игры в диалоге выбора файла.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keep the name and the game program.</source>
        <translation>Сохранить имя и программу игры.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ОТМЕНА</translation>
    </message>
    <message>
        <source>Leave the profile as it was.</source>
        <translation>Оставить профиль без изменений.</translation>
    </message>
    <message>
        <source>Leave the profile as it was and close.</source>
        <translation>Оставить профиль без изменений и закрыть.</translation>
    </message>
    <message>
        <source>PROFILE</source>
        <translation>ПРОФИЛЬ</translation>
    </message>
</context>
<context>
    <name>SkinShortcut</name>
    <message>
        <source>PRESS THE KEY</source>
        <translation>НАЖМИТЕ КЛАВИШУ</translation>
    </message>
    <message>
        <source>WITH</source>
        <translation>С</translation>
    </message>
    <message>
        <source>Every key is recorded; hold Ctrl, Shift, Alt or Win with it for a combination. Hold Enter 1 s: OK; hold Esc 1 s: cancel.</source>
        <translation>Записывается любая клавиша; для сочетания удерживайте с ней Ctrl/Shift/Alt/Win. Удерживайте Enter 1 с: OK; Esc 1 с: отмена.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Use this key combination.</source>
        <translation>Использовать это сочетание клавиш.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ОТМЕНА</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>Оставить клавишу без изменений.</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>Оставить клавишу без изменений и закрыть.</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>НЕТ</translation>
    </message>
    <message>
        <source>The key alone without a modifier.</source>
        <translation>Только клавиша без модификатора.</translation>
    </message>
    <message>
        <source>CTRL</source>
        <translation>CTRL</translation>
    </message>
    <message>
        <source>Hold Ctrl with the key.</source>
        <translation>Удерживать Ctrl вместе с клавишей.</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>SHIFT</translation>
    </message>
    <message>
        <source>Hold Shift with the key.</source>
        <translation>Удерживать Shift вместе с клавишей.</translation>
    </message>
    <message>
        <source>ALT</source>
        <translation>ALT</translation>
    </message>
    <message>
        <source>Hold Alt with the key.</source>
        <translation>Удерживать Alt вместе с клавишей.</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>WIN</translation>
    </message>
    <message>
        <source>Hold the Windows key with the key.</source>
        <translation>Удерживать клавишу Windows вместе с клавишей.</translation>
    </message>
    <message>
        <source>The key of the combination.</source>
        <translation>Клавиша сочетания.</translation>
    </message>
    <message>
        <source>KEY COMBINATION</source>
        <translation>СОЧЕТАНИЕ КЛАВИШ</translation>
    </message>
</context>
<context>
    <name>SkinSwapKey</name>
    <message>
        <source>THIS KEY NOW SENDS</source>
        <translation>ТЕПЕРЬ КЛАВИША ПОСЫЛАЕТ</translation>
    </message>
    <message>
        <source>KEY: press the key it should send. MOUSE: choose a mouse function. Hold Enter 1 s: OK; hold Esc 1 s: cancel.</source>
        <translation>КЛАВИША: нажмите клавишу для отправки. МЫШЬ: выберите функцию мыши. Удерживайте Enter 1 с: OK; Esc 1 с: отмена.</translation>
    </message>
    <message>
        <source>The key it will send.</source>
        <translation>Клавиша для отправки.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Remap the key.</source>
        <translation>Переназначить клавишу.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ОТМЕНА</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>Оставить клавишу без изменений.</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>Оставить клавишу без изменений и закрыть.</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>ПО УМОЛЧАНИЮ</translation>
    </message>
    <message>
        <source>Give the key back its own function.</source>
        <translation>Вернуть клавише её собственную функцию.</translation>
    </message>
    <message>
        <source>Choose the mouse function.</source>
        <translation>Выберите функцию мыши.</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>КЛАВИША</translation>
    </message>
    <message>
        <source>The key sends another key.</source>
        <translation>Клавиша посылает другую клавишу.</translation>
    </message>
    <message>
        <source>MOUSE</source>
        <translation>МЫШЬ</translation>
    </message>
    <message>
        <source>The key acts as a mouse button.</source>
        <translation>Клавиша работает как кнопка мыши.</translation>
    </message>
    <message>
        <source>SWAP KEY</source>
        <translation>ЗАМЕНА КЛАВИШИ</translation>
    </message>
</context>
<context>
    <name>SkinWarnings</name>
    <message>
        <source>DELETE MACRO</source>
        <translation>УДАЛЕНИЕ МАКРОСА</translation>
    </message>
    <message>
        <source>Delete the selected macro?</source>
        <translation>Удалить выбранный макрос?</translation>
    </message>
    <message>
        <source>It is removed from the macro library. Cancel in the macro manager brings it back.</source>
        <translation>Он удаляется из библиотеки макросов. ОТМЕНА в менеджере макросов вернёт его.</translation>
    </message>
    <message>
        <source>Delete the macro.</source>
        <translation>Удалить макрос.</translation>
    </message>
    <message>
        <source>Keep the macro.</source>
        <translation>Оставить макрос.</translation>
    </message>
    <message>
        <source>NO MACRO SELECTED</source>
        <translation>МАКРОС НЕ ВЫБРАН</translation>
    </message>
    <message>
        <source>Select a macro first.</source>
        <translation>Сначала выберите макрос.</translation>
    </message>
    <message>
        <source>Choose a macro in the list or create one with NEW.</source>
        <translation>Выберите макрос в списке или создайте его кнопкой НОВЫЙ.</translation>
    </message>
    <message>
        <source>Close this message.</source>
        <translation>Закрыть это сообщение.</translation>
    </message>
    <message>
        <source>RESTORE DEFAULTS</source>
        <translation>ПО УМОЛЧАНИЮ</translation>
    </message>
    <message>
        <source>Restore the factory settings?</source>
        <translation>Восстановить заводские настройки?</translation>
    </message>
    <message>
        <source>All five profiles return to their defaults and are written to the keyboard at once.</source>
        <translation>Все пять профилей возвращаются к значениям по умолчанию и сразу записываются в клавиатуру.</translation>
    </message>
    <message>
        <source>Restore the factory settings.</source>
        <translation>Восстановить заводские настройки.</translation>
    </message>
    <message>
        <source>Keep the current settings.</source>
        <translation>Оставить текущие настройки.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ОТМЕНА</translation>
    </message>
</context>
<context>
    <name>StandardKeyPage</name>
    <message>
        <source>Key %1</source>
        <translation>Клавиша %1</translation>
    </message>
    <message>
        <source>key code %1</source>
        <translation>код клавиши %1</translation>
    </message>
    <message>
        <source>%1, sends %2</source>
        <translation>%1, отправляет %2</translation>
    </message>
</context>
<context>
    <name>UserManual</name>
    <message>
        <source>User Manual</source>
        <translation>Руководство пользователя</translation>
    </message>
    <message>
        <source>Profiles, keys, macros and lighting of the keyboard, set up from the Linux desktop</source>
        <translation>Профили, клавиши, макросы и подсветка клавиатуры, настраиваемые с рабочего стола Linux</translation>
    </message>
    <message>
        <source>The chapters that follow are in English.</source>
        <translation>Следующие главы написаны на английском языке.</translation>
    </message>
</context>
<context>
    <name>vantorctl</name>
    <message>
        <source>Another change is in progress (Option&apos;s window or another vantorctl command), so nothing was changed: two editors of one configuration would overwrite each other. Close Option or wait for the other command, then try again.</source>
        <translation>Выполняется другое изменение (окно Option или другая команда vantorctl), поэтому ничего не изменено: два редактора одной конфигурации перезаписали бы изменения друг друга. Закройте Option или дождитесь завершения другой команды, затем повторите попытку.</translation>
    </message>
    <message>
        <source>Another program receives Option&apos;s messages, so nothing was changed. Close Option and try again.</source>
        <translation>Сообщения Option получает другая программа, поэтому ничего не изменено. Закройте Option и повторите попытку.</translation>
    </message>
    <message>
        <source>Cannot receive Monitor&apos;s answer: %1</source>
        <translation>Не удалось получить ответ от Monitor: %1</translation>
    </message>
    <message>
        <source>The keyboard refused some changes. The settings files hold them, but the keyboard did not take them.</source>
        <translation>Клавиатура отклонила часть изменений. Они сохранены в файлах настроек, но клавиатура их не приняла.</translation>
    </message>
    <message>
        <source>The keyboard refused some changes: %1. The settings files hold them, but the keyboard did not take them.</source>
        <translation>Клавиатура отклонила часть изменений: %1. Они сохранены в файлах настроек, но клавиатура их не приняла.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation>Не удалось прочитать «%1».</translation>
    </message>
    <message>
        <source>Cannot read standard input: %1</source>
        <translation>Не удалось прочитать стандартный ввод: %1</translation>
    </message>
    <message>
        <source>The document on standard input is larger than a profile document can be.</source>
        <translation>Документ на стандартном вводе больше, чем может быть документ профиля.</translation>
    </message>
    <message>
        <source>set needs a profile and at least one KEY=VALUE.</source>
        <translation>set требует профиль и хотя бы одну пару KEY=VALUE.</translation>
    </message>
    <message>
        <source>assign needs a profile, a key and what the key does.</source>
        <translation>assign требует профиль, клавишу и то, что эта клавиша делает.</translation>
    </message>
    <message>
        <source>default takes nothing after it.</source>
        <translation>После default ничего не указывается.</translation>
    </message>
    <message>
        <source>program takes one path (quote a path with blanks).</source>
        <translation>program принимает один путь (путь с пробелами заключите в кавычки).</translation>
    </message>
    <message>
        <source>No program &quot;%1&quot; was found in PATH; give its full path (or ./%1 for one in the current folder).</source>
        <translation>Программа «%1» не найдена в PATH; укажите её полный путь (или ./%1 для программы в текущей папке).</translation>
    </message>
    <message>
        <source>Cannot make a full path of &quot;%1&quot;.</source>
        <translation>Не удалось получить полный путь из «%1».</translation>
    </message>
    <message>
        <source>The path &quot;%1&quot; is longer than the %2 bytes a key holds.</source>
        <translation>Путь «%1» длиннее %2 байт, которые вмещает клавиша.</translation>
    </message>
    <message>
        <source>note: &quot;%1&quot; does not exist (yet); the key starts it once it does.</source>
        <translation>примечание: «%1» (пока) не существует; клавиша запустит его, когда он появится.</translation>
    </message>
    <message>
        <source>macro takes the name of a macro of the library (vantorctl macros).</source>
        <translation>macro принимает имя макроса из библиотеки (vantorctl macros).</translation>
    </message>
    <message>
        <source>Unknown assignment &quot;%1&quot;: use macro NAME, keys COMBINATION, program PATH, media NAME, mouse NAME or default.</source>
        <translation>Неизвестное назначение «%1»: используйте macro NAME, keys COMBINATION, program PATH, media NAME, mouse NAME или default.</translation>
    </message>
    <message>
        <source>export needs a profile and a file.</source>
        <translation>export требует профиль и файл.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>Не удалось записать «%1»: %2.</translation>
    </message>
    <message>
        <source> The file that was there is left as it was.</source>
        <translation> Существовавший файл оставлен без изменений.</translation>
    </message>
    <message>
        <source>import needs a profile and a file.</source>
        <translation>import требует профиль и файл.</translation>
    </message>
    <message>
        <source>standard input is not a usable profile document: %1. Nothing was imported.</source>
        <translation>стандартный ввод не является пригодным документом профиля: %1. Ничего не импортировано.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a usable profile document: %2. Nothing was imported.</source>
        <translation>«%1» не является пригодным документом профиля: %2. Ничего не импортировано.</translation>
    </message>
    <message>
        <source>--wait takes a number of seconds (more than 0, at most a day).</source>
        <translation>--wait принимает число секунд (больше 0, не более суток).</translation>
    </message>
    <message>
        <source>Usage: %1 %2 (see %1 --help)
</source>
        <translation>Использование: %1 %2 (см. %1 --help)
</translation>
    </message>
    <message>
        <source>Which profile (1-5)?</source>
        <translation>Какой профиль (1-5)?</translation>
    </message>
    <message>
        <source>keyboard, firmware, current profile, whether Monitor runs</source>
        <translation>клавиатура, прошивка, текущий профиль, запущен ли Monitor</translation>
    </message>
    <message>
        <source>Shows whether Monitor runs and has the keyboard, the firmware version and the current profile. Exit status 0 when Monitor runs with the keyboard connected, 2 otherwise.</source>
        <translation>Показывает, запущен ли Monitor и подключена ли к нему клавиатура, версию прошивки и текущий профиль. Код возврата 0, если Monitor запущен и клавиатура подключена, иначе 2.</translation>
    </message>
    <message>
        <source>show the current profile, or switch to profile N (1-5)</source>
        <translation>показать текущий профиль или переключиться на профиль N (1-5)</translation>
    </message>
    <message>
        <source>Without N: prints the current profile&apos;s number and name. With N: makes profile N current on the keyboard.</source>
        <translation>Без N: выводит номер и имя текущего профиля. С N: делает профиль N текущим на клавиатуре.</translation>
    </message>
    <message>
        <source>a profile&apos;s lighting, polling rate, switches, keys and remapped keys</source>
        <translation>подсветка, частота опроса, переключатели, клавиши и переназначенные клавиши профиля</translation>
    </message>
    <message>
        <source>Shows a profile (the current one when none is given): lighting effect and colour, polling rate, Windows-key lock, power saving, what each programmable key G1-G15 does (as the window&apos;s captions say it) and the remapped standard keys. With --json: the whole profile as a JSON document.</source>
        <translation>Показывает профиль (текущий, если номер не указан): эффект и цвет подсветки, частоту опроса, блокировку клавиши Windows, энергосбережение, что делает каждая программируемая клавиша G1-G15 (как это подписано в окне) и переназначенные стандартные клавиши. С --json: весь профиль как документ JSON.</translation>
    </message>
    <message>
        <source>lighting, polling rate, Windows-key lock, power saving, name, game</source>
        <translation>подсветка, частота опроса, блокировка клавиши Windows, энергосбережение, имя, игра</translation>
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
        <translation>Изменяет настройки профиля и применяет их:
  effect=static|breathing|wave|reactive|ripple|lights-off  эффект подсветки
  colour=red|green|blue|yellow|purple|cyan|colour-cycle|1-7 цвет подсветки
  polling=125|500|1000        частота опроса в Гц
  winlock=on|off              блокировка клавиши Windows
  powersaving=on|off          энергосбережение
  name=TEXT                   имя профиля (20 символов)
  game=PATH                   игра, окно которой выбирает этот профиль</translation>
    </message>
    <message>
        <source>what a programmable key does</source>
        <translation>что делает программируемая клавиша</translation>
    </message>
    <message>
        <source>a profile into a .gkp profile file, or a JSON document</source>
        <translation>профиль в файл профиля .gkp или документ JSON</translation>
    </message>
    <message>
        <source>Writes a profile into a profile file (.gkp, as the window&apos;s EXPORT does: its name is noted in config.ini and a copy kept in the settings folder), or with --json, a FILE ending in .json, or FILE &quot;-&quot; (standard output) as a JSON document.</source>
        <translation>Записывает профиль в файл профиля (.gkp, как EXPORT в окне: его имя записывается в config.ini, а копия сохраняется в папке настроек) или, с --json, в FILE с окончанием .json или в FILE «-» (стандартный вывод) как документ JSON.</translation>
    </message>
    <message>
        <source>a profile from a .gkp profile file or a JSON document, and apply it</source>
        <translation>профиль из файла профиля .gkp или документа JSON и применить его</translation>
    </message>
    <message>
        <source>Replaces a profile by a profile file (.gkp, as the window&apos;s IMPORT does) or with --json, a FILE ending in .json, or FILE &quot;-&quot; (standard input) by a JSON document, and applies the whole profile. A file that is not usable changes nothing.</source>
        <translation>Заменяет профиль содержимым файла профиля (.gkp, как IMPORT в окне) или, с --json, файла FILE с окончанием .json или FILE «-» (стандартный ввод) как документа JSON, и применяет весь профиль. Непригодный файл ничего не меняет.</translation>
    </message>
    <message>
        <source>the macro library</source>
        <translation>библиотека макросов</translation>
    </message>
    <message>
        <source>Lists the macros of the library: name, steps, repeat.</source>
        <translation>Выводит список макросов библиотеки: имя, шаги, повторы.</translation>
    </message>
    <message>
        <source>the names assign accepts</source>
        <translation>имена, которые принимает assign</translation>
    </message>
    <message>
        <source>Lists the function names of assign ... media and assign ... mouse, and the key names of assign ... keys, one a line.</source>
        <translation>Выводит имена функций для assign ... media и assign ... mouse и имена клавиш для assign ... keys, по одному в строке.</translation>
    </message>
    <message>
        <source>%1 takes on or off, not %2.</source>
        <translation>%1 принимает on или off, а не %2.</translation>
    </message>
    <message>
        <source>Unknown lighting effect %1: use one of %2 (or 1, 2, 4, 8, 16, 32).</source>
        <translation>Неизвестный эффект подсветки %1: используйте один из: %2 (или 1, 2, 4, 8, 16, 32).</translation>
    </message>
    <message>
        <source>Colour %1 is out of range: use 1-7 or one of %2.</source>
        <translation>Цвет %1 вне диапазона: используйте 1-7 или один из: %2.</translation>
    </message>
    <message>
        <source>Unknown colour %1: use one of %2 (or 1-7).</source>
        <translation>Неизвестный цвет %1: используйте один из: %2 (или 1-7).</translation>
    </message>
    <message>
        <source>Polling rate %1 is not one of 125, 500, 1000 (Hz).</source>
        <translation>Частота опроса %1 не входит в число 125, 500, 1000 (Гц).</translation>
    </message>
    <message>
        <source>Profile %1 does not exist: profiles are 1-5.</source>
        <translation>Профиль %1 не существует: номера профилей 1-5.</translation>
    </message>
    <message>
        <source>Unknown key %1: the programmable keys are G1-G15.</source>
        <translation>Неизвестная клавиша %1: программируемые клавиши — G1-G15.</translation>
    </message>
    <message>
        <source>Expected KEY=VALUE, not %1.</source>
        <translation>Ожидалось KEY=VALUE, а не %1.</translation>
    </message>
    <message>
        <source>The game program&apos;s path is longer than the %1 bytes a profile holds.</source>
        <translation>Путь к программе игры длиннее %1 байт, которые вмещает профиль.</translation>
    </message>
    <message>
        <source>Unknown setting %1: use effect, colour, polling, winlock, powersaving, name or game.</source>
        <translation>Неизвестный параметр %1: используйте effect, colour, polling, winlock, powersaving, name или game.</translation>
    </message>
    <message>
        <source>The mouse button %1 can only be a step of a macro, not a key&apos;s combination.</source>
        <translation>Кнопка мыши %1 может быть только шагом макроса, но не частью сочетания клавиш.</translation>
    </message>
    <message>
        <source>Unknown media function %1: use one of %2.</source>
        <translation>Неизвестная мультимедийная функция %1: используйте одну из: %2.</translation>
    </message>
    <message>
        <source>Unknown mouse function %1: use one of %2.</source>
        <translation>Неизвестная функция мыши %1: используйте одну из: %2.</translation>
    </message>
    <message>
        <source>status takes no arguments.</source>
        <translation>status не принимает аргументов.</translation>
    </message>
    <message>
        <source>profile takes at most one profile number.</source>
        <translation>profile принимает не более одного номера профиля.</translation>
    </message>
    <message>
        <source>show takes at most one profile number.</source>
        <translation>show принимает не более одного номера профиля.</translation>
    </message>
    <message>
        <source>macros takes no arguments.</source>
        <translation>macros не принимает аргументов.</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole: %2.</source>
        <translation>Библиотеку макросов %1 не удалось прочитать целиком: %2.</translation>
    </message>
    <message>
        <source>functions takes one of media, mouse, keys.</source>
        <translation>functions принимает одно из значений: media, mouse, keys.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Показывает эту справку.</translation>
    </message>
    <message>
        <source>JSON instead of text (the schema is in the manual page).</source>
        <translation>JSON вместо текста (схема описана на странице руководства).</translation>
    </message>
    <message>
        <source>Waits at most SECONDS for Monitor to confirm that the keyboard took the change (default 40 minutes, longer than the slowest apply).</source>
        <translation>Ждёт не более SECONDS подтверждения от Monitor, что клавиатура приняла изменение (по умолчанию 40 минут — дольше самого медленного применения).</translation>
    </message>
    <message>
        <source>Exit status: 0 done; 1 bad input (nothing changed); 2 Monitor not running, no keyboard or no answer (the settings files are saved); 3 Option is open or another change is in progress (changing commands refuse); 4 settings could not be saved (the message names the file; the keyboard may have taken the change); 5 the keyboard refused part of the change (the message names the settings; the files are saved).
</source>
        <translation>Код возврата: 0 выполнено; 1 неверный ввод (ничего не изменено); 2 Monitor не запущен, нет клавиатуры или нет ответа (файлы настроек сохранены); 3 Option открыт или выполняется другое изменение (изменяющие команды отказываются работать); 4 не удалось сохранить настройки (в сообщении указан файл; клавиатура, возможно, приняла изменение); 5 клавиатура отклонила часть изменения (в сообщении указаны настройки; файлы сохранены).
</translation>
    </message>
    <message>
        <source>Usage: vantorctl COMMAND [ARGUMENTS] [--help]

Reads and changes the Orvyn Vantor keyboard&apos;s configuration as the Option window does. Changes are applied
before the command returns.

Commands:
</source>
        <translation>Использование: vantorctl COMMAND [ARGUMENTS] [--help]

Читает и изменяет конфигурацию клавиатуры Orvyn Vantor так же, как окно Option. Изменения применяются
до завершения команды.

Команды:
</translation>
    </message>
    <message>
        <source>
Reading commands work while Option is open; changing commands (profile N, set, assign, import) refuse.
</source>
        <translation>
Читающие команды работают, когда Option открыт; изменяющие команды (profile N, set, assign, import) отказываются работать.
</translation>
    </message>
    <message>
        <source>See vantorctl COMMAND --help and man vantorctl.
</source>
        <translation>См. vantorctl COMMAND --help и man vantorctl.
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Использование: %1 [параметры]</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Неизвестная команда «%1».</translation>
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
        <translation>Назначает программируемой клавише G1-G15 профиля функцию и применяет её:
  macro NAME         макрос из библиотеки (vantorctl macros)
  keys COMBINATION   сочетание клавиш с английскими именами клавиш: Ctrl+Alt+X, Shift+Page Down
  program PATH       запускает программу (или файл .desktop)
  media NAME         функция мультимедиа или приложения: Play/Pause, Volume Up, Calculator, ...
  mouse NAME         функция мыши: Left Button, Double Click, Key Disabled, ...
  default            заводская настройка клавиши
Регистр букв в именах не учитывается; их список выводит vantorctl functions.</translation>
    </message>
    <message>
        <source>Unknown key %1 in %2: write it with the English key names, e.g. Ctrl+Alt+X or Shift+Page Down (vantorctl functions lists them).</source>
        <translation>Неизвестная клавиша %1 в %2: запишите её английскими именами клавиш, например Ctrl+Alt+X или Shift+Page Down (их выводит vantorctl functions).</translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation>неизвестное поле</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>отсутствует</translation>
    </message>
    <message>
        <source>expected a whole number</source>
        <translation>ожидалось целое число</translation>
    </message>
    <message>
        <source>%1 is out of range (%2 to %3)</source>
        <translation>%1 вне диапазона (от %2 до %3)</translation>
    </message>
    <message>
        <source>expected a text</source>
        <translation>ожидался текст</translation>
    </message>
    <message>
        <source>longer than the %1 bytes the profile holds</source>
        <translation>длиннее %1 байт, которые вмещает профиль</translation>
    </message>
    <message>
        <source>contains a NUL character</source>
        <translation>содержит символ NUL</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>ожидался объект</translation>
    </message>
    <message>
        <source>expected a list</source>
        <translation>ожидался список</translation>
    </message>
    <message>
        <source>%1 steps; a key holds at most 50</source>
        <translation>шагов: %1; клавиша вмещает не более 50</translation>
    </message>
    <message>
        <source>%1 keys; a profile has 15 (G1-G15)</source>
        <translation>клавиш: %1; в профиле их 15 (G1-G15)</translation>
    </message>
    <message>
        <source>expected one of G1-G15</source>
        <translation>ожидалась одна из G1-G15</translation>
    </message>
    <message>
        <source>named twice</source>
        <translation>указано дважды</translation>
    </message>
    <message>
        <source>missing (type 3 is a macro)</source>
        <translation>отсутствует (тип 3 — макрос)</translation>
    </message>
    <message>
        <source>given, but only a macro key (type 3) has one</source>
        <translation>указано, но оно есть только у клавиши макроса (тип 3)</translation>
    </message>
    <message>
        <source>missing (type 11 starts a program)</source>
        <translation>отсутствует (тип 11 запускает программу)</translation>
    </message>
    <message>
        <source>given, but only a program key (type 11) has one</source>
        <translation>указано, но оно есть только у клавиши программы (тип 11)</translation>
    </message>
    <message>
        <source>position %1 is given twice</source>
        <translation>позиция %1 указана дважды</translation>
    </message>
    <message>
        <source>not valid JSON at byte %1: %2</source>
        <translation>недопустимый JSON в байте %1: %2</translation>
    </message>
    <message>
        <source>expected a JSON object at the top</source>
        <translation>ожидался объект JSON на верхнем уровне</translation>
    </message>
    <message>
        <source>%1: given more than once</source>
        <translation>%1: указано больше одного раза</translation>
    </message>
    <message>
        <source>format: expected &quot;%1&quot; (not a profile document)</source>
        <translation>format: ожидалось «%1» (это не документ профиля)</translation>
    </message>
    <message>
        <source>this vantorctl reads version %1</source>
        <translation>эта версия vantorctl читает версию %1</translation>
    </message>
    <message>
        <source>%1 values; a profile has 6</source>
        <translation>значений: %1; в профиле их 6</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(нет)</translation>
    </message>
    <message>
        <source>Profile %1: %2  (current)</source>
        <translation>Профиль %1: %2  (текущий)</translation>
    </message>
    <message>
        <source>Profile %1: %2</source>
        <translation>Профиль %1: %2</translation>
    </message>
    <message>
        <source>Game program:</source>
        <translation>Программа игры:</translation>
    </message>
    <message>
        <source>Lighting effect:</source>
        <translation>Эффект подсветки:</translation>
    </message>
    <message>
        <source>Lighting colour:</source>
        <translation>Цвет подсветки:</translation>
    </message>
    <message>
        <source>Polling rate:</source>
        <translation>Частота опроса:</translation>
    </message>
    <message>
        <source>Windows-key lock:</source>
        <translation>Блокировка клавиши Windows:</translation>
    </message>
    <message>
        <source>Power saving:</source>
        <translation>Энергосбережение:</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Клавиши:</translation>
    </message>
    <message>
        <source>Remapped standard keys: none</source>
        <translation>Переназначенные стандартные клавиши: нет</translation>
    </message>
    <message>
        <source>Remapped standard keys:</source>
        <translation>Переназначенные стандартные клавиши:</translation>
    </message>
    <message>
        <source>unknown (Monitor is not running)</source>
        <translation>неизвестно (Monitor не запущен)</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>подключена</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>не подключена</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>Monitor:</source>
        <translation>Monitor:</translation>
    </message>
    <message>
        <source>running</source>
        <translation>запущен</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>не запущен</translation>
    </message>
    <message>
        <source>Keyboard:</source>
        <translation>Клавиатура:</translation>
    </message>
    <message>
        <source>Firmware:</source>
        <translation>Прошивка:</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Профиль:</translation>
    </message>
    <message>
        <source>Option:</source>
        <translation>Option:</translation>
    </message>
    <message>
        <source>open</source>
        <translation>открыт</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>не открыт</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A refused setting&apos;s reason (already translated) as a sentence.</extracomment>
        <translation>%1.</translation>
    </message>
</context>
</TS>
