// The Japanese texts. Glossary: profile = プロファイル, macro = マクロ, key = キー,
// lighting = ライティング, apply = 適用, keyboard = キーボード, mouse button = マウスボタン,
// polling rate = ポーリングレート, power saving = 省電力, media key = メディアキー, remap = 割り当て,
// default = 既定; key caps keep English names.
#include "uitext/tables/StringTables.h"

namespace orvyn::uitext {

namespace {
const Entry kTable[] = {
    // Tray menu and tooltip.
    {1000, "キーボード設定を開く"},
    {1001, "終了"},
    {1002, "Orvyn Vantor キーボード"},
    // Mouse functions.
    {1024, "左ボタン"},
    {1025, "右ボタン"},
    {1026, "中央ボタン"},
    {1027, "戻るボタン"},
    {1028, "進むボタン"},
    {1029, "ダブルクリック"},
    {1030, "キー無効"},
    // Default profile name: "<text> #<n>".
    {1040, "プロファイル"},
    // Lighting control values 1, 2, 4, 8, 16, 32.
    {1042, "常時点灯"},
    {1043, "ブリージング"},
    {1044, "ウェーブ"},
    {1045, "リアクティブ"},
    {1046, "リップル"},
    {1047, "消灯"},
    // Macro manager event-list menu.
    {1053, "前に記録"},
    {1054, "後に記録"},
    {1055, "遅延を挿入"},
    {1056, "編集"},
    {1057, "削除"},
    {1058, "マウスイベントを挿入"},
    {1059, "左ボタン"},
    {1060, "右ボタン"},
    {1061, "中央ボタン"},
    {1062, "戻るボタン"},
    {1063, "進むボタン"},
    {1064, "押す"},
    {1065, "離す"},
    {1066, "クリック"},
    // Key-function menu.
    {1067, "マクロ管理..."},
    {1071, "マクロ"},
    // Keyboard functions (assignment type 4).
    {1072, "プロファイル切り替え"},
    {1073, "ライティングモード"},
    {1074, "ライティングカラー"},
    {1077, "Windows キーロック"},
    // Media functions.
    {1078, "マルチメディア"},
    {1079, "メディアプレーヤー"},
    {1080, "再生/一時停止"},
    {1081, "停止"},
    {1082, "前のトラック"},
    {1083, "次のトラック"},
    {1084, "音量を上げる"},
    {1085, "音量を下げる"},
    {1086, "ミュート"},
    // Application functions.
    {1087, "アプリケーション"},
    {1088, "メール"},
    {1089, "電卓"},
    {1090, "ファイルマネージャー"},
    {1091, "Web ホーム"},
    {1092, "Web 検索"},
    {1093, "Web 更新"},
    {1094, "Web 停止"},
    {1095, "Web 戻る"},
    {1096, "Web 進む"},
    {1097, "Web お気に入り"},
    {1098, "マウス"},
    {1100, "工場出荷時設定"},
    {1101, "キーの組み合わせ..."},
    {1102, "プログラムを起動..."},
    {1103, "既定の機能"},
    // Lighting colours 1-6, and every other value.
    {1104, "赤"},
    {1105, "緑"},
    {1106, "青"},
    {1107, "黄"},
    {1108, "紫"},
    {1109, "シアン"},
    {1110, "カラーサイクル"},
};
} // namespace

const std::span<const Entry> kJapaneseTexts = kTable;

} // namespace orvyn::uitext
