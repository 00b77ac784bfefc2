<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Writing to the keyboard</source>
        <translation>キーボードに書き込み中</translation>
    </message>
    <message>
        <source>Could not map view of file.</source>
        <translation>ファイルのビューをマップできませんでした。</translation>
    </message>
    <message>
        <source>No program could show the user manual %1. Install a PDF viewer.</source>
        <translation>ユーザーマニュアル %1 を表示できるプログラムがありません。PDF ビューアーをインストールしてください。</translation>
    </message>
    <message>
        <source>The user manual is missing. It was looked for at %1.</source>
        <translation>ユーザーマニュアルが見つかりません。%1 を探しました。</translation>
    </message>
</context>
<context>
    <name>ConnectionLine</name>
    <message>
        <source>Start Monitor</source>
        <translation>Monitor を起動</translation>
    </message>
    <message>
        <source>Monitor is already running.</source>
        <translation>Monitor はすでに実行中です。</translation>
    </message>
    <message>
        <source>Monitor could not be started: %1</source>
        <translation>Monitor を起動できませんでした：%1</translation>
    </message>
</context>
<context>
    <name>ConnectionStatus</name>
    <message>
        <source>Keyboard connected</source>
        <translation>キーボード接続済み</translation>
    </message>
    <message>
        <source>No keyboard connected</source>
        <translation>キーボード未接続</translation>
    </message>
    <message>
        <source>Starting Monitor...</source>
        <translation>Monitor を起動中...</translation>
    </message>
    <message>
        <source>Monitor is not running</source>
        <translation>Monitor は実行されていません</translation>
    </message>
    <message>
        <source>Saved to the keyboard</source>
        <translation>キーボードに保存しました</translation>
    </message>
    <message>
        <source>Saved; the keyboard is not connected</source>
        <translation>保存しました。キーボードは接続されていません</translation>
    </message>
</context>
<context>
    <name>DeviceAccessNotice</name>
    <message>
        <source>The keyboard is connected but cannot be opened</source>
        <translation>キーボードは接続されていますが、開けません</translation>
    </message>
    <message>
        <source>The keyboard is connected, but this user may not use it</source>
        <translation>キーボードは接続されていますが、このユーザーには使用権限がありません</translation>
    </message>
    <message>
        <source>The udev rule %1 is installed: unplug and plug the keyboard, or run: sudo udevadm trigger. If the keyboard has other ids than [Device] in config.ini, set them in the rule as well.</source>
        <translation>udev ルール %1 はインストール済みです：キーボードを抜き差しするか、sudo udevadm trigger を実行してください。キーボードの ID が config.ini の [Device] と異なる場合は、ルールにも設定してください。</translation>
    </message>
    <message>
        <source>Install the udev rule: %1</source>
        <translation>udev ルールをインストールしてください：%1</translation>
    </message>
</context>
<context>
    <name>DocumentOpener</name>
    <message>
        <source>No program could open %1.</source>
        <translation>%1 を開けるプログラムがありません。</translation>
    </message>
    <message>
        <source>No program to show PDF files is installed.</source>
        <translation>PDF ファイルを表示するプログラムがインストールされていません。</translation>
    </message>
    <message>
        <source>The PDF viewer could not show it.</source>
        <translation>PDF ビューアーで表示できませんでした。</translation>
    </message>
    <message>
        <source>The user manual could not be opened. %1

It is at:
%2</source>
        <translation>ユーザーマニュアルを開けませんでした。%1

場所：
%2</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
</context>
<context>
    <name>ForegroundChoice</name>
    <message>
        <source>per-game profiles on GNOME need the extension that tells which window is in front: run &quot;gnome-extensions enable %1&quot; and start Monitor again; until then only games running through XWayland switch the profile</source>
        <translation>GNOME でゲームごとのプロファイルを使うには、前面のウィンドウを知らせる拡張機能が必要です：「gnome-extensions enable %1」を実行して Monitor を再起動してください。それまでは XWayland で動作するゲームだけがプロファイルを切り替えます</translation>
    </message>
    <message>
        <source>per-game profiles on GNOME need the extension that tells which window is in front: run &quot;gnome-extensions enable %1&quot; and start Monitor again</source>
        <translation>GNOME でゲームごとのプロファイルを使うには、前面のウィンドウを知らせる拡張機能が必要です：「gnome-extensions enable %1」を実行して Monitor を再起動してください</translation>
    </message>
</context>
<context>
    <name>KeyCaptureDialog</name>
    <message>
        <source>Every key you press is recorded. Hold Enter for one second for OK, hold Esc for one second to leave without a change.</source>
        <translation>押したキーはすべて記録されます。Enter を 1 秒間押し続けると OK、Esc を 1 秒間押し続けると変更せずに閉じます。</translation>
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
        <translation>BackSpace</translation>
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
        <translation>スペース</translation>
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
        <translation>左ボタン</translation>
    </message>
    <message>
        <source>R Button</source>
        <translation>右ボタン</translation>
    </message>
    <message>
        <source>M Button</source>
        <translation>中央ボタン</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>ボタン 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>ボタン 5</translation>
    </message>
</context>
<context>
    <name>LaunchProgramDialog</name>
    <message>
        <source>exe file(*.exe)</source>
        <translation>exe ファイル(*.exe)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>No program &quot;%1&quot; was found in PATH. Choose it with the browse button or type its full path.</source>
        <translation>PATH にプログラム「%1」が見つかりません。参照ボタンで選択するか、フルパスを入力してください。</translation>
    </message>
    <message>
        <source>The program path is too long: a key holds at most %1 bytes.</source>
        <translation>プログラムのパスが長すぎます：1 つのキーに保存できるのは最大 %1 バイトです。</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>no program given</source>
        <translation>プログラムが指定されていません</translation>
    </message>
    <message>
        <source>not found: %1</source>
        <translation>見つかりません：%1</translation>
    </message>
    <message>
        <source>cannot open %1: xdg-open is not installed</source>
        <translation>%1 を開けません：xdg-open がインストールされていません</translation>
    </message>
    <message>
        <source>%1 is not a file that can be opened</source>
        <translation>%1 は開くことのできるファイルではありません</translation>
    </message>
    <message>
        <source>cannot launch %1</source>
        <translation>起動できません：%1</translation>
    </message>
    <message>
        <source>%1 is not a desktop entry</source>
        <translation>%1 はデスクトップエントリ（.desktop）ではありません</translation>
    </message>
    <message>
        <source>%1 is marked as deleted (Hidden)</source>
        <translation>%1 は削除済みとしてマークされています（Hidden）</translation>
    </message>
    <message>
        <source>%1 links nowhere</source>
        <translation>%1 はどこにもリンクしていません</translation>
    </message>
    <message>
        <source>%1 does not start a program</source>
        <translation>%1 はプログラムを起動しません</translation>
    </message>
    <message>
        <source>%1: %2 is not installed</source>
        <translation>%1：%2 がインストールされていません</translation>
    </message>
    <message>
        <source>%1 has no usable command (Exec)</source>
        <translation>%1 には使用できるコマンド（Exec）がありません</translation>
    </message>
    <message>
        <source>%1 runs in a terminal, and no terminal emulator is installed</source>
        <translation>%1 は端末で実行されますが、端末エミュレーターがインストールされていません</translation>
    </message>
</context>
<context>
    <name>MacroManagerDialog</name>
    <message>
        <source>Macros</source>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>Macro events</source>
        <translation>マクロのステップ</translation>
    </message>
</context>
<context>
    <name>MediaFunction</name>
    <message>
        <source>Screensave</source>
        <translation>スクリーンセーバー</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>エクスプローラー</translation>
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
        <translation>キーボードの設定は保存されませんでした</translation>
    </message>
    <message>
        <source>%1
Monitor writes them again with its next save; free some space or fix the folder&apos;s permissions.</source>
        <translation>%1
Monitor は次回の保存時に再度書き込みます。空き容量を確保するか、フォルダーのアクセス権を修正してください。</translation>
    </message>
    <message>
        <source>Program key %1</source>
        <translation>プログラムキー %1</translation>
    </message>
</context>
<context>
    <name>MonitorHost</name>
    <message>
        <source>Per-game profiles</source>
        <translation>ゲームごとのプロファイル</translation>
    </message>
</context>
<context>
    <name>Option</name>
    <message>
        <source>Option cannot draw its windows, because a file of its skin is wrong:

%1

Restore the skins folder beside the program (or mend the file) and start Option again.</source>
        <translation>スキンのファイルに誤りがあるため、Option はウィンドウを描画できません：

%1

プログラムと同じ場所にある skins フォルダーを復元して（またはファイルを修正して）、Option を再起動してください。</translation>
    </message>
</context>
<context>
    <name>OsdProgram</name>
    <message>
        <source>Windows Key: Lock</source>
        <translation>Windows キー：ロック</translation>
    </message>
    <message>
        <source>Windows Key: UnLock</source>
        <translation>Windows キー：ロック解除</translation>
    </message>
</context>
<context>
    <name>ProfileCheck</name>
    <message>
        <source>%1: %2 has no terminating NUL within its %3 bytes</source>
        <translation>%1：%2 には %3 バイト以内に終端の NUL がありません</translation>
    </message>
    <message>
        <source>%1: %2 is not a repeat count (0-255)</source>
        <translation>%1：%2 は繰り返し回数（0-255）ではありません</translation>
    </message>
    <message>
        <source>%1: %2 is more than the 50 steps a key holds</source>
        <translation>%1：%2 はキーに保存できる 50 ステップを超えています</translation>
    </message>
    <message>
        <source>%1: %2 is not a key or mouse-button code</source>
        <translation>%1：%2 はキーまたはマウスボタンのコードではありません</translation>
    </message>
    <message>
        <source>%1: %2 is neither 1 (press) nor 2 (release)</source>
        <translation>%1：%2 は 1（押す）でも 2（離す）でもありません</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of this assignment type</source>
        <translation>%1：%2 は 0 ではありません。この割り当ての種類の flags は 0 だけです</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of this assignment type</source>
        <translation>%1：%2 は 0 ではありません。この割り当ての種類の code は 0 だけです</translation>
    </message>
    <message>
        <source>%1: %2 is not a set of modifiers (1 Ctrl, 2 Shift, 4 Alt, 8 Win)</source>
        <translation>%1：%2 は修飾キーの組み合わせ（1 Ctrl, 2 Shift, 4 Alt, 8 Win）ではありません</translation>
    </message>
    <message>
        <source>%1: %2 is not a key code</source>
        <translation>%1：%2 はキーコードではありません</translation>
    </message>
    <message>
        <source>%1: %2 is not a keyboard function (1, 4-7)</source>
        <translation>%1：%2 はキーボード機能（1, 4-7）ではありません</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a keyboard function</source>
        <translation>%1：%2 は 0 ではありません。キーボード機能の code は 0 だけです</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of a media function</source>
        <translation>%1：%2 は 0 ではありません。メディア機能の flags は 0 だけです</translation>
    </message>
    <message>
        <source>%1: %2 is not a media or application function (176-199)</source>
        <translation>%1：%2 はメディア機能またはアプリケーション機能（176-199）ではありません</translation>
    </message>
    <message>
        <source>%1: %2 is not a mouse button (1-5)</source>
        <translation>%1：%2 はマウスボタン（1-5）ではありません</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a mouse-button function</source>
        <translation>%1：%2 は 0 ではありません。マウスボタン機能の code は 0 だけです</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only flags of a single key</source>
        <translation>%1：%2 は 0 ではありません。単一キーの flags は 0 だけです</translation>
    </message>
    <message>
        <source>%1: %2 is not %3, the key&apos;s number</source>
        <translation>%1：%2 はキーの番号 %3 ではありません</translation>
    </message>
    <message>
        <source>%1: %2 is not 0, the only code of a program key</source>
        <translation>%1：%2 は 0 ではありません。プログラムキーの code は 0 だけです</translation>
    </message>
    <message>
        <source>%1: %2 is not an assignment type</source>
        <translation>%1：%2 は割り当ての種類ではありません</translation>
    </message>
    <message>
        <source>%1: %2 contains a control character</source>
        <translation>%1：%2 に制御文字が含まれています</translation>
    </message>
    <message>
        <source>%1: %2 contains a bidirectional override</source>
        <translation>%1：%2 に双方向テキストの上書き文字が含まれています</translation>
    </message>
    <message>
        <source>%1: %2 is not a media player (0-3)</source>
        <translation>%1：%2 はメディアプレーヤー（0-3）ではありません</translation>
    </message>
    <message>
        <source>%1: %2 is neither 0 nor 1</source>
        <translation>%1：%2 は 0 でも 1 でもありません</translation>
    </message>
    <message>
        <source>%1: %2 is not a byte (0-255)</source>
        <translation>%1：%2 はバイト値（0-255）ではありません</translation>
    </message>
    <message>
        <source>%1: %2 is not a lighting colour (0-7)</source>
        <translation>%1：%2 はライティングの色（0-7）ではありません</translation>
    </message>
    <message>
        <source>%1: %2 is not a lighting control value (1, 2, 4, 8, 16, 32)</source>
        <translation>%1：%2 はライティングの制御値（1, 2, 4, 8, 16, 32）ではありません</translation>
    </message>
    <message>
        <source>%1: %2 is not a polling rate (1, 2, 4)</source>
        <translation>%1：%2 はポーリングレート（1, 2, 4）ではありません</translation>
    </message>
    <message>
        <source>%1; replaced by its factory value</source>
        <translation>%1；工場出荷時の値に置き換えました</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Game program</source>
        <translation>ゲームプログラム</translation>
    </message>
    <message>
        <source>exe file(*.exe)</source>
        <translation>exe ファイル(*.exe)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
</context>
<context>
    <name>ProfileFiles</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>ファイル %1 は存在しません。</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 はファイルではありません。</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it is larger than %2 MB (a profile file has about 33 KB).</source>
        <translation>%1 はプロファイルファイルではありません：%2 MB を超えています（プロファイルファイルは約 33 KB です）。</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>ファイルを読み込めません：%1。</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it is empty.</source>
        <translation>%1 はプロファイルファイルではありません：空です。</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it has no [Setting] section.</source>
        <translation>%1 はプロファイルファイルではありません：[Setting] セクションがありません。</translation>
    </message>
    <message>
        <source>%1 is a damaged profile file: its block %2 does not check out.</source>
        <translation>%1 は破損したプロファイルファイルです：ブロック %2 の検証に失敗しました。</translation>
    </message>
    <message>
        <source>%1 is not a profile file: it holds none of the key blocks of a profile.</source>
        <translation>%1 はプロファイルファイルではありません：プロファイルのキーブロックが 1 つも含まれていません。</translation>
    </message>
    <message>
        <source>%1 is refused: it holds %2 more than once.</source>
        <translation>%1 は拒否されました：%2 が複数回含まれています。</translation>
    </message>
    <message>
        <source>%1: missing (a profile file holds every setting)</source>
        <translation>%1：ありません（プロファイルファイルにはすべての設定が含まれます）</translation>
    </message>
    <message>
        <source>%1 is refused: %2.</source>
        <translation>%1 は拒否されました：%2。</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 何もインポートされませんでした。</translation>
    </message>
    <message>
        <source>The profile file could not be copied into the settings folder %1. Check that you may write there and that the disk is not full. Nothing was imported.</source>
        <translation>プロファイルファイルを設定フォルダー %1 にコピーできませんでした。書き込み権限があるか、ディスクがいっぱいでないかを確認してください。何もインポートされませんでした。</translation>
    </message>
    <message>
        <source>The profile could not be written to %1 (%2). The file that was there is left as it was.</source>
        <translation>プロファイルを %1 に書き込めませんでした（%2）。既存のファイルはそのまま残っています。</translation>
    </message>
    <message>
        <source>The profile could not be written to %1 (%2).</source>
        <translation>プロファイルを %1 に書き込めませんでした（%2）。</translation>
    </message>
    <message>
        <source>The profile was exported to %1, but its copy %2 and its name in config.ini could not all be written.</source>
        <translation>プロファイルは %1 にエクスポートされましたが、コピー %2 と config.ini 内の名前をすべて書き込むことはできませんでした。</translation>
    </message>
</context>
<context>
    <name>ProfileTransfer</name>
    <message>
        <source>Import a profile</source>
        <translation>プロファイルのインポート</translation>
    </message>
    <message>
        <source>Export the profile</source>
        <translation>プロファイルのエクスポート</translation>
    </message>
    <message>
        <source>Gaming Keyboard Profile(*.gkp)</source>
        <translation>ゲーミングキーボードプロファイル(*.gkp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>オプション：</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>引数：</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Every key you press is recorded. Hold Esc for one second to leave without a change.</source>
        <translation>押したキーはすべて記録されます。Esc を 1 秒間押し続けると変更せずに閉じます。</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
</context>
<context>
    <name>SessionNotices</name>
    <message>
        <source>current profile</source>
        <translation>現在のプロファイル</translation>
    </message>
    <message>
        <source>key assignments of the standard keys</source>
        <translation>標準キーの割り当て</translation>
    </message>
    <message>
        <source>Windows-key lock and other switches</source>
        <translation>Windows キーロックとその他のスイッチ</translation>
    </message>
    <message>
        <source>programmable-key assignments</source>
        <translation>プログラマブルキーの割り当て</translation>
    </message>
    <message>
        <source>macros</source>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>lighting</source>
        <translation>ライティング</translation>
    </message>
    <message>
        <source>polling rate</source>
        <translation>ポーリングレート</translation>
    </message>
    <message>
        <source>other settings</source>
        <translation>その他の設定</translation>
    </message>
    <message>
        <source>The settings were saved, but they could not be sent to the keyboard because the Monitor program is not running. Start Monitor and apply again to change the keyboard.</source>
        <translation>設定は保存されましたが、Monitor プログラムが実行されていないため、キーボードに送信できませんでした。キーボードを変更するには、Monitor を起動してもう一度適用してください。</translation>
    </message>
    <message>
        <source>The settings were not saved, and they could not be sent to the keyboard because the Monitor program is not running. Start Monitor and apply again to change the keyboard.</source>
        <translation>設定は保存されず、Monitor プログラムが実行されていないため、キーボードにも送信できませんでした。キーボードを変更するには、Monitor を起動してもう一度適用してください。</translation>
    </message>
    <message>
        <source>The settings were saved, but no keyboard is connected, so the keyboard did not receive them. Connect it and apply again.</source>
        <translation>設定は保存されましたが、キーボードが接続されていないため、キーボードには届いていません。キーボードを接続してもう一度適用してください。</translation>
    </message>
    <message>
        <source>The settings were not saved, and no keyboard is connected, so the keyboard did not receive them. Connect it and apply again.</source>
        <translation>設定は保存されず、キーボードも接続されていないため、キーボードには届いていません。キーボードを接続してもう一度適用してください。</translation>
    </message>
    <message>
        <source>The settings were saved, but Monitor did not confirm that the keyboard received them. Make sure Monitor is running and apply again.</source>
        <translation>設定は保存されましたが、キーボードが受け取ったことを Monitor が確認しませんでした。Monitor が実行中であることを確認して、もう一度適用してください。</translation>
    </message>
    <message>
        <source>The settings were not saved, and Monitor did not confirm that the keyboard received them. Make sure Monitor is running and apply again.</source>
        <translation>設定は保存されず、キーボードが受け取ったことを Monitor も確認しませんでした。Monitor が実行中であることを確認して、もう一度適用してください。</translation>
    </message>
    <message>
        <source>The keyboard refused some changes. They stay marked; Apply sends them again.</source>
        <translation>キーボードが一部の変更を拒否しました。変更はマークされたままです。「適用」で再送信します。</translation>
    </message>
    <message>
        <source>The keyboard refused some changes: %1. They stay marked; Apply sends them again.</source>
        <translation>キーボードが一部の変更を拒否しました：%1。変更はマークされたままです。「適用」で再送信します。</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole. It is left as it is: the macros that could be read are shown, and macros recorded or changed now are not saved to it until it is mended or removed.</source>
        <translation>マクロライブラリ %1 をすべて読み込めません。ライブラリはそのまま残ります：読み込めたマクロは表示されますが、今記録または変更したマクロは、ライブラリが修復または削除されるまで保存されません。</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole: %2. It is left as it is: the macros that could be read are shown, and macros recorded or changed now are not saved to it until it is mended or removed.</source>
        <translation>マクロライブラリ %1 をすべて読み込めません：%2。ライブラリはそのまま残ります：読み込めたマクロは表示されますが、今記録または変更したマクロは、ライブラリが修復または削除されるまで保存されません。</translation>
    </message>
    <message>
        <source>The settings could not be saved:
%1
They stay marked as changed: once the problem is solved, apply again to save them.</source>
        <translation>設定を保存できませんでした：
%1
設定は変更済みとしてマークされたままです。問題を解決したら、もう一度適用して保存してください。</translation>
    </message>
</context>
<context>
    <name>ShortcutDialog</name>
    <message>
        <source>Press the key with Ctrl, Shift, Alt or Win held to record the combination. </source>
        <translation>Ctrl、Shift、Alt または Win を押したままキーを押すと、組み合わせが記録されます。 </translation>
    </message>
</context>
<context>
    <name>SkinAdvanced</name>
    <message>
        <source>ADVANCED</source>
        <translation>詳細設定</translation>
    </message>
    <message>
        <source>Settings of the current profile. They reach the keyboard when you press APPLY or OK.</source>
        <translation>現在のプロファイルの設定です。「適用」または「OK」を押すとキーボードに送信されます。</translation>
    </message>
    <message>
        <source>POLLING RATE</source>
        <translation>ポーリングレート</translation>
    </message>
    <message>
        <source>How often the keyboard reports to the computer.</source>
        <translation>キーボードがコンピューターに報告する頻度です。</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>ライティング</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>効果</translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation>カラー</translation>
    </message>
    <message>
        <source>WINDOWS KEY</source>
        <translation>WINDOWS キー</translation>
    </message>
    <message>
        <source>Lock it so that it cannot throw you out of a game.</source>
        <translation>ロックすると、ゲーム中に画面が切り替わりません。</translation>
    </message>
    <message>
        <source>POWER SAVING</source>
        <translation>省電力</translation>
    </message>
    <message>
        <source>Lets the keyboard save power when it is idle.</source>
        <translation>アイドル時にキーボードの電力を節約します。</translation>
    </message>
    <message>
        <source>125 Hz</source>
        <translation>125 Hz</translation>
    </message>
    <message>
        <source>Report 125 times a second (8 ms).</source>
        <translation>1 秒間に 125 回報告（8 ms）。</translation>
    </message>
    <message>
        <source>500 Hz</source>
        <translation>500 Hz</translation>
    </message>
    <message>
        <source>Report 500 times a second (2 ms).</source>
        <translation>1 秒間に 500 回報告（2 ms）。</translation>
    </message>
    <message>
        <source>1000 Hz</source>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <source>Report 1000 times a second (1 ms): the quickest response.</source>
        <translation>1 秒間に 1000 回報告（1 ms）：最も速い応答。</translation>
    </message>
    <message>
        <source>Lighting effect of the keyboard. Click to choose another.</source>
        <translation>キーボードのライティング効果です。クリックして別の効果を選択します。</translation>
    </message>
    <message>
        <source>Lighting colour of the keyboard. Click to choose another.</source>
        <translation>キーボードのライティングカラーです。クリックして別の色を選択します。</translation>
    </message>
    <message>
        <source>ENABLED</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>The Windows keys work as usual.</source>
        <translation>Windows キーは通常どおり動作します。</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>ロック</translation>
    </message>
    <message>
        <source>The Windows keys are locked while you play.</source>
        <translation>プレイ中は Windows キーがロックされます。</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Power saving is off.</source>
        <translation>省電力はオフです。</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>The keyboard saves power when it is idle.</source>
        <translation>アイドル時にキーボードが電力を節約します。</translation>
    </message>
</context>
<context>
    <name>SkinKeyMapping</name>
    <message>
        <source>KEY MAPPING</source>
        <translation>キー割り当て</translation>
    </message>
    <message>
        <source>Click a key to make it send another key or a mouse function. Remapped keys stay lit.</source>
        <translation>キーをクリックすると、別のキーやマウス機能を送信するよう設定できます。割り当て済みのキーは点灯します。</translation>
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
        <translation>割り当て済み</translation>
    </message>
    <message>
        <source>Default key</source>
        <translation>既定</translation>
    </message>
    <message>
        <source>%1 key. Click to make it send another key or a mouse function.</source>
        <translation>%1 キー。クリックして別のキーまたはマウス機能を割り当てます。</translation>
    </message>
</context>
<context>
    <name>SkinLaunchProgram</name>
    <message>
        <source>PROGRAM TO START WHEN THE KEY IS PRESSED</source>
        <translation>キーを押したときに起動するプログラム</translation>
    </message>
    <message>
        <source>Path of the program.</source>
        <translation>プログラムのパスです。</translation>
    </message>
    <message>
        <source>BROWSE...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Choose the program in a file dialog.</source>
        <translation>ファイルダイアログでプログラムを選択します。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Use this program.</source>
        <translation>このプログラムを使用します。</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>キーを変更しません。</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>キーを変更せずに閉じます。</translation>
    </message>
    <message>
        <source>LAUNCH PROGRAM</source>
        <translation>プログラムの起動</translation>
    </message>
</context>
<context>
    <name>SkinMacroKeys</name>
    <message>
        <source>MACRO KEYS</source>
        <translation>マクロキー</translation>
    </message>
    <message>
        <source>Click a key to give it a macro, a key combination, a program, a media function or a mouse button.</source>
        <translation>キーをクリックして、マクロ、キーの組み合わせ、プログラム、メディア機能、マウスボタンを割り当てます。</translation>
    </message>
    <message>
        <source>G9 to G14 are the media keys: the Media Keys page shows the same six keys.</source>
        <translation>G9～G14 はメディアキーです。「メディアキー」ページに同じ 6 つのキーが表示されます。</translation>
    </message>
    <message>
        <source>Programmable key G%1. Click to choose what it does.</source>
        <translation>プログラマブルキー G%1。クリックして機能を選択します。</translation>
    </message>
</context>
<context>
    <name>SkinMacroManager</name>
    <message>
        <source>MACROS</source>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>EVENTS</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>TIMES</source>
        <translation>回</translation>
    </message>
    <message>
        <source>Right-click the event list to record before or after a step, insert delays and mouse buttons, edit or delete.</source>
        <translation>イベント一覧を右クリック：ステップの前後に記録、遅延やマウスボタンの挿入、編集、削除ができます。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keep the changes to the macro library.</source>
        <translation>マクロライブラリへの変更を保持します。</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Discard the changes to the macro library.</source>
        <translation>マクロライブラリへの変更を破棄します。</translation>
    </message>
    <message>
        <source>Discard the changes and close.</source>
        <translation>変更を破棄して閉じます。</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Create a new macro and name it.</source>
        <translation>新しいマクロを作成して名前を付けます。</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete the selected macro.</source>
        <translation>選択したマクロを削除します。</translation>
    </message>
    <message>
        <source>Macros of the library.</source>
        <translation>ライブラリのマクロです。</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>Record the keys you press into the selected macro. Click again to stop.</source>
        <translation>押したキーを選択したマクロに記録します。もう一度クリックすると停止します。</translation>
    </message>
    <message>
        <source>RECORD DELAYS</source>
        <translation>遅延を記録</translation>
    </message>
    <message>
        <source>Record the pauses between the keys as delays.</source>
        <translation>キー間の間隔を遅延として記録します。</translation>
    </message>
    <message>
        <source>REPEAT</source>
        <translation>繰り返し</translation>
    </message>
    <message>
        <source>Play the macro more than once each time the key is pressed.</source>
        <translation>キーを押すたびにマクロを複数回再生します。</translation>
    </message>
    <message>
        <source>How many times the macro plays (1-255).</source>
        <translation>マクロを再生する回数（1-255）。</translation>
    </message>
    <message>
        <source>Steps of the selected macro. Right-click for more.</source>
        <translation>選択したマクロのステップです。右クリックでその他の操作。</translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation>マクロ管理</translation>
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
        <translation>ゲーミングキーボード コントロールセンター</translation>
    </message>
    <message>
        <source>PROFILES</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>KEY MAPPING</source>
        <translation>キー割り当て</translation>
    </message>
    <message>
        <source>Remap the standard keys of the keyboard.</source>
        <translation>キーボードの標準キーを割り当て直します。</translation>
    </message>
    <message>
        <source>MACRO KEYS</source>
        <translation>マクロキー</translation>
    </message>
    <message>
        <source>Give the programmable keys macros and functions.</source>
        <translation>プログラマブルキーにマクロや機能を割り当てます。</translation>
    </message>
    <message>
        <source>MEDIA KEYS</source>
        <translation>メディアキー</translation>
    </message>
    <message>
        <source>Give the media keys their functions and choose the media player they control.</source>
        <translation>メディアキーの機能と、操作するメディアプレーヤーを選択します。</translation>
    </message>
    <message>
        <source>ADVANCED</source>
        <translation>詳細設定</translation>
    </message>
    <message>
        <source>Polling rate; lighting; Windows key lock and power saving.</source>
        <translation>ポーリングレート、ライティング、Windows キーロック、省電力。</translation>
    </message>
    <message>
        <source>Orvyn Vantor gaming keyboard.</source>
        <translation>Orvyn Vantor ゲーミングキーボード。</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Start the current profile afresh with a new name and game program.</source>
        <translation>現在のプロファイルを新しい名前とゲームプログラムで作り直します。</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Load a profile file into the current profile.</source>
        <translation>プロファイルファイルを現在のプロファイルに読み込みます。</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>書き出し</translation>
    </message>
    <message>
        <source>Save the current profile to a profile file.</source>
        <translation>現在のプロファイルをプロファイルファイルに保存します。</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Change the name and the game program of the current profile.</source>
        <translation>現在のプロファイルの名前とゲームプログラムを変更します。</translation>
    </message>
    <message>
        <source>PROFILE 1</source>
        <translation>プロファイル 1</translation>
    </message>
    <message>
        <source>Show and edit profile 1.</source>
        <translation>プロファイル 1 を表示・編集します。</translation>
    </message>
    <message>
        <source>PROFILE 2</source>
        <translation>プロファイル 2</translation>
    </message>
    <message>
        <source>Show and edit profile 2.</source>
        <translation>プロファイル 2 を表示・編集します。</translation>
    </message>
    <message>
        <source>PROFILE 3</source>
        <translation>プロファイル 3</translation>
    </message>
    <message>
        <source>Show and edit profile 3.</source>
        <translation>プロファイル 3 を表示・編集します。</translation>
    </message>
    <message>
        <source>PROFILE 4</source>
        <translation>プロファイル 4</translation>
    </message>
    <message>
        <source>Show and edit profile 4.</source>
        <translation>プロファイル 4 を表示・編集します。</translation>
    </message>
    <message>
        <source>PROFILE 5</source>
        <translation>プロファイル 5</translation>
    </message>
    <message>
        <source>Show and edit profile 5.</source>
        <translation>プロファイル 5 を表示・編集します。</translation>
    </message>
    <message>
        <source>MACRO MANAGER</source>
        <translation>マクロ管理</translation>
    </message>
    <message>
        <source>Record and edit the macros of the macro library.</source>
        <translation>マクロライブラリのマクロを記録・編集します。</translation>
    </message>
    <message>
        <source>Minimize the window.</source>
        <translation>ウィンドウを最小化します。</translation>
    </message>
    <message>
        <source>Close without applying changes.</source>
        <translation>変更を適用せずに閉じます。</translation>
    </message>
    <message>
        <source>Open the user manual.</source>
        <translation>ユーザーマニュアルを開きます。</translation>
    </message>
    <message>
        <source>Visit the Orvyn Vantor web page.</source>
        <translation>Orvyn Vantor の Web ページを開きます。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Write the changes to the keyboard and close.</source>
        <translation>変更をキーボードに書き込んで閉じます。</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Write the changes to the keyboard.</source>
        <translation>変更をキーボードに書き込みます。</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>RESTORE DEFAULTS</source>
        <translation>初期設定に戻す</translation>
    </message>
    <message>
        <source>Restore the factory settings of all five profiles.</source>
        <translation>5 つのプロファイルすべてを工場出荷時設定に戻します。</translation>
    </message>
</context>
<context>
    <name>SkinMediaKeys</name>
    <message>
        <source>MEDIA KEYS</source>
        <translation>メディアキー</translation>
    </message>
    <message>
        <source>Click a media key to choose its function. The media keys drive the player chosen on the right.</source>
        <translation>メディアキーをクリックして機能を選択します。メディアキーは右で選択したプレーヤーを操作します。</translation>
    </message>
    <message>
        <source>KEYS</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>MEDIA PLAYER</source>
        <translation>メディアプレーヤー</translation>
    </message>
    <message>
        <source>M1 to M6 are keys G9 to G14 of the Macro Keys page.</source>
        <translation>M1～M6 は「マクロキー」ページの G9～G14 キーです。</translation>
    </message>
    <message>
        <source>The media keys control this player:</source>
        <translation>操作するプレーヤー：</translation>
    </message>
    <message>
        <source>Play, pause, stop and track keys go to the chosen player when it is running.</source>
        <translation>再生・一時停止・停止・曲送りのキーは、選択したプレーヤーの実行中にそのプレーヤーに送られます。</translation>
    </message>
    <message>
        <source>Media key M%1. Click to choose what it does.</source>
        <translation>メディアキー M%1。クリックして機能を選択します。</translation>
    </message>
    <message>
        <source>The media player that the media keys control. Click to choose another.</source>
        <translation>メディアキーで操作するメディアプレーヤーです。クリックして別のプレーヤーを選択します。</translation>
    </message>
</context>
<context>
    <name>SkinProfile</name>
    <message>
        <source>PROFILE NAME</source>
        <translation>プロファイル名</translation>
    </message>
    <message>
        <source>GAME PROGRAM</source>
        <translation>ゲームプログラム</translation>
    </message>
    <message>
        <source>Matched by file name only (like game.exe): when it comes to the front, this profile is used.</source>
        <translation>ファイル名だけで照合します（game.exe など）：そのプログラムが前面に来ると、このプロファイルが使われます。</translation>
    </message>
    <message>
        <source>Name of the profile (20 characters).</source>
        <translation>プロファイルの名前（20 文字）。</translation>
    </message>
    <message>
        <source>The game: a program of this file name in front selects this profile.</source>
        <translation>ゲーム：このファイル名のプログラムが前面にあると、このプロファイルが選択されます。</translation>
    </message>
    <message>
        <source>BROWSE...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Choose the game program in a file dialog.</source>
        <translation>ファイルダイアログでゲームプログラムを選択します。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keep the name and the game program.</source>
        <translation>名前とゲームプログラムを確定します。</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Leave the profile as it was.</source>
        <translation>プロファイルを変更しません。</translation>
    </message>
    <message>
        <source>Leave the profile as it was and close.</source>
        <translation>プロファイルを変更せずに閉じます。</translation>
    </message>
    <message>
        <source>PROFILE</source>
        <translation>プロファイル</translation>
    </message>
</context>
<context>
    <name>SkinShortcut</name>
    <message>
        <source>PRESS THE KEY</source>
        <translation>キーを押してください</translation>
    </message>
    <message>
        <source>WITH</source>
        <translation>修飾キー</translation>
    </message>
    <message>
        <source>Every key is recorded; hold Ctrl, Shift, Alt or Win with it for a combination. Hold Enter 1 s: OK; hold Esc 1 s: cancel.</source>
        <translation>押したキーはすべて記録されます。組み合わせには Ctrl・Shift・Alt・Win を一緒に押します。Enter を 1 秒長押しで OK、Esc を 1 秒長押しでキャンセル。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Use this key combination.</source>
        <translation>このキーの組み合わせを使用します。</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>キーを変更しません。</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>キーを変更せずに閉じます。</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>The key alone without a modifier.</source>
        <translation>修飾キーなしでキーのみ。</translation>
    </message>
    <message>
        <source>CTRL</source>
        <translation>CTRL</translation>
    </message>
    <message>
        <source>Hold Ctrl with the key.</source>
        <translation>Ctrl を押しながらキーを押します。</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>SHIFT</translation>
    </message>
    <message>
        <source>Hold Shift with the key.</source>
        <translation>Shift を押しながらキーを押します。</translation>
    </message>
    <message>
        <source>ALT</source>
        <translation>ALT</translation>
    </message>
    <message>
        <source>Hold Alt with the key.</source>
        <translation>Alt を押しながらキーを押します。</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>WIN</translation>
    </message>
    <message>
        <source>Hold the Windows key with the key.</source>
        <translation>Windows キーを押しながらキーを押します。</translation>
    </message>
    <message>
        <source>The key of the combination.</source>
        <translation>組み合わせのキーです。</translation>
    </message>
    <message>
        <source>KEY COMBINATION</source>
        <translation>キーの組み合わせ</translation>
    </message>
</context>
<context>
    <name>SkinSwapKey</name>
    <message>
        <source>THIS KEY NOW SENDS</source>
        <translation>このキーが送信するもの</translation>
    </message>
    <message>
        <source>KEY: press the key it should send. MOUSE: choose a mouse function. Hold Enter 1 s: OK; hold Esc 1 s: cancel.</source>
        <translation>キー：送信させたいキーを押します。マウス：マウス機能を選択します。Enter を 1 秒長押しで OK、Esc を 1 秒長押しでキャンセル。</translation>
    </message>
    <message>
        <source>The key it will send.</source>
        <translation>送信されるキーです。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Remap the key.</source>
        <translation>キーを割り当て直します。</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Keep the key as it was.</source>
        <translation>キーを変更しません。</translation>
    </message>
    <message>
        <source>Keep the key as it was and close.</source>
        <translation>キーを変更せずに閉じます。</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>既定</translation>
    </message>
    <message>
        <source>Give the key back its own function.</source>
        <translation>キーを本来の機能に戻します。</translation>
    </message>
    <message>
        <source>Choose the mouse function.</source>
        <translation>マウス機能を選択します。</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>The key sends another key.</source>
        <translation>キーが別のキーを送信します。</translation>
    </message>
    <message>
        <source>MOUSE</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>The key acts as a mouse button.</source>
        <translation>キーがマウスボタンとして動作します。</translation>
    </message>
    <message>
        <source>SWAP KEY</source>
        <translation>キーの入れ替え</translation>
    </message>
</context>
<context>
    <name>SkinWarnings</name>
    <message>
        <source>DELETE MACRO</source>
        <translation>マクロの削除</translation>
    </message>
    <message>
        <source>Delete the selected macro?</source>
        <translation>選択したマクロを削除しますか？</translation>
    </message>
    <message>
        <source>It is removed from the macro library. Cancel in the macro manager brings it back.</source>
        <translation>マクロライブラリから削除されます。マクロ管理で「キャンセル」を押すと元に戻ります。</translation>
    </message>
    <message>
        <source>Delete the macro.</source>
        <translation>マクロを削除します。</translation>
    </message>
    <message>
        <source>Keep the macro.</source>
        <translation>マクロを残します。</translation>
    </message>
    <message>
        <source>NO MACRO SELECTED</source>
        <translation>マクロが未選択</translation>
    </message>
    <message>
        <source>Select a macro first.</source>
        <translation>先にマクロを選択してください。</translation>
    </message>
    <message>
        <source>Choose a macro in the list or create one with NEW.</source>
        <translation>一覧でマクロを選択するか、「新規」で作成してください。</translation>
    </message>
    <message>
        <source>Close this message.</source>
        <translation>このメッセージを閉じます。</translation>
    </message>
    <message>
        <source>RESTORE DEFAULTS</source>
        <translation>初期設定に戻す</translation>
    </message>
    <message>
        <source>Restore the factory settings?</source>
        <translation>工場出荷時設定に戻しますか？</translation>
    </message>
    <message>
        <source>All five profiles return to their defaults and are written to the keyboard at once.</source>
        <translation>5 つのプロファイルすべてが既定値に戻り、すぐにキーボードに書き込まれます。</translation>
    </message>
    <message>
        <source>Restore the factory settings.</source>
        <translation>工場出荷時設定に戻します。</translation>
    </message>
    <message>
        <source>Keep the current settings.</source>
        <translation>現在の設定を保持します。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>StandardKeyPage</name>
    <message>
        <source>Key %1</source>
        <translation>キー %1</translation>
    </message>
    <message>
        <source>key code %1</source>
        <translation>キーコード %1</translation>
    </message>
    <message>
        <source>%1, sends %2</source>
        <translation>%1、%2 を送信</translation>
    </message>
</context>
<context>
    <name>UserManual</name>
    <message>
        <source>User Manual</source>
        <translation>ユーザーマニュアル</translation>
    </message>
    <message>
        <source>Profiles, keys, macros and lighting of the keyboard, set up from the Linux desktop</source>
        <translation>Linux デスクトップから設定するキーボードのプロファイル、キー、マクロ、ライティング</translation>
    </message>
    <message>
        <source>The chapters that follow are in English.</source>
        <translation>以降の章は英語です。</translation>
    </message>
</context>
<context>
    <name>vantorctl</name>
    <message>
        <source>Another change is in progress (Option&apos;s window or another vantorctl command), so nothing was changed: two editors of one configuration would overwrite each other. Close Option or wait for the other command, then try again.</source>
        <translation>別の変更（Option のウィンドウまたは別の vantorctl コマンド）が進行中のため、何も変更しませんでした：1 つの設定を 2 か所で同時に編集すると互いに上書きしてしまいます。Option を閉じるか、他のコマンドの終了を待ってから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Another program receives Option&apos;s messages, so nothing was changed. Close Option and try again.</source>
        <translation>別のプログラムが Option のメッセージを受信しているため、何も変更しませんでした。Option を閉じてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Cannot receive Monitor&apos;s answer: %1</source>
        <translation>Monitor の応答を受信できません：%1</translation>
    </message>
    <message>
        <source>The keyboard refused some changes. The settings files hold them, but the keyboard did not take them.</source>
        <translation>キーボードが一部の変更を拒否しました。設定ファイルには保存されていますが、キーボードには反映されていません。</translation>
    </message>
    <message>
        <source>The keyboard refused some changes: %1. The settings files hold them, but the keyboard did not take them.</source>
        <translation>キーボードが一部の変更を拒否しました：%1。設定ファイルには保存されていますが、キーボードには反映されていません。</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation>「%1」を読み込めません。</translation>
    </message>
    <message>
        <source>Cannot read standard input: %1</source>
        <translation>標準入力を読み込めません：%1</translation>
    </message>
    <message>
        <source>The document on standard input is larger than a profile document can be.</source>
        <translation>標準入力のドキュメントが、プロファイルドキュメントの最大サイズを超えています。</translation>
    </message>
    <message>
        <source>set needs a profile and at least one KEY=VALUE.</source>
        <translation>set にはプロファイルと 1 つ以上の KEY=VALUE が必要です。</translation>
    </message>
    <message>
        <source>assign needs a profile, a key and what the key does.</source>
        <translation>assign にはプロファイル、キー、そのキーの動作が必要です。</translation>
    </message>
    <message>
        <source>default takes nothing after it.</source>
        <translation>default の後には何も指定できません。</translation>
    </message>
    <message>
        <source>program takes one path (quote a path with blanks).</source>
        <translation>program にはパスを 1 つ指定します（空白を含むパスは引用符で囲んでください）。</translation>
    </message>
    <message>
        <source>No program &quot;%1&quot; was found in PATH; give its full path (or ./%1 for one in the current folder).</source>
        <translation>PATH にプログラム「%1」が見つかりません。フルパスを指定してください（現在のフォルダーにある場合は ./%1）。</translation>
    </message>
    <message>
        <source>Cannot make a full path of &quot;%1&quot;.</source>
        <translation>「%1」からフルパスを作成できません。</translation>
    </message>
    <message>
        <source>The path &quot;%1&quot; is longer than the %2 bytes a key holds.</source>
        <translation>パス「%1」は、1 つのキーに保存できる %2 バイトを超えています。</translation>
    </message>
    <message>
        <source>note: &quot;%1&quot; does not exist (yet); the key starts it once it does.</source>
        <translation>注意：「%1」は（まだ）存在しません。存在するようになると、キーから起動されます。</translation>
    </message>
    <message>
        <source>macro takes the name of a macro of the library (vantorctl macros).</source>
        <translation>macro にはライブラリのマクロの名前を指定します（vantorctl macros）。</translation>
    </message>
    <message>
        <source>Unknown assignment &quot;%1&quot;: use macro NAME, keys COMBINATION, program PATH, media NAME, mouse NAME or default.</source>
        <translation>不明な割り当て「%1」：macro NAME、keys COMBINATION、program PATH、media NAME、mouse NAME または default を使用してください。</translation>
    </message>
    <message>
        <source>export needs a profile and a file.</source>
        <translation>export にはプロファイルとファイルが必要です。</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>「%1」に書き込めません：%2。</translation>
    </message>
    <message>
        <source> The file that was there is left as it was.</source>
        <translation> 既存のファイルはそのまま残っています。</translation>
    </message>
    <message>
        <source>import needs a profile and a file.</source>
        <translation>import にはプロファイルとファイルが必要です。</translation>
    </message>
    <message>
        <source>standard input is not a usable profile document: %1. Nothing was imported.</source>
        <translation>標準入力は使用可能なプロファイルドキュメントではありません：%1。何もインポートされませんでした。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a usable profile document: %2. Nothing was imported.</source>
        <translation>「%1」は使用可能なプロファイルドキュメントではありません：%2。何もインポートされませんでした。</translation>
    </message>
    <message>
        <source>--wait takes a number of seconds (more than 0, at most a day).</source>
        <translation>--wait には秒数を指定します（0 より大きく、最大 1 日）。</translation>
    </message>
    <message>
        <source>Usage: %1 %2 (see %1 --help)
</source>
        <translation>使用法：%1 %2（%1 --help を参照）
</translation>
    </message>
    <message>
        <source>Which profile (1-5)?</source>
        <translation>どのプロファイルですか（1-5）？</translation>
    </message>
    <message>
        <source>keyboard, firmware, current profile, whether Monitor runs</source>
        <translation>キーボード、ファームウェア、現在のプロファイル、Monitor の実行状態</translation>
    </message>
    <message>
        <source>Shows whether Monitor runs and has the keyboard, the firmware version and the current profile. Exit status 0 when Monitor runs with the keyboard connected, 2 otherwise.</source>
        <translation>Monitor が実行中でキーボードに接続しているか、ファームウェアのバージョン、現在のプロファイルを表示します。終了ステータスは、Monitor が実行中でキーボードが接続されている場合は 0、それ以外は 2 です。</translation>
    </message>
    <message>
        <source>show the current profile, or switch to profile N (1-5)</source>
        <translation>現在のプロファイルを表示、またはプロファイル N（1-5）に切り替え</translation>
    </message>
    <message>
        <source>Without N: prints the current profile&apos;s number and name. With N: makes profile N current on the keyboard.</source>
        <translation>N なし：現在のプロファイルの番号と名前を出力します。N あり：キーボードのプロファイル N を現在のプロファイルにします。</translation>
    </message>
    <message>
        <source>a profile&apos;s lighting, polling rate, switches, keys and remapped keys</source>
        <translation>プロファイルのライティング、ポーリングレート、スイッチ、キー、リマップされたキー</translation>
    </message>
    <message>
        <source>Shows a profile (the current one when none is given): lighting effect and colour, polling rate, Windows-key lock, power saving, what each programmable key G1-G15 does (as the window&apos;s captions say it) and the remapped standard keys. With --json: the whole profile as a JSON document.</source>
        <translation>プロファイル（指定がない場合は現在のプロファイル）を表示します：ライティング効果と色、ポーリングレート、Windows キーロック、省電力、各プログラマブルキー G1-G15 の動作（ウィンドウの表示どおり）、リマップされた標準キー。--json を指定すると、プロファイル全体を JSON ドキュメントとして出力します。</translation>
    </message>
    <message>
        <source>lighting, polling rate, Windows-key lock, power saving, name, game</source>
        <translation>ライティング、ポーリングレート、Windows キーロック、省電力、名前、ゲーム</translation>
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
        <translation>プロファイルの設定を変更して適用します：
  effect=static|breathing|wave|reactive|ripple|lights-off  ライティング効果
  colour=red|green|blue|yellow|purple|cyan|colour-cycle|1-7 ライティングカラー
  polling=125|500|1000        ポーリングレート（Hz）
  winlock=on|off              Windows キーロック
  powersaving=on|off          省電力
  name=TEXT                   プロファイル名（20 文字）
  game=PATH                   ウィンドウでこのプロファイルを選択するゲーム</translation>
    </message>
    <message>
        <source>what a programmable key does</source>
        <translation>プログラマブルキーの動作</translation>
    </message>
    <message>
        <source>a profile into a .gkp profile file, or a JSON document</source>
        <translation>プロファイルを .gkp プロファイルファイルまたは JSON ドキュメントに書き出す</translation>
    </message>
    <message>
        <source>Writes a profile into a profile file (.gkp, as the window&apos;s EXPORT does: its name is noted in config.ini and a copy kept in the settings folder), or with --json, a FILE ending in .json, or FILE &quot;-&quot; (standard output) as a JSON document.</source>
        <translation>プロファイルをプロファイルファイル（.gkp。ウィンドウの EXPORT と同じく、ファイル名が config.ini に記録され、設定フォルダーにコピーが保存されます）に書き出します。--json、.json で終わる FILE、または FILE「-」（標準出力）の場合は JSON ドキュメントとして書き出します。</translation>
    </message>
    <message>
        <source>a profile from a .gkp profile file or a JSON document, and apply it</source>
        <translation>.gkp プロファイルファイルまたは JSON ドキュメントからプロファイルを読み込んで適用</translation>
    </message>
    <message>
        <source>Replaces a profile by a profile file (.gkp, as the window&apos;s IMPORT does) or with --json, a FILE ending in .json, or FILE &quot;-&quot; (standard input) by a JSON document, and applies the whole profile. A file that is not usable changes nothing.</source>
        <translation>プロファイルをプロファイルファイル（.gkp。ウィンドウの IMPORT と同じ）で置き換えます。--json、.json で終わる FILE、または FILE「-」（標準入力）の場合は JSON ドキュメントで置き換えます。その後、プロファイル全体を適用します。使用できないファイルでは何も変更されません。</translation>
    </message>
    <message>
        <source>the macro library</source>
        <translation>マクロライブラリ</translation>
    </message>
    <message>
        <source>Lists the macros of the library: name, steps, repeat.</source>
        <translation>ライブラリのマクロを一覧表示します：名前、ステップ、繰り返し。</translation>
    </message>
    <message>
        <source>the names assign accepts</source>
        <translation>assign が受け付ける名前</translation>
    </message>
    <message>
        <source>Lists the function names of assign ... media and assign ... mouse, and the key names of assign ... keys, one a line.</source>
        <translation>assign ... media と assign ... mouse の機能名、および assign ... keys のキー名を 1 行に 1 つずつ一覧表示します。</translation>
    </message>
    <message>
        <source>%1 takes on or off, not %2.</source>
        <translation>%1 には on または off を指定します（%2 は指定できません）。</translation>
    </message>
    <message>
        <source>Unknown lighting effect %1: use one of %2 (or 1, 2, 4, 8, 16, 32).</source>
        <translation>不明なライティング効果 %1：%2 のいずれか（または 1、2、4、8、16、32）を使用してください。</translation>
    </message>
    <message>
        <source>Colour %1 is out of range: use 1-7 or one of %2.</source>
        <translation>色 %1 は範囲外です：1-7 または %2 のいずれかを使用してください。</translation>
    </message>
    <message>
        <source>Unknown colour %1: use one of %2 (or 1-7).</source>
        <translation>不明な色 %1：%2 のいずれか（または 1-7）を使用してください。</translation>
    </message>
    <message>
        <source>Polling rate %1 is not one of 125, 500, 1000 (Hz).</source>
        <translation>ポーリングレート %1 は 125、500、1000（Hz）のいずれでもありません。</translation>
    </message>
    <message>
        <source>Profile %1 does not exist: profiles are 1-5.</source>
        <translation>プロファイル %1 は存在しません：プロファイルは 1-5 です。</translation>
    </message>
    <message>
        <source>Unknown key %1: the programmable keys are G1-G15.</source>
        <translation>不明なキー %1：プログラマブルキーは G1-G15 です。</translation>
    </message>
    <message>
        <source>Expected KEY=VALUE, not %1.</source>
        <translation>KEY=VALUE の形式で指定してください（%1 ではありません）。</translation>
    </message>
    <message>
        <source>The game program&apos;s path is longer than the %1 bytes a profile holds.</source>
        <translation>ゲームプログラムのパスが、プロファイルに保存できる %1 バイトを超えています。</translation>
    </message>
    <message>
        <source>Unknown setting %1: use effect, colour, polling, winlock, powersaving, name or game.</source>
        <translation>不明な設定 %1：effect、colour、polling、winlock、powersaving、name または game を使用してください。</translation>
    </message>
    <message>
        <source>The mouse button %1 can only be a step of a macro, not a key&apos;s combination.</source>
        <translation>マウスボタン %1 はマクロのステップにしか使用できず、キーの組み合わせには使用できません。</translation>
    </message>
    <message>
        <source>Unknown media function %1: use one of %2.</source>
        <translation>不明なメディア機能 %1：%2 のいずれかを使用してください。</translation>
    </message>
    <message>
        <source>Unknown mouse function %1: use one of %2.</source>
        <translation>不明なマウス機能 %1：%2 のいずれかを使用してください。</translation>
    </message>
    <message>
        <source>status takes no arguments.</source>
        <translation>status は引数を受け付けません。</translation>
    </message>
    <message>
        <source>profile takes at most one profile number.</source>
        <translation>profile に指定できるプロファイル番号は 1 つまでです。</translation>
    </message>
    <message>
        <source>show takes at most one profile number.</source>
        <translation>show に指定できるプロファイル番号は 1 つまでです。</translation>
    </message>
    <message>
        <source>macros takes no arguments.</source>
        <translation>macros は引数を受け付けません。</translation>
    </message>
    <message>
        <source>The macro library %1 cannot be read whole: %2.</source>
        <translation>マクロライブラリ %1 をすべて読み込めません：%2。</translation>
    </message>
    <message>
        <source>functions takes one of media, mouse, keys.</source>
        <translation>functions には media、mouse、keys のいずれかを指定します。</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>このヘルプを表示します。</translation>
    </message>
    <message>
        <source>JSON instead of text (the schema is in the manual page).</source>
        <translation>テキストの代わりに JSON で出力します（スキーマはマニュアルページにあります）。</translation>
    </message>
    <message>
        <source>Waits at most SECONDS for Monitor to confirm that the keyboard took the change (default 40 minutes, longer than the slowest apply).</source>
        <translation>キーボードが変更を反映したことを Monitor が確認するまで、最大 SECONDS 秒待ちます（既定値は 40 分で、最も遅い適用よりも長い時間です）。</translation>
    </message>
    <message>
        <source>Exit status: 0 done; 1 bad input (nothing changed); 2 Monitor not running, no keyboard or no answer (the settings files are saved); 3 Option is open or another change is in progress (changing commands refuse); 4 settings could not be saved (the message names the file; the keyboard may have taken the change); 5 the keyboard refused part of the change (the message names the settings; the files are saved).
</source>
        <translation>終了ステータス：0 完了。1 入力が不正（何も変更されていません）。2 Monitor が実行されていない、キーボードがない、または応答がない（設定ファイルは保存済み）。3 Option が開いているか、別の変更が進行中（変更するコマンドは拒否されます）。4 設定を保存できなかった（メッセージにファイル名が示されます。キーボードには変更が反映されている可能性があります）。5 キーボードが変更の一部を拒否した（メッセージに該当する設定が示されます。ファイルは保存済み）。
</translation>
    </message>
    <message>
        <source>Usage: vantorctl COMMAND [ARGUMENTS] [--help]

Reads and changes the Orvyn Vantor keyboard&apos;s configuration as the Option window does. Changes are applied
before the command returns.

Commands:
</source>
        <translation>使用法：vantorctl COMMAND [ARGUMENTS] [--help]

Option ウィンドウと同様に Orvyn Vantor キーボードの設定を読み取り、変更します。変更はコマンドが終了する
前に適用されます。

コマンド：
</translation>
    </message>
    <message>
        <source>
Reading commands work while Option is open; changing commands (profile N, set, assign, import) refuse.
</source>
        <translation>
読み取りコマンドは Option が開いていても使用できます。変更するコマンド（profile N、set、assign、import）は拒否されます。
</translation>
    </message>
    <message>
        <source>See vantorctl COMMAND --help and man vantorctl.
</source>
        <translation>詳しくは vantorctl COMMAND --help および man vantorctl を参照してください。
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>使用法：%1 [オプション]</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>不明なコマンド「%1」。</translation>
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
        <translation>プロファイルのプログラマブルキー G1-G15 に機能を割り当てて適用します：
  macro NAME         ライブラリのマクロ（vantorctl macros）
  keys COMBINATION   英語のキー名によるキーの組み合わせ：Ctrl+Alt+X、Shift+Page Down
  program PATH       プログラム（または .desktop ファイル）を起動
  media NAME         メディアまたはアプリケーションの機能：Play/Pause、Volume Up、Calculator など
  mouse NAME         マウスの機能：Left Button、Double Click、Key Disabled など
  default            キーの工場出荷時設定
名前の大文字と小文字は区別されません。vantorctl functions で一覧を表示できます。</translation>
    </message>
    <message>
        <source>Unknown key %1 in %2: write it with the English key names, e.g. Ctrl+Alt+X or Shift+Page Down (vantorctl functions lists them).</source>
        <translation>%2 の中の不明なキー %1：英語のキー名で記述してください。例：Ctrl+Alt+X、Shift+Page Down（キー名の一覧は vantorctl functions で表示できます）。</translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation>不明なフィールド</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>ありません</translation>
    </message>
    <message>
        <source>expected a whole number</source>
        <translation>整数が必要です</translation>
    </message>
    <message>
        <source>%1 is out of range (%2 to %3)</source>
        <translation>%1 は範囲外です（%2～%3）</translation>
    </message>
    <message>
        <source>expected a text</source>
        <translation>テキストが必要です</translation>
    </message>
    <message>
        <source>longer than the %1 bytes the profile holds</source>
        <translation>プロファイルに保存できる %1 バイトを超えています</translation>
    </message>
    <message>
        <source>contains a NUL character</source>
        <translation>NUL 文字が含まれています</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>オブジェクトが必要です</translation>
    </message>
    <message>
        <source>expected a list</source>
        <translation>リストが必要です</translation>
    </message>
    <message>
        <source>%1 steps; a key holds at most 50</source>
        <translation>%1 ステップ：1 つのキーに保存できるのは最大 50 です</translation>
    </message>
    <message>
        <source>%1 keys; a profile has 15 (G1-G15)</source>
        <translation>%1 キー：プロファイルのキーは 15 個です（G1-G15）</translation>
    </message>
    <message>
        <source>expected one of G1-G15</source>
        <translation>G1-G15 のいずれかが必要です</translation>
    </message>
    <message>
        <source>named twice</source>
        <translation>2 回指定されています</translation>
    </message>
    <message>
        <source>missing (type 3 is a macro)</source>
        <translation>ありません（タイプ 3 はマクロです）</translation>
    </message>
    <message>
        <source>given, but only a macro key (type 3) has one</source>
        <translation>指定されていますが、これを持つのはマクロキー（タイプ 3）だけです</translation>
    </message>
    <message>
        <source>missing (type 11 starts a program)</source>
        <translation>ありません（タイプ 11 はプログラムを起動します）</translation>
    </message>
    <message>
        <source>given, but only a program key (type 11) has one</source>
        <translation>指定されていますが、これを持つのはプログラムキー（タイプ 11）だけです</translation>
    </message>
    <message>
        <source>position %1 is given twice</source>
        <translation>位置 %1 が 2 回指定されています</translation>
    </message>
    <message>
        <source>not valid JSON at byte %1: %2</source>
        <translation>バイト %1 で有効な JSON ではありません：%2</translation>
    </message>
    <message>
        <source>expected a JSON object at the top</source>
        <translation>最上位には JSON オブジェクトが必要です</translation>
    </message>
    <message>
        <source>%1: given more than once</source>
        <translation>%1：複数回指定されています</translation>
    </message>
    <message>
        <source>format: expected &quot;%1&quot; (not a profile document)</source>
        <translation>format：「%1」が必要です（プロファイルドキュメントではありません）</translation>
    </message>
    <message>
        <source>this vantorctl reads version %1</source>
        <translation>この vantorctl が読めるのはバージョン %1 です</translation>
    </message>
    <message>
        <source>%1 values; a profile has 6</source>
        <translation>%1 個の値：プロファイルの値は 6 個です</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>Profile %1: %2  (current)</source>
        <translation>プロファイル %1：%2  （現在）</translation>
    </message>
    <message>
        <source>Profile %1: %2</source>
        <translation>プロファイル %1：%2</translation>
    </message>
    <message>
        <source>Game program:</source>
        <translation>ゲームプログラム：</translation>
    </message>
    <message>
        <source>Lighting effect:</source>
        <translation>ライティング効果：</translation>
    </message>
    <message>
        <source>Lighting colour:</source>
        <translation>ライティングカラー：</translation>
    </message>
    <message>
        <source>Polling rate:</source>
        <translation>ポーリングレート：</translation>
    </message>
    <message>
        <source>Windows-key lock:</source>
        <translation>Windows キーロック：</translation>
    </message>
    <message>
        <source>Power saving:</source>
        <translation>省電力：</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>キー：</translation>
    </message>
    <message>
        <source>Remapped standard keys: none</source>
        <translation>割り当てを変更した標準キー：なし</translation>
    </message>
    <message>
        <source>Remapped standard keys:</source>
        <translation>割り当てを変更した標準キー：</translation>
    </message>
    <message>
        <source>unknown (Monitor is not running)</source>
        <translation>不明（Monitor は実行されていません）</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>接続済み</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>未接続</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Monitor:</source>
        <translation>Monitor：</translation>
    </message>
    <message>
        <source>running</source>
        <translation>実行中</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Keyboard:</source>
        <translation>キーボード：</translation>
    </message>
    <message>
        <source>Firmware:</source>
        <translation>ファームウェア：</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>プロファイル：</translation>
    </message>
    <message>
        <source>Option:</source>
        <translation>Option：</translation>
    </message>
    <message>
        <source>open</source>
        <translation>開いています</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>開いていません</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A refused setting&apos;s reason (already translated) as a sentence.</extracomment>
        <translation>%1。</translation>
    </message>
</context>
</TS>
