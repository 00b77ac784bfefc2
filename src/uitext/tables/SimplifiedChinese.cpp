// The Simplified Chinese texts. Glossary: profile = 配置文件, macro = 宏, key = 按键,
// lighting = 灯光, apply = 应用, keyboard = 键盘, mouse button = 鼠标按键, polling rate = 回报率,
// power saving = 节能, media key = 媒体键, remap = 重映射, macro library = 宏库; key caps keep English names.
#include "uitext/tables/StringTables.h"

namespace orvyn::uitext {

namespace {
const Entry kTable[] = {
    // Tray menu and tooltip.
    {1000, "打开键盘设置"},
    {1001, "退出"},
    {1002, "Orvyn Vantor 键盘"},
    // Mouse functions.
    {1024, "鼠标左键"},
    {1025, "鼠标右键"},
    {1026, "鼠标中键"},
    {1027, "鼠标后退键"},
    {1028, "鼠标前进键"},
    {1029, "双击"},
    {1030, "禁用按键"},
    // Default profile name: "<text> #<n>".
    {1040, "配置文件"},
    // Lighting control values 1, 2, 4, 8, 16, 32.
    {1042, "常亮"},
    {1043, "呼吸"},
    {1044, "波浪"},
    {1045, "触发"},
    {1046, "涟漪"},
    {1047, "关闭灯光"},
    // Macro manager event-list menu.
    {1053, "在前面录制"},
    {1054, "在后面录制"},
    {1055, "插入延时"},
    {1056, "编辑"},
    {1057, "删除"},
    {1058, "插入鼠标事件"},
    {1059, "鼠标左键"},
    {1060, "鼠标右键"},
    {1061, "鼠标中键"},
    {1062, "鼠标后退键"},
    {1063, "鼠标前进键"},
    {1064, "按下"},
    {1065, "松开"},
    {1066, "单击"},
    // Key-function menu.
    {1067, "宏管理器..."},
    {1071, "宏"},
    // Keyboard functions (assignment type 4).
    {1072, "配置文件切换"},
    {1073, "灯光模式"},
    {1074, "灯光颜色"},
    {1077, "Windows 键锁定"},
    // Media functions.
    {1078, "多媒体"},
    {1079, "媒体播放器"},
    {1080, "播放/暂停"},
    {1081, "停止"},
    {1082, "上一曲"},
    {1083, "下一曲"},
    {1084, "音量增大"},
    {1085, "音量减小"},
    {1086, "静音"},
    // Application functions.
    {1087, "应用程序"},
    {1088, "电子邮件"},
    {1089, "计算器"},
    {1090, "文件管理器"},
    {1091, "网页主页"},
    {1092, "网页搜索"},
    {1093, "网页刷新"},
    {1094, "网页停止"},
    {1095, "网页后退"},
    {1096, "网页前进"},
    {1097, "网页收藏夹"},
    {1098, "鼠标"},
    {1100, "出厂设置"},
    {1101, "组合键..."},
    {1102, "启动程序..."},
    {1103, "默认功能"},
    // Lighting colours 1-6, and every other value.
    {1104, "红色"},
    {1105, "绿色"},
    {1106, "蓝色"},
    {1107, "黄色"},
    {1108, "紫色"},
    {1109, "青色"},
    {1110, "颜色循环"},
};
} // namespace

const std::span<const Entry> kSimplifiedChineseTexts = kTable;

} // namespace orvyn::uitext
