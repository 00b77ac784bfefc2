<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Writing to the keyboard</source>
        <translation>正在写入键盘</translation>
    </message>
    <message>
        <source>Could not map view of file.</source>
        <translation>无法映射文件视图。</translation>
    </message>
    <message>
        <source>No program could show the user manual %1. Install a PDF viewer.</source>
        <translation>没有程序能够显示用户手册 %1。请安装 PDF 阅读器。</translation>
    </message>
    <message>
        <source>The user manual is missing. It was looked for at %1.</source>
        <translation>找不到用户手册。已在 %1 查找。</translation>
    </message>
</context>
<context>
    <name>ConnectionLine</name>
    <message>
        <source>Start Monitor</source>
        <translation>启动 Monitor</translation>
    </message>
    <message>
        <source>Monitor is already running.</source>
        <translation>Monitor 已在运行。</translation>
    </message>
    <message>
        <source>Monitor could not be started: %1</source>
        <translation>无法启动 Monitor：%1</translation>
    </message>
</context>
<context>
    <name>ConnectionStatus</name>
    <message>
        <source>Keyboard connected</source>
        <translation>键盘已连接</translation>
    </message>
    <message>
        <source>No keyboard connected</source>
        <translation>未连接键盘</translation>
    </message>
    <message>
        <source>Starting Monitor...</source>
        <translation>正在启动 Monitor...</translation>
    </message>
    <message>
        <source>Monitor is not running</source>
        <translation>Monitor 未运行</translation>
    </message>
    <message>
        <source>Saved to the keyboard</source>
        <translation>已保存到键盘</translation>
    </message>
    <message>
        <source>Saved; the keyboard is not connected</source>
        <translation>已保存；键盘未连接</translation>
    </message>
</context>
<context>
    <name>DeviceAccessNotice</name>
    <message>
        <source>The keyboard is connected but cannot be opened</source>
        <translation>键盘已连接，但无法打开</translation>
    </message>
    <message>
        <source>The keyboard is connected, but this user may not use it</source>
        <translation>键盘已连接，但此用户无权使用</translation>
    </message>
    <message>
        <source>The udev rule %1 is installed: unplug and plug the keyboard, or run: sudo udevadm trigger. If the keyboard has other ids than [Device] in config.ini, set them in the rule as well.</source>
        <translation>udev 规则 %1 已安装：请拔下并重新插入键盘，或运行：sudo udevadm trigger。如果键盘的 ID 与 config.ini 中 [Device] 的不同，也请在规则中设置它们。</translation>
    </message>
    <message>
        <source>Install the udev rule: %1</source>
        <translation>请安装 udev 规则：%1</translation>
    </message>
</context>
<context>
    <name>DocumentOpener</name>
    <message>
        <source>No program could open %1.</source>
        <translation>没有程序能够打开 %1。</translation>
    </message>
    <message>
        <source>No program to show PDF files is installed.</source>
        <translation>未安装可显示 PDF 文件的程序。</translation>
    </message>
    <message>
        <source>The PDF viewer could not show it.</source>
        <translation>PDF 阅读器无法显示该文件。</translation>
    </message>
    <message>
        <source>The user manual could not be opened. %1

It is at:
%2</source>
        <translation>无法打开用户手册。%1

它位于：
%2</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
</context>
<context>
    <name>ForegroundChoice</name>
    <message>
        <source>per-game profiles on GNOME need the extension that tells which window is in front: run &quot;gnome-extensions enable %1&quot; and start Monitor again; until then only games running through XWayland switch the profile</source>
        <translation>在 GNOME 上按游戏切换配置文件需要一个能报告前台窗口的扩展：请运行“gnome-extensions enable %1”并重新启动 Monitor；在此之前，只有通过 XWayland 运行的游戏会切换配置文件</translation>
    </message>
    <message>
        <source>per-game profiles on GNOME need the extension that tells which window is in front: run &quot;gnome-extensions enable %1&quot; and start Monitor again</source>
        <translation>在 GNOME 上按游戏切换配置文件需要一个能报告前台窗口的扩展：请运行“gnome-extensions enable %1”并重新启动 Monitor</translation>
    </message>
</context>
<context>
    <name>KeyCaptureDialog</name>
    <message>
        <source>Every key you press is recorded. Hold Enter for one second for OK, hold Esc for one second to leave without a change.</source>
        <translation>您按下的每个按键都会被录制。按住 Enter 一秒即确定，按住 Esc 一秒则不做更改并退出。</translation>
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
        <translation>BackSpace</translation>
    </message>
    <message>
        <source>CapsLock</source>
        <translation>CapsLock</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空格</translation>
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
        <translation>←</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>↑</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>→</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>↓</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Execute</translation>
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
        <translation>Help</translation>
    </message>
    <message>
        <source>Left Windows</source>
        <translation>左 Windows</translation>
    </message>
    <message>
        <source>Right Windows</source>
        <translation>右 Windows</translation>
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
        <translation>左 Shift</translation>
    </message>
    <message>
        <source>Right Shift</source>
        <translation>右 Shift</translation>
    </message>
    <message>
        <source>Left Ctrl</source>
        <translation>左 Ctrl</translation>
    </message>
    <message>
        <source>Right Ctrl</source>
        <translation>右 Ctrl</translation>
    </message>
    <message>
        <source>Left Alt</source>
        <translation>左 Alt</translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation>右 Alt</translation>
    </message>
    <message>
        <source>L Button</source>
        <translation>鼠标左键</translation>
    </message>
    <message>
        <source>R Button</source>
        <translation>鼠标右键</translation>
    </message>
    <message>
        <source>M Button</source>
        <translation>鼠标中键</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>鼠标按键 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>鼠标按键 5</translation>
    </message>
</context>
<context>
    <name>LaunchProgramDialog</name>
    <message>
        <source>exe file(*.exe)</source>
        <translation>exe 文件(*.exe)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>No program &quot;%1&quot; was found in PATH. Choose it with the browse button or type its full path.</source>
        <translation>在 PATH 中未找到程序“%1”。请用浏览按钮选择它，或输入其完整路径。</translation>
    </message>
    <message>
        <source>The program path is too long: a key holds at most %1 bytes.</source>
        <translation>程序路径过长：一个按键最多容纳 %1 字节。</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>no program given</source>
        <translation>未指定程序</translation>
    </message>
    <message>
        <source>not found: %1</source>
        <translation>找不到：%1</translation>
    </message>
    <message>
        <source>cannot open %1: xdg-open is not installed</source>
        <translation>无法打开 %1：未安装 xdg-open</translation>
    </message>
    <message>
        <source>%1 is not a file that can be opened</source>
        <translation>%1 不是可以打开的文件</translation>
    </message>
    <message>
        <source>cannot launch %1</source>
        <translation>无法启动：%1</translation>
    </message>
    <message>
        <source>%1 is not a desktop entry</source>
        <translation>%1 不是有效的 .desktop 文件</translation>
    </message>
    <message>
        <source>%1 is marked as deleted (Hidden)</source>
        <translation>%1 被标记为已删除（Hidden）</translation>
    </message>
    <message>
        <source>%1 links nowhere</source>
        <translation>%1 没有指向任何地址</translation>
    </message>
    <message>
        <source>%1 does not start a program</source>
        <translation>%1 不会启动程序</translation>
    </message>
    <message>
        <source>%1: %2 is not installed</source>
        <translation>%1：未安装 %2</translation>
    </message>
    <message>
        <source>%1 has no usable command (Exec)</source>
        <translation>%1 没有可用的命令（Exec）</translation>
    </message>
    <message>
        <source>%1 runs in a terminal, and no terminal emulator is installed</source>
        <translation>%1 需要在终端中运行，但未安装终端模拟器</translation>
    </message>
</context>
<context>
    <name>MacroManagerDialog</name>
    <message>
        <source>Macros</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>Macro events</source>
        <translation>宏步骤</translation>
    </message>
</context>
<context>
    <name>MediaFunction</name>
    <message>
        <source>Screensave</source>
        <translation>屏幕保护</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>资源管理器</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
</context>
<context>
    <name>Monitor</name>
    <message>
        <source>Keyboard settings not saved</source>
        <translation>键盘设置未保存</translation>
    </message>
    <message>
        <source>%1
Monitor writes them again with its next save; free some space or fix the folder&apos;s permissions.</source>
        <translation>%1
Monitor 会在下次保存时重新写入这些设置；请释放一些空间或修正该文件夹的权限。</translation>
    </message>
    <message>
        <source>Program key %1</source>
        <translation>程序键 %1</translation>
    </message>
</context>
<context>
    <name>MonitorHost</name>
    <message>
        <source>Per-game profiles</source>
        <translation>按游戏切换配置文件</translation>
    </message>
</context>
<context>
    <name>Option</name>
    <message>
        <source>Option cannot draw its windows, because a file of its skin is wrong:

%1

Restore the skins folder beside the program (or mend the file) and start Option again.</source>
        <translation>Option 无法绘制窗口，因为其皮肤中的一个文件有误：

%1

请恢复程序旁的 skins 文件夹（或修复该文件），然后重新启动 Option。</translation>
    </message>
</context>
<context>
    <name>OsdProgram</name>
    <message>
        <source>Windows Key: Lock</source>
        <translation>Windows 键：已锁定</translation>
    </message>
    <message>
        <source>Windows Key: UnLock</source>
        <translation>Windows 键：已解锁</translation>
    </message>
</context>
<context>
    <name>ProfileCheck</name>
    <message>
        <source>%1: %2 has no terminating NUL within its %3 bytes</source>
        <translation>%1：%2 在其 %3 字节内没有结尾的 NUL</translation>
    </message>
    <message>
        <source>%1: %2 is not a repeat count (0-255)</source>
        <translation>%1：%2 不是有效的重复次数（0-255）</translation>
    </message>
    <message>
        <source>%1: %2 is more than the 50 steps a key holds</source>
        <translation>%1：%2 超过了一个按键可容纳的 50 步</translation>
    </message>
    <message>
        <source>%1: %2 is not a key or mouse-button code</source>
        <translation>%1：%2 不是按键或鼠标按键代码</translation>
    </message>
    <message>
        <source>%1: %2 is neither 1 (press) nor 2 (release)</source>
        <translation>%1：%2 既不是 1（按下）也不是 2（释放）</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of this assignment type</source>
        <translation>%1：%2 不是 0，而此分配类型的 flags 只能为 0</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of this assignment type</source>
        <translation>%1：%2 不是 0，而此分配类型的 code 只能为 0</translation>
    </message>
    <message>
        <source>%1: %2 is not a set of modifiers (1 Ctrl, 2 Shift, 4 Alt, 8 Win)</source>
        <translation>%1：%2 不是修饰键组合（1 Ctrl, 2 Shift, 4 Alt, 8 Win）</translation>
    </message>
    <message>
        <source>%1: %2 is not a key code</source>
        <translation>%1：%2 不是按键代码</translation>
    </message>
    <message>
        <source>%1: %2 is not a keyboard function (1, 4-7)</source>
        <translation>%1：%2 不是键盘功能（1, 4-7）</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a keyboard function</source>
        <translation>%1：%2 不是 0，而键盘功能的 code 只能为 0</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of a media function</source>
        <translation>%1：%2 不是 0，而媒体功能的 flags 只能为 0</translation>
    </message>
    <message>
        <source>%1: %2 is not a media or application function (176-199)</source>
        <translation>%1：%2 不是媒体或应用程序功能（176-199）</translation>
    </message>
    <message>
        <source>%1: %2 is not a mouse button (1-5)</source>
        <translation>%1：%2 不是鼠标按键（1-5）</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a mouse-button function</source>
        <translation>%1：%2 不是 0，而鼠标按键功能的 code 只能为 0</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of a single key</source>
        <translation>%1：%2 不是 0，而单个按键的 flags 只能为 0</translation>
    </message>
    <message>
        <source>%1: %2 is not %3, the key&apos;s number</source>
        <translation>%1：%2 不是该按键的编号 %3</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a program key</source>
        <translation>%1：%2 不是 0，而程序键的 code 只能为 0</translation>
    </message>
    <message>
        <source>%1: %2 is not an assignment type</source>
        <translation>%1：%2 不是分配类型</translation>
    </message>
    <message>
        <source>%1: %2 contains a control character</source>
        <translation>%1：%2 包含控制字符</translation>
    </message>
    <message>
        <source>%1: %2 contains a bidirectional override</source>
        <translation>%1：%2 包含双向文本覆盖字符</translation>
    </message>
    <message>
        <source>%1: %2 is not a media player (0-3)</source>
        <translation>%1：%2 不是媒体播放器（0-3）</translation>
    </message>
    <message>
        <source>%1: %2 is neither 0 nor 1</source>
        <translation>%1：%2 既不是 0 也不是 1</translation>
    </message>
    <message>
        <source>%1: %2 is not a byte (0-255)</source>
        <translation>%1：%2 不是字节值（0-255）</translation>
    </message>
    <message>
        <source>%1: %2 is not a lighting colour (0-7)</source>
        <translation>%1：%2 不是灯光颜色（0-7）</translation>
    </message>
    <message>
        <source>%1: %2 is not a lighting control value (1, 2, 4, 8, 16, 32)</source>
        <translation>%1：%2 不是灯光控制值（1, 2, 4, 8, 16, 32）</translation>
    </message>
    <message>
        <source>%1: %2 is not a polling rate (1, 2, 4)</source>
        <translation>%1：%2 不是回报率（1, 2, 4）</translation>
    </message>
    <message>
        <source>%1; replaced by its factory value</source>
        <translation>%1；已替换为出厂值</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Game program</source>
        <translation>游戏程序</translation>
    </message>
    <message>
        <source>exe file(*.exe)</source>
        <translation>exe 文件(*.exe)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>ProfileFiles</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>文件 %1 不存在。</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 不是文件。</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it is larger than %2 MB (a profile file has about 33 KB).</source>
        <translation>%1 不是配置文件：它大于 %2 MB（配置文件约为 33 KB）。</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>无法读取该文件：%1。</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it is empty.</source>
        <translation>%1 不是配置文件：它是空的。</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it has no [Setting] section.</source>
        <translation>%1 不是配置文件：它没有 [Setting] 节。</translation>
    </message>
    <message>
        <source>%1 is a damaged profile file: its block %2 does not check out.</source>
        <translation>%1 是损坏的配置文件：其数据块 %2 校验失败。</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it holds none of the key blocks of a profile.</source>
        <translation>%1 不是配置文件：它不包含配置文件的任何按键数据块。</translation>
    </message>
    <message>
        <source>%1 is refused: it holds %2 more than once.</source>
        <translation>%1 被拒绝：它多次包含 %2。</translation>
    </message>
    <message>
        <source>%1: missing (a profile file holds every setting)</source>
        <translation>%1：缺失（配置文件包含所有设置）</translation>
    </message>
    <message>
        <source>%1 is refused: %2.</source>
        <translation>%1 被拒绝：%2。</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 未导入任何内容。</translation>
    </message>
    <message>
        <source>The profile file could not be copied into the settings folder %1. Check that you may write there and that the disk is not full. Nothing was imported.</source>
        <translation>无法将配置文件复制到设置文件夹 %1。请检查您是否有写入权限以及磁盘是否已满。未导入任何内容。</translation>
    </message>
    <message>
        <source>The profile could not be written to %1 (%2). The file that was there is left as it was.</source>
        <translation>无法将配置文件写入 %1（%2）。原有文件保持不变。</translation>
    </message>
    <message>
        <source>The profile could not be written to %1 (%2).</source>
        <translation>无法将配置文件写入 %1（%2）。</translation>
    </message>
    <message>
        <source>The profile was exported to %1, but its copy %2 and its name in config.ini could not all be written.</source>
        <translation>配置文件已导出到 %1，但其副本 %2 及其在 config.ini 中的名称未能全部写入。</translation>
    </message>
</context>
<context>
    <name>ProfileTransfer</name>
    <message>
        <source>Import a profile</source>
        <translation>导入配置文件</translation>
    </message>
    <message>
        <source>Export the profile</source>
        <translation>导出配置文件</translation>
    </message>
    <message>
        <source>Gaming Keyboard Profile(*.gkp)</source>
        <translation>游戏键盘配置文件(*.gkp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>参数：</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Every key you press is recorded. Hold Esc for one second to leave without a change.</source>
        <translation>您按下的每个按键都会被录制。按住 Esc 一秒则不做更改并退出。</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
</context>
<context>
    <name>SessionNotices</name>
    <message>
        <source>current profile</source>
        <translation>当前配置文件</translation>
    </message>
    <message>
        <source>key assignments of the standard keys</source>
        <translation>标准按键的分配</translation>
    </message>
    <message>
        <source>Windows-key lock and other switches</source>
        <translation>Windows 键锁定及其他开关</translation>
    </message>
    <message>
        <source>programmable-key assignments</source>
        <translation>可编程按键的分配</translation>
    </message>
    <message>
        <source>macros</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>lighting</source>
        <translation>灯光</translation>
    </message>
    <message>
        <source>polling rate</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>other settings</source>
        <translation>其他设置</translation>
    </message>
    <message>
        <source>The settings were saved, but they could not be sent to the keyboard because the Monitor program is not running. Start Monitor and apply again to change the keyboard.</source>
        <translation>设置已保存，但由于 Monitor 程序未运行，无法发送到键盘。请启动 Monitor 并再次应用以更改键盘。</translation>
    </message>
    <message>
        <source>The settings were not saved, and they could not be sent to the keyboard because the Monitor program is not running. Start Monitor and apply again to change the keyboard.</source>
        <translation>设置未保存，并且由于 Monitor 程序未运行，无法发送到键盘。请启动 Monitor 并再次应用以更改键盘。</translation>
    </message>
    <message>
        <source>The settings were saved, but no keyboard is connected, so the keyboard did not receive them. Connect it and apply again.</source>
        <translation>设置已保存，但未连接键盘，因此键盘没有收到这些设置。请连接键盘并再次应用。</translation>
    </message>
    <message>
        <source>The settings were not saved, and no keyboard is connected, so the keyboard did not receive them. Connect it and apply again.</source>
        <translation>设置未保存，并且未连接键盘，因此键盘没有收到这些设置。请连接键盘并再次应用。</translation>
    </message>
    <message>
        <source>The settings were saved, but Monitor did not confirm that the keyboard received them. Make sure Monitor is running and apply again.</source>
        <translation>设置已保存，但 Monitor 未确认键盘已收到这些设置。请确保 Monitor 正在运行并再次应用。</translation>
    </message>
    <message>
        <source>The settings were not saved, and Monitor did not confirm that the keyboard received them. Make sure Monitor is running and apply again.</source>
        <translation>设置未保存，并且 Monitor 未确认键盘已收到这些设置。请确保 Monitor 正在运行并再次应用。</translation>
    </message>
    <message>
        <source>The keyboard refused some changes. They stay marked; Apply sends them again.</source>
        <translation>键盘拒绝了部分更改。这些更改仍保持标记；“应用”会再次发送它们。</translation>
    </message>
    <message>
        <source>The keyboard refused some changes: %1. They stay marked; Apply sends them again.</source>
        <translation>键盘拒绝了部分更改：%1。这些更改仍保持标记；“应用”会再次发送它们。</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole. It is left as it is: the macros that could be read are shown, and macros recorded or changed now are not saved to it until it is mended or removed.</source>
        <translation>无法完整读取宏库 %1。它保持原样：显示能够读取的宏，而现在录制或更改的宏在宏库被修复或删除之前不会保存到其中。</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole: %2. It is left as it is: the macros that could be read are shown, and macros recorded or changed now are not saved to it until it is mended or removed.</source>
        <translation>无法完整读取宏库 %1：%2。它保持原样：显示能够读取的宏，而现在录制或更改的宏在宏库被修复或删除之前不会保存到其中。</translation>
    </message>
    <message>
        <source>The settings could not be saved:
%1
They stay marked as changed: once the problem is solved, apply again to save them.</source>
        <translation>无法保存设置：
%1
这些设置仍标记为已更改：问题解决后，请再次应用以保存它们。</translation>
    </message>
</context>
<context>
    <name>ShortcutDialog</name>
    <message>
        <source>Press the key with Ctrl, Shift, Alt or Win held to record the combination. </source>
        <translation>按住 Ctrl、Shift、Alt 或 Win 的同时按下按键，即可录制组合键。 </translation>
    </message>
</context>
<context>
    <name>SkinAdvanced</name>
    <message>
        <source>ADVANCED</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Settings of the current profile. They reach the keyboard when you press APPLY or OK.</source>
        <translation>当前配置文件的设置。按“应用”或“确定”后发送到键盘。</translation>
    </message>
    <message>
        <source>POLLING RATE</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>How often the keyboard reports to the computer.</source>
        <translation>键盘向电脑报告的频率。</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>灯光</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>效果</translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>WINDOWS KEY</source>
        <translation>WINDOWS 键</translation>
    </message>
    <message>
        <source>Lock it so that it cannot throw you out of a game.</source>
        <translation>锁定它，以免它把你从游戏中切出。</translation>
    </message>
    <message>
        <source>POWER SAVING</source>
        <translation>节能</translation>
    </message>
    <message>
        <source>Lets the keyboard save power when it is idle.</source>
        <translation>键盘空闲时节省电量。</translation>
    </message>
    <message>
        <source>125 Hz</source>
        <translation>125 Hz</translation>
    </message>
    <message>
        <source>Report 125 times a second (8 ms).</source>
        <translation>每秒报告 125 次（8 ms）。</translation>
    </message>
    <message>
        <source>500 Hz</source>
        <translation>500 Hz</translation>
    </message>
    <message>
        <source>Report 500 times a second (2 ms).</source>
        <translation>每秒报告 500 次（2 ms）。</translation>
    </message>
    <message>
        <source>1000 Hz</source>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <source>Report 1000 times a second (1 ms): the quickest response.</source>
        <translation>每秒报告 1000 次（1 ms）：响应最快。</translation>
    </message>
    <message>
        <source>Lighting effect of the keyboard. Click to choose another.</source>
        <translation>键盘的灯光效果。点击以选择其他效果。</translation>
    </message>
    <message>
        <source>Lighting colour of the keyboard. Click to choose another.</source>
        <translation>键盘的灯光颜色。点击以选择其他颜色。</translation>
    </message>
    <message>
        <source>ENABLED</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>The Windows keys work as usual.</source>
        <translation>Windows 键照常工作。</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>锁定</translation>
    </message>
    <message>
        <source>The Windows keys are locked while you play.</source>
        <translation>游戏时 Windows 键被锁定。</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Power saving is off.</source>
        <translation>节能已关闭。</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
    <message>
        <source>The keyboard saves power when it is idle.</source>
        <translation>键盘空闲时节省电量。</translation>
    </message>
</context>
<context>
    <name>SkinKeyMapping</name>
    <message>
        <source>KEY MAPPING</source>
        <translation>按键映射</translation>
    </message>
    <message>
        <source>Click a key to make it send another key or a mouse function. Remapped keys stay lit.</source>
        <translation>点击一个按键，让它发送另一个按键或鼠标功能。已重映射的按键会亮起。</translation>
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
        <translation>已重映射</translation>
    </message>
    <message>
        <source>Default key</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>%1 key. Click to make it send another key or a mouse function.</source>
        <translation>%1 键。点击以让它发送另一个按键或鼠标功能。</translation>
    </message>
</context>
<context>
    <name>SkinLaunchProgram</name>
    <message>
        <source>PROGRAM TO START WHEN THE KEY IS PRESSED</source>
        <translation>按下该键时启动的程序</translation>
    </message>
    <message>
        <source>Path of the program.</source>
        <translation>程序的路径。</translation>
    </message>
    <message>
        <source>BROWSE...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Choose the program in a file dialog.</source>
        <translation>在文件对话框中选择程序。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Use this program.</source>
        <translation>使用此程序。</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>保持按键原样。</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>保持按键原样并关闭。</translation>
    </message>
    <message>
        <source>LAUNCH PROGRAM</source>
        <translation>启动程序</translation>
    </message>
</context>
<context>
    <name>SkinMacroKeys</name>
    <message>
        <source>MACRO KEYS</source>
        <translation>宏按键</translation>
    </message>
    <message>
        <source>Click a key to give it a macro, a key combination, a program, a media function or a mouse button.</source>
        <translation>点击一个按键，为它指定宏、组合键、程序、媒体功能或鼠标按键。</translation>
    </message>
    <message>
        <source>G9 to G14 are the media keys: the Media Keys page shows the same six keys.</source>
        <translation>G9 到 G14 是媒体键：“媒体键”页面显示的是同样六个按键。</translation>
    </message>
    <message>
        <source>Programmable key G%1. Click to choose what it does.</source>
        <translation>可编程按键 G%1。点击以选择它的功能。</translation>
    </message>
</context>
<context>
    <name>SkinMacroManager</name>
    <message>
        <source>MACROS</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>EVENTS</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>TIMES</source>
        <translation>次</translation>
    </message>
    <message>
        <source>Right-click the event list to record before or after a step, insert delays and mouse buttons, edit or delete.</source>
        <translation>右键单击事件列表：可在某一步之前或之后录制、插入延时和鼠标按键、编辑或删除。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Keep the changes to the macro library.</source>
        <translation>保留对宏库的更改。</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Discard the changes to the macro library.</source>
        <translation>放弃对宏库的更改。</translation>
    </message>
    <message>
        <source>Discard the changes and close.</source>
        <translation>放弃更改并关闭。</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Create a new macro and name it.</source>
        <translation>新建一个宏并为其命名。</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete the selected macro.</source>
        <translation>删除所选的宏。</translation>
    </message>
    <message>
        <source>Macros of the library.</source>
        <translation>宏库中的宏。</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>录制</translation>
    </message>
    <message>
        <source>Record the keys you press into the selected macro. Click again to stop.</source>
        <translation>将您按下的按键录制到所选的宏中。再次点击以停止。</translation>
    </message>
    <message>
        <source>RECORD DELAYS</source>
        <translation>录制延时</translation>
    </message>
    <message>
        <source>Record the pauses between the keys as delays.</source>
        <translation>将按键之间的停顿录制为延时。</translation>
    </message>
    <message>
        <source>REPEAT</source>
        <translation>重复</translation>
    </message>
    <message>
        <source>Play the macro more than once each time the key is pressed.</source>
        <translation>每次按下按键时将宏播放多次。</translation>
    </message>
    <message>
        <source>How many times the macro plays (1-255).</source>
        <translation>宏播放的次数（1-255）。</translation>
    </message>
    <message>
        <source>Steps of the selected macro. Right-click for more.</source>
        <translation>所选宏的步骤。右键单击可进行更多操作。</translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation>宏管理器</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>SkinMain</name>
    <message>
        <source>GAMING KEYBOARD CONTROL CENTER</source>
        <translation>游戏键盘控制中心</translation>
    </message>
    <message>
        <source>PROFILES</source>
        <translation>配置文件</translation>
    </message>
    <message>
        <source>KEY MAPPING</source>
        <translation>按键映射</translation>
    </message>
    <message>
        <source>Remap the standard keys of the keyboard.</source>
        <translation>重新映射键盘的标准按键。</translation>
    </message>
    <message>
        <source>MACRO KEYS</source>
        <translation>宏按键</translation>
    </message>
    <message>
        <source>Give the programmable keys macros and functions.</source>
        <translation>为可编程按键指定宏和功能。</translation>
    </message>
    <message>
        <source>MEDIA KEYS</source>
        <translation>媒体键</translation>
    </message>
    <message>
        <source>Give the media keys their functions and choose the media player they control.</source>
        <translation>为媒体键指定功能，并选择它们控制的媒体播放器。</translation>
    </message>
    <message>
        <source>ADVANCED</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Polling rate; lighting; Windows key lock and power saving.</source>
        <translation>回报率；灯光；Windows 键锁定和节能。</translation>
    </message>
    <message>
        <source>Orvyn Vantor gaming keyboard.</source>
        <translation>Orvyn Vantor 游戏键盘。</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Start the current profile afresh with a new name and game program.</source>
        <translation>以新的名称和游戏程序重新开始当前配置文件。</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Load a profile file into the current profile.</source>
        <translation>将配置文件载入当前配置文件。</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Save the current profile to a profile file.</source>
        <translation>将当前配置文件保存为配置文件。</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Change the name and the game program of the current profile.</source>
        <translation>更改当前配置文件的名称和游戏程序。</translation>
    </message>
    <message>
        <source>PROFILE 1</source>
        <translation>配置文件 1</translation>
    </message>
    <message>
        <source>Show and edit profile 1.</source>
        <translation>显示并编辑配置文件 1。</translation>
    </message>
    <message>
        <source>PROFILE 2</source>
        <translation>配置文件 2</translation>
    </message>
    <message>
        <source>Show and edit profile 2.</source>
        <translation>显示并编辑配置文件 2。</translation>
    </message>
    <message>
        <source>PROFILE 3</source>
        <translation>配置文件 3</translation>
    </message>
    <message>
        <source>Show and edit profile 3.</source>
        <translation>显示并编辑配置文件 3。</translation>
    </message>
    <message>
        <source>PROFILE 4</source>
        <translation>配置文件 4</translation>
    </message>
    <message>
        <source>Show and edit profile 4.</source>
        <translation>显示并编辑配置文件 4。</translation>
    </message>
    <message>
        <source>PROFILE 5</source>
        <translation>配置文件 5</translation>
    </message>
    <message>
        <source>Show and edit profile 5.</source>
        <translation>显示并编辑配置文件 5。</translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation>宏管理器</translation>
    </message>
    <message>
        <source>Record and edit the macros of the macro library.</source>
        <translation>录制和编辑宏库中的宏。</translation>
    </message>
    <message>
        <source>Minimize the window.</source>
        <translation>最小化窗口。</translation>
    </message>
    <message>
        <source>Close without applying changes.</source>
        <translation>关闭且不应用更改。</translation>
    </message>
    <message>
        <source>Open the user manual.</source>
        <translation>打开用户手册。</translation>
    </message>
    <message>
        <source>Visit the Orvyn Vantor web page.</source>
        <translation>访问 Orvyn Vantor 网页。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Write the changes to the keyboard and close.</source>
        <translation>将更改写入键盘并关闭。</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Write the changes to the keyboard.</source>
        <translation>将更改写入键盘。</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>RESTORE DEFAULTS</source>
        <translation>恢复默认</translation>
    </message>
    <message>
        <source>Restore the factory settings of all five profiles.</source>
        <translation>恢复全部五个配置文件的出厂设置。</translation>
    </message>
</context>
<context>
    <name>SkinMediaKeys</name>
    <message>
        <source>MEDIA KEYS</source>
        <translation>媒体键</translation>
    </message>
    <message>
        <source>Click a media key to choose its function. The media keys drive the player chosen on the right.</source>
        <translation>点击一个媒体键以选择其功能。媒体键控制右侧所选的播放器。</translation>
    </message>
    <message>
        <source>KEYS</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>MEDIA PLAYER</source>
        <translation>媒体播放器</translation>
    </message>
    <message>
        <source>M1 to M6 are keys G9 to G14 of the Macro Keys page.</source>
        <translation>M1 到 M6 就是“宏按键”页面上的 G9 到 G14 键。</translation>
    </message>
    <message>
        <source>The media keys control this player:</source>
        <translation>媒体键控制此播放器：</translation>
    </message>
    <message>
        <source>Play, pause, stop and track keys go to the chosen player when it is running.</source>
        <translation>播放、暂停、停止和曲目键会发送到所选播放器（当它正在运行时）。</translation>
    </message>
    <message>
        <source>Media key M%1. Click to choose what it does.</source>
        <translation>媒体键 M%1。点击以选择其功能。</translation>
    </message>
    <message>
        <source>The media player that the media keys control. Click to choose another.</source>
        <translation>媒体键控制的媒体播放器。点击以选择其他播放器。</translation>
    </message>
</context>
<context>
    <name>SkinProfile</name>
    <message>
        <source>PROFILE NAME</source>
        <translation>配置文件名称</translation>
    </message>
    <message>
        <source>GAME PROGRAM</source>
        <translation>游戏程序</translation>
    </message>
    <message>
        <source>Matched by file name only (like game.exe): when it comes to the front, this profile is used.</source>
        <translation>只按文件名匹配（如 game.exe）：该程序切换到前台时，使用此配置文件。</translation>
    </message>
    <message>
        <source>Name of the profile (20 characters).</source>
        <translation>配置文件的名称（20 个字符）。</translation>
    </message>
    <message>
        <source>The game: a program of this file name in front selects this profile.</source>
        <translation>游戏：此文件名的程序位于前台时选择此配置文件。</translation>
    </message>
    <message>
        <source>BROWSE...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Choose the game program in a file dialog.</source>
        <translation>在文件对话框中选择游戏程序。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Keep the name and the game program.</source>
        <translation>保留名称和游戏程序。</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Leave the profile as it was.</source>
        <translation>保持配置文件原样。</translation>
    </message>
    <message>
        <source>Leave the profile as it was and close.</source>
        <translation>保持配置文件原样并关闭。</translation>
    </message>
    <message>
        <source>PROFILE</source>
        <translation>配置文件</translation>
    </message>
</context>
<context>
    <name>SkinShortcut</name>
    <message>
        <source>PRESS THE KEY</source>
        <translation>请按下按键</translation>
    </message>
    <message>
        <source>WITH</source>
        <translation>同时按</translation>
    </message>
    <message>
        <source>Every key is recorded; hold Ctrl, Shift, Alt or Win with it for a combination. Hold Enter 1 s: OK; hold Esc 1 s: cancel.</source>
        <translation>每个按键都会被录制；同时按住 Ctrl、Shift、Alt 或 Win 可组成组合键。按住 Enter 1 秒：确定；按住 Esc 1 秒：取消。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Use this key combination.</source>
        <translation>使用此组合键。</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>保持按键原样。</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>保持按键原样并关闭。</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>无</translation>
    </message>
    <message>
        <source>The key alone without a modifier.</source>
        <translation>只按该键，不带修饰键。</translation>
    </message>
    <message>
        <source>CTRL</source>
        <translation>CTRL</translation>
    </message>
    <message>
        <source>Hold Ctrl with the key.</source>
        <translation>同时按住 Ctrl 和该键。</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>SHIFT</translation>
    </message>
    <message>
        <source>Hold Shift with the key.</source>
        <translation>同时按住 Shift 和该键。</translation>
    </message>
    <message>
        <source>ALT</source>
        <translation>ALT</translation>
    </message>
    <message>
        <source>Hold Alt with the key.</source>
        <translation>同时按住 Alt 和该键。</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>WIN</translation>
    </message>
    <message>
        <source>Hold the Windows key with the key.</source>
        <translation>同时按住 Windows 键和该键。</translation>
    </message>
    <message>
        <source>The key of the combination.</source>
        <translation>组合键中的按键。</translation>
    </message>
    <message>
        <source>KEY COMBINATION</source>
        <translation>组合键</translation>
    </message>
</context>
<context>
    <name>SkinSwapKey</name>
    <message>
        <source>THIS KEY NOW SENDS</source>
        <translation>此按键现在发送</translation>
    </message>
    <message>
        <source>KEY: press the key it should send. MOUSE: choose a mouse function. Hold Enter 1 s: OK; hold Esc 1 s: cancel.</source>
        <translation>按键：按下它应发送的按键。鼠标：选择一个鼠标功能。按住 Enter 1 秒：确定；按住 Esc 1 秒：取消。</translation>
    </message>
    <message>
        <source>The key it will send.</source>
        <translation>它将发送的按键。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Remap the key.</source>
        <translation>重新映射该按键。</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>保持按键原样。</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>保持按键原样并关闭。</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Give the key back its own function.</source>
        <translation>恢复该按键本身的功能。</translation>
    </message>
    <message>
        <source>Choose the mouse function.</source>
        <translation>选择鼠标功能。</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>The key sends another key.</source>
        <translation>该按键发送另一个按键。</translation>
    </message>
    <message>
        <source>MOUSE</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>The key acts as a mouse button.</source>
        <translation>该按键作为鼠标按键。</translation>
    </message>
    <message>
        <source>SWAP KEY</source>
        <translation>交换按键</translation>
    </message>
</context>
<context>
    <name>SkinWarnings</name>
    <message>
        <source>DELETE MACRO</source>
        <translation>删除宏</translation>
    </message>
    <message>
        <source>Delete the selected macro?</source>
        <translation>删除所选的宏？</translation>
    </message>
    <message>
        <source>It is removed from the macro library. Cancel in the macro manager brings it back.</source>
        <translation>它将从宏库中移除。在宏管理器中点击“取消”可恢复它。</translation>
    </message>
    <message>
        <source>Delete the macro.</source>
        <translation>删除该宏。</translation>
    </message>
    <message>
        <source>Keep the macro.</source>
        <translation>保留该宏。</translation>
    </message>
    <message>
        <source>NO MACRO SELECTED</source>
        <translation>未选择宏</translation>
    </message>
    <message>
        <source>Select a macro first.</source>
        <translation>请先选择一个宏。</translation>
    </message>
    <message>
        <source>Choose a macro in the list or create one with NEW.</source>
        <translation>请在列表中选择一个宏，或点击“新建”创建一个。</translation>
    </message>
    <message>
        <source>Close this message.</source>
        <translation>关闭此消息。</translation>
    </message>
    <message>
        <source>RESTORE DEFAULTS</source>
        <translation>恢复默认</translation>
    </message>
    <message>
        <source>Restore the factory settings?</source>
        <translation>恢复出厂设置？</translation>
    </message>
    <message>
        <source>All five profiles return to their defaults and are written to the keyboard at once.</source>
        <translation>全部五个配置文件将恢复为默认值，并立即写入键盘。</translation>
    </message>
    <message>
        <source>Restore the factory settings.</source>
        <translation>恢复出厂设置。</translation>
    </message>
    <message>
        <source>Keep the current settings.</source>
        <translation>保留当前设置。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>StandardKeyPage</name>
    <message>
        <source>Key %1</source>
        <translation>按键 %1</translation>
    </message>
    <message>
        <source>key code %1</source>
        <translation>键码 %1</translation>
    </message>
    <message>
        <source>%1, sends %2</source>
        <translation>%1，发送 %2</translation>
    </message>
</context>
<context>
    <name>UserManual</name>
    <message>
        <source>User Manual</source>
        <translation>用户手册</translation>
    </message>
    <message>
        <source>Profiles, keys, macros and lighting of the keyboard, set up from the Linux desktop</source>
        <translation>在 Linux 桌面上设置键盘的配置文件、按键、宏和灯光</translation>
    </message>
    <message>
        <source>The chapters that follow are in English.</source>
        <translation>以下各章为英文。</translation>
    </message>
</context>
<context>
    <name>vantorctl</name>
    <message>
        <source>Another change is in progress (Option&apos;s window or another vantorctl command), so nothing was changed: two editors of one configuration would overwrite each other. Close Option or wait for the other command, then try again.</source>
        <translation>另一项更改正在进行（Option 的窗口或另一个 vantorctl 命令），因此未做任何更改：同一配置的两个编辑者会互相覆盖。请关闭 Option 或等待另一个命令完成，然后重试。</translation>
    </message>
    <message>
        <source>Another program receives Option&apos;s messages, so nothing was changed. Close Option and try again.</source>
        <translation>另一个程序正在接收 Option 的消息，因此未做任何更改。请关闭 Option 后重试。</translation>
    </message>
    <message>
        <source>Cannot receive Monitor&apos;s answer: %1</source>
        <translation>无法接收 Monitor 的应答：%1</translation>
    </message>
    <message>
        <source>The keyboard refused some changes. The settings files hold them, but the keyboard did not take them.</source>
        <translation>键盘拒绝了部分更改。设置文件中已保存这些更改，但键盘没有接受。</translation>
    </message>
    <message>
        <source>The keyboard refused some changes: %1. The settings files hold them, but the keyboard did not take them.</source>
        <translation>键盘拒绝了部分更改：%1。设置文件中已保存这些更改，但键盘没有接受。</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation>无法读取“%1”。</translation>
    </message>
    <message>
        <source>Cannot read standard input: %1</source>
        <translation>无法读取标准输入：%1</translation>
    </message>
    <message>
        <source>The document on standard input is larger than a profile document can be.</source>
        <translation>标准输入中的文档超出了配置文件文档的最大大小。</translation>
    </message>
    <message>
        <source>set needs a profile and at least one KEY=VALUE.</source>
        <translation>set 需要一个配置文件和至少一个 KEY=VALUE。</translation>
    </message>
    <message>
        <source>assign needs a profile, a key and what the key does.</source>
        <translation>assign 需要一个配置文件、一个按键以及该按键的功能。</translation>
    </message>
    <message>
        <source>default takes nothing after it.</source>
        <translation>default 后面不能再跟任何内容。</translation>
    </message>
    <message>
        <source>program takes one path (quote a path with blanks).</source>
        <translation>program 接受一个路径（含空格的路径请加引号）。</translation>
    </message>
    <message>
        <source>No program &quot;%1&quot; was found in PATH; give its full path (or ./%1 for one in the current folder).</source>
        <translation>在 PATH 中未找到程序“%1”；请给出其完整路径（当前文件夹中的程序可写作 ./%1）。</translation>
    </message>
    <message>
        <source>Cannot make a full path of &quot;%1&quot;.</source>
        <translation>无法由“%1”构成完整路径。</translation>
    </message>
    <message>
        <source>The path &quot;%1&quot; is longer than the %2 bytes a key holds.</source>
        <translation>路径“%1”超过了一个按键可容纳的 %2 字节。</translation>
    </message>
    <message>
        <source>note: &quot;%1&quot; does not exist (yet); the key starts it once it does.</source>
        <translation>注意：“%1”（尚）不存在；它存在后，该按键即可启动它。</translation>
    </message>
    <message>
        <source>macro takes the name of a macro of the library (vantorctl macros).</source>
        <translation>macro 接受宏库中某个宏的名称（见 vantorctl macros）。</translation>
    </message>
    <message>
        <source>Unknown assignment &quot;%1&quot;: use macro NAME, keys COMBINATION, program PATH, media NAME, mouse NAME or default.</source>
        <translation>未知的分配“%1”：请使用 macro NAME、keys COMBINATION、program PATH、media NAME、mouse NAME 或 default。</translation>
    </message>
    <message>
        <source>export needs a profile and a file.</source>
        <translation>export 需要一个配置文件和一个文件。</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>无法写入“%1”：%2。</translation>
    </message>
    <message>
        <source> The file that was there is left as it was.</source>
        <translation> 原有文件保持不变。</translation>
    </message>
    <message>
        <source>import needs a profile and a file.</source>
        <translation>import 需要一个配置文件和一个文件。</translation>
    </message>
    <message>
        <source>standard input is not a usable profile document: %1. Nothing was imported.</source>
        <translation>标准输入不是可用的配置文件文档：%1。未导入任何内容。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a usable profile document: %2. Nothing was imported.</source>
        <translation>“%1”不是可用的配置文件文档：%2。未导入任何内容。</translation>
    </message>
    <message>
        <source>--wait takes a number of seconds (more than 0, at most a day).</source>
        <translation>--wait 接受秒数（大于 0，最多一天）。</translation>
    </message>
    <message>
        <source>Usage: %1 %2 (see %1 --help)
</source>
        <translation>用法：%1 %2（参见 %1 --help）
</translation>
    </message>
    <message>
        <source>Which profile (1-5)?</source>
        <translation>哪个配置文件（1-5）？</translation>
    </message>
    <message>
        <source>keyboard, firmware, current profile, whether Monitor runs</source>
        <translation>键盘、固件、当前配置文件、Monitor 是否在运行</translation>
    </message>
    <message>
        <source>Shows whether Monitor runs and has the keyboard, the firmware version and the current profile. Exit status 0 when Monitor runs with the keyboard connected, 2 otherwise.</source>
        <translation>显示 Monitor 是否在运行并已连接键盘、固件版本和当前配置文件。Monitor 正在运行且键盘已连接时退出状态为 0，否则为 2。</translation>
    </message>
    <message>
        <source>show the current profile, or switch to profile N (1-5)</source>
        <translation>显示当前配置文件，或切换到配置文件 N（1-5）</translation>
    </message>
    <message>
        <source>Without N: prints the current profile&apos;s number and name. With N: makes profile N current on the keyboard.</source>
        <translation>不带 N：输出当前配置文件的编号和名称。带 N：将配置文件 N 设为键盘上的当前配置文件。</translation>
    </message>
    <message>
        <source>a profile&apos;s lighting, polling rate, switches, keys and remapped keys</source>
        <translation>配置文件的灯光、回报率、开关、按键和重映射的按键</translation>
    </message>
    <message>
        <source>Shows a profile (the current one when none is given): lighting effect and colour, polling rate, Windows-key lock, power saving, what each programmable key G1-G15 does (as the window&apos;s captions say it) and the remapped standard keys. With --json: the whole profile as a JSON document.</source>
        <translation>显示一个配置文件（未指定时为当前配置文件）：灯光效果和颜色、回报率、Windows 键锁定、节能、每个可编程按键 G1-G15 的功能（与窗口中的标注一致）以及重映射的标准按键。使用 --json 时：以 JSON 文档输出整个配置文件。</translation>
    </message>
    <message>
        <source>lighting, polling rate, Windows-key lock, power saving, name, game</source>
        <translation>灯光、回报率、Windows 键锁定、节能、名称、游戏</translation>
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
        <translation>更改配置文件的设置并应用：
  effect=static|breathing|wave|reactive|ripple|lights-off  灯光效果
  colour=red|green|blue|yellow|purple|cyan|colour-cycle|1-7 灯光颜色
  polling=125|500|1000        回报率（Hz）
  winlock=on|off              Windows 键锁定
  powersaving=on|off          节能
  name=TEXT                   配置文件名称（20 个字符）
  game=PATH                   其窗口会选中此配置文件的游戏</translation>
    </message>
    <message>
        <source>what a programmable key does</source>
        <translation>可编程按键的功能</translation>
    </message>
    <message>
        <source>a profile into a .gkp profile file, or a JSON document</source>
        <translation>将配置文件写入 .gkp 文件或 JSON 文档</translation>
    </message>
    <message>
        <source>Writes a profile into a profile file (.gkp, as the window&apos;s EXPORT does: its name is noted in config.ini and a copy kept in the settings folder), or with --json, a FILE ending in .json, or FILE &quot;-&quot; (standard output) as a JSON document.</source>
        <translation>将配置文件写入 .gkp 配置文件（与窗口中的 EXPORT 相同：文件名记录在 config.ini 中，并在设置文件夹中保留一份副本）；使用 --json、以 .json 结尾的 FILE 或 FILE “-”（标准输出）时，写为 JSON 文档。</translation>
    </message>
    <message>
        <source>a profile from a .gkp profile file or a JSON document, and apply it</source>
        <translation>从 .gkp 文件或 JSON 文档导入配置文件并应用</translation>
    </message>
    <message>
        <source>Replaces a profile by a profile file (.gkp, as the window&apos;s IMPORT does) or with --json, a FILE ending in .json, or FILE &quot;-&quot; (standard input) by a JSON document, and applies the whole profile. A file that is not usable changes nothing.</source>
        <translation>用 .gkp 配置文件（与窗口中的 IMPORT 相同）替换配置文件；使用 --json、以 .json 结尾的 FILE 或 FILE “-”（标准输入）时，用 JSON 文档替换；然后应用整个配置文件。不可用的文件不会改变任何内容。</translation>
    </message>
    <message>
        <source>the macro library</source>
        <translation>宏库</translation>
    </message>
    <message>
        <source>Lists the macros of the library: name, steps, repeat.</source>
        <translation>列出宏库中的宏：名称、步骤、重复次数。</translation>
    </message>
    <message>
        <source>the names assign accepts</source>
        <translation>assign 接受的名称</translation>
    </message>
    <message>
        <source>Lists the function names of assign ... media and assign ... mouse, and the key names of assign ... keys, one a line.</source>
        <translation>列出 assign ... media 和 assign ... mouse 的功能名称，以及 assign ... keys 的按键名称，每行一个。</translation>
    </message>
    <message>
        <source>%1 takes on or off, not %2.</source>
        <translation>%1 只接受 on 或 off，不接受 %2。</translation>
    </message>
    <message>
        <source>Unknown lighting effect %1: use one of %2 (or 1, 2, 4, 8, 16, 32).</source>
        <translation>未知的灯光效果 %1：请使用 %2 之一（或 1、2、4、8、16、32）。</translation>
    </message>
    <message>
        <source>Colour %1 is out of range: use 1-7 or one of %2.</source>
        <translation>颜色 %1 超出范围：请使用 1-7 或 %2 之一。</translation>
    </message>
    <message>
        <source>Unknown colour %1: use one of %2 (or 1-7).</source>
        <translation>未知的颜色 %1：请使用 %2 之一（或 1-7）。</translation>
    </message>
    <message>
        <source>Polling rate %1 is not one of 125, 500, 1000 (Hz).</source>
        <translation>回报率 %1 不是 125、500、1000（Hz）之一。</translation>
    </message>
    <message>
        <source>Profile %1 does not exist: profiles are 1-5.</source>
        <translation>配置文件 %1 不存在：配置文件编号为 1-5。</translation>
    </message>
    <message>
        <source>Unknown key %1: the programmable keys are G1-G15.</source>
        <translation>未知的按键 %1：可编程按键为 G1-G15。</translation>
    </message>
    <message>
        <source>Expected KEY=VALUE, not %1.</source>
        <translation>应为 KEY=VALUE，而不是 %1。</translation>
    </message>
    <message>
        <source>The game program&apos;s path is longer than the %1 bytes a profile holds.</source>
        <translation>游戏程序的路径超过了配置文件可容纳的 %1 字节。</translation>
    </message>
    <message>
        <source>Unknown setting %1: use effect, colour, polling, winlock, powersaving, name or game.</source>
        <translation>未知的设置 %1：请使用 effect、colour、polling、winlock、powersaving、name 或 game。</translation>
    </message>
    <message>
        <source>The mouse button %1 can only be a step of a macro, not a key&apos;s combination.</source>
        <translation>鼠标按键 %1 只能作为宏的步骤，不能用于按键的组合键。</translation>
    </message>
    <message>
        <source>Unknown media function %1: use one of %2.</source>
        <translation>未知的媒体功能 %1：请使用 %2 之一。</translation>
    </message>
    <message>
        <source>Unknown mouse function %1: use one of %2.</source>
        <translation>未知的鼠标功能 %1：请使用 %2 之一。</translation>
    </message>
    <message>
        <source>status takes no arguments.</source>
        <translation>status 不接受参数。</translation>
    </message>
    <message>
        <source>profile takes at most one profile number.</source>
        <translation>profile 最多接受一个配置文件编号。</translation>
    </message>
    <message>
        <source>show takes at most one profile number.</source>
        <translation>show 最多接受一个配置文件编号。</translation>
    </message>
    <message>
        <source>macros takes no arguments.</source>
        <translation>macros 不接受参数。</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole: %2.</source>
        <translation>无法完整读取宏库 %1：%2。</translation>
    </message>
    <message>
        <source>functions takes one of media, mouse, keys.</source>
        <translation>functions 接受 media、mouse、keys 之一。</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>显示此帮助。</translation>
    </message>
    <message>
        <source>JSON instead of text (the schema is in the manual page).</source>
        <translation>输出 JSON 而非文本（格式说明见手册页）。</translation>
    </message>
    <message>
        <source>Waits at most SECONDS for Monitor to confirm that the keyboard took the change (default 40 minutes, longer than the slowest apply).</source>
        <translation>最多等待 SECONDS 秒，直到 Monitor 确认键盘已接受更改（默认 40 分钟，比最慢的一次应用还长）。</translation>
    </message>
    <message>
        <source>Exit status: 0 done; 1 bad input (nothing changed); 2 Monitor not running, no keyboard or no answer (the settings files are saved); 3 Option is open or another change is in progress (changing commands refuse); 4 settings could not be saved (the message names the file; the keyboard may have taken the change); 5 the keyboard refused part of the change (the message names the settings; the files are saved).
</source>
        <translation>退出状态：0 完成；1 输入有误（未做任何更改）；2 Monitor 未运行、无键盘或无应答（设置文件已保存）；3 Option 已打开或另一项更改正在进行（更改类命令会拒绝执行）；4 无法保存设置（消息中会给出文件名；键盘可能已接受更改）；5 键盘拒绝了部分更改（消息中会给出相关设置；文件已保存）。
</translation>
    </message>
    <message>
        <source>Usage: vantorctl COMMAND [ARGUMENTS] [--help]

Reads and changes the Orvyn Vantor keyboard&apos;s configuration as the Option window does. Changes are applied
before the command returns.

Commands:
</source>
        <translation>用法：vantorctl COMMAND [ARGUMENTS] [--help]

像 Option 窗口一样读取和更改 Orvyn Vantor 键盘的配置。更改会在命令返回之前
应用完毕。

命令：
</translation>
    </message>
    <message>
        <source>
Reading commands work while Option is open; changing commands (profile N, set, assign, import) refuse.
</source>
        <translation>
读取类命令在 Option 打开时也可使用；更改类命令（profile N、set、assign、import）会拒绝执行。
</translation>
    </message>
    <message>
        <source>See vantorctl COMMAND --help and man vantorctl.
</source>
        <translation>请参阅 vantorctl COMMAND --help 和 man vantorctl。
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>用法：%1 [选项]</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>未知命令“%1”。</translation>
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
        <translation>为配置文件的可编程按键 G1-G15 指定功能并应用：
  macro NAME         宏库中的一个宏（见 vantorctl macros）
  keys COMBINATION   使用英文按键名称的组合键：Ctrl+Alt+X、Shift+Page Down
  program PATH       启动一个程序（或 .desktop 文件）
  media NAME         媒体或应用程序功能：Play/Pause、Volume Up、Calculator 等
  mouse NAME         鼠标功能：Left Button、Double Click、Key Disabled 等
  default            该按键的出厂设置
名称不区分大小写；vantorctl functions 会列出这些名称。</translation>
    </message>
    <message>
        <source>Unknown key %1 in %2: write it with the English key names, e.g. Ctrl+Alt+X or Shift+Page Down (vantorctl functions lists them).</source>
        <translation>%2 中的按键 %1 未知：请使用英文按键名称书写，例如 Ctrl+Alt+X 或 Shift+Page Down（vantorctl functions 会列出这些名称）。</translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation>未知字段</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>缺失</translation>
    </message>
    <message>
        <source>expected a whole number</source>
        <translation>应为整数</translation>
    </message>
    <message>
        <source>%1 is out of range (%2 to %3)</source>
        <translation>%1 超出范围（%2 到 %3）</translation>
    </message>
    <message>
        <source>expected a text</source>
        <translation>应为文本</translation>
    </message>
    <message>
        <source>longer than the %1 bytes the profile holds</source>
        <translation>超过了配置文件可容纳的 %1 字节</translation>
    </message>
    <message>
        <source>contains a NUL character</source>
        <translation>包含 NUL 字符</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>应为对象</translation>
    </message>
    <message>
        <source>expected a list</source>
        <translation>应为列表</translation>
    </message>
    <message>
        <source>%1 steps; a key holds at most 50</source>
        <translation>%1 个步骤；一个按键最多容纳 50 个</translation>
    </message>
    <message>
        <source>%1 keys; a profile has 15 (G1-G15)</source>
        <translation>%1 个按键；一个配置文件有 15 个（G1-G15）</translation>
    </message>
    <message>
        <source>expected one of G1-G15</source>
        <translation>应为 G1-G15 之一</translation>
    </message>
    <message>
        <source>named twice</source>
        <translation>指定了两次</translation>
    </message>
    <message>
        <source>missing (type 3 is a macro)</source>
        <translation>缺失（类型 3 是宏）</translation>
    </message>
    <message>
        <source>given, but only a macro key (type 3) has one</source>
        <translation>已给出，但只有宏按键（类型 3）才有此项</translation>
    </message>
    <message>
        <source>missing (type 11 starts a program)</source>
        <translation>缺失（类型 11 用于启动程序）</translation>
    </message>
    <message>
        <source>given, but only a program key (type 11) has one</source>
        <translation>已给出，但只有程序键（类型 11）才有此项</translation>
    </message>
    <message>
        <source>position %1 is given twice</source>
        <translation>位置 %1 被指定了两次</translation>
    </message>
    <message>
        <source>not valid JSON at byte %1: %2</source>
        <translation>在字节 %1 处不是有效的 JSON：%2</translation>
    </message>
    <message>
        <source>expected a JSON object at the top</source>
        <translation>顶层应为 JSON 对象</translation>
    </message>
    <message>
        <source>%1: given more than once</source>
        <translation>%1：被指定了多次</translation>
    </message>
    <message>
        <source>format: expected &quot;%1&quot; (not a profile document)</source>
        <translation>format：应为“%1”（不是配置文件文档）</translation>
    </message>
    <message>
        <source>this vantorctl reads version %1</source>
        <translation>此 vantorctl 读取版本 %1</translation>
    </message>
    <message>
        <source>%1 values; a profile has 6</source>
        <translation>%1 个值；一个配置文件有 6 个</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
    <message>
        <source>Profile %1: %2  (current)</source>
        <translation>配置文件 %1：%2  （当前）</translation>
    </message>
    <message>
        <source>Profile %1: %2</source>
        <translation>配置文件 %1：%2</translation>
    </message>
    <message>
        <source>Game program:</source>
        <translation>游戏程序：</translation>
    </message>
    <message>
        <source>Lighting effect:</source>
        <translation>灯光效果：</translation>
    </message>
    <message>
        <source>Lighting colour:</source>
        <translation>灯光颜色：</translation>
    </message>
    <message>
        <source>Polling rate:</source>
        <translation>回报率：</translation>
    </message>
    <message>
        <source>Windows-key lock:</source>
        <translation>Windows 键锁定：</translation>
    </message>
    <message>
        <source>Power saving:</source>
        <translation>节能：</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>按键：</translation>
    </message>
    <message>
        <source>Remapped standard keys: none</source>
        <translation>已重映射的标准按键：无</translation>
    </message>
    <message>
        <source>Remapped standard keys:</source>
        <translation>已重映射的标准按键：</translation>
    </message>
    <message>
        <source>unknown (Monitor is not running)</source>
        <translation>未知（Monitor 未运行）</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Monitor:</source>
        <translation>Monitor：</translation>
    </message>
    <message>
        <source>running</source>
        <translation>正在运行</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>未运行</translation>
    </message>
    <message>
        <source>Keyboard:</source>
        <translation>键盘：</translation>
    </message>
    <message>
        <source>Firmware:</source>
        <translation>固件：</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>配置文件：</translation>
    </message>
    <message>
        <source>Option:</source>
        <translation>Option：</translation>
    </message>
    <message>
        <source>open</source>
        <translation>已打开</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>未打开</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A refused setting&apos;s reason (already translated) as a sentence.</extracomment>
        <translation>%1。</translation>
    </message>
</context>
</TS>
