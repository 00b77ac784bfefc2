// The Russian texts (still English: to be translated).
#include "uitext/tables/StringTables.h"

namespace orvyn::uitext {

namespace {
const Entry kTable[] = {
    // Tray menu and tooltip.
    {1000, "Open Keyboard Settings"},
    {1001, "Exit"},
    {1002, "Orvyn Vantor Keyboard"},
    // Mouse functions.
    {1024, "Left Button"},
    {1025, "Right Button"},
    {1026, "Middle Button"},
    {1027, "Back Button"},
    {1028, "Forward Button"},
    {1029, "Double Click"},
    {1030, "Key Disabled"},
    // Default profile name: "<text> #<n>".
    {1040, "Profile"},
    // Lighting control values 1, 2, 4, 8, 16, 32.
    {1042, "Static"},
    {1043, "Breathing"},
    {1044, "Wave"},
    {1045, "Reactive"},
    {1046, "Ripple"},
    {1047, "Lights Off"},
    // Macro manager event-list menu.
    {1053, "Record Before"},
    {1054, "Record After"},
    {1055, "Insert Delay"},
    {1056, "Edit"},
    {1057, "Delete"},
    {1058, "Insert Mouse Event"},
    {1059, "Left Button"},
    {1060, "Right Button"},
    {1061, "Middle Button"},
    {1062, "Back Button"},
    {1063, "Forward Button"},
    {1064, "Press"},
    {1065, "Release"},
    {1066, "Click"},
    // Key-function menu.
    {1067, "Macro Manager..."},
    {1071, "Macro"},
    // Keyboard functions (assignment type 4).
    {1072, "Profile Switch"},
    {1073, "Lighting Mode"},
    {1074, "Lighting Colour"},
    {1077, "Windows Key Lock"},
    // Media functions.
    {1078, "Multimedia"},
    {1079, "Media Player"},
    {1080, "Play/Pause"},
    {1081, "Stop"},
    {1082, "Previous Track"},
    {1083, "Next Track"},
    {1084, "Volume Up"},
    {1085, "Volume Down"},
    {1086, "Mute"},
    // Application functions.
    {1087, "Applications"},
    {1088, "E-mail"},
    {1089, "Calculator"},
    {1090, "File Manager"},
    {1091, "Web Home"},
    {1092, "Web Search"},
    {1093, "Web Refresh"},
    {1094, "Web Stop"},
    {1095, "Web Back"},
    {1096, "Web Forward"},
    {1097, "Web Favourites"},
    {1098, "Mouse"},
    {1100, "Factory Setting"},
    {1101, "Key Combination..."},
    {1102, "Launch Program..."},
    {1103, "Default Function"},
    // Lighting colours 1-6, and every other value.
    {1104, "Red"},
    {1105, "Green"},
    {1106, "Blue"},
    {1107, "Yellow"},
    {1108, "Purple"},
    {1109, "Cyan"},
    {1110, "Colour Cycle"},
};
} // namespace

const std::span<const Entry> kRussianTexts = kTable;

} // namespace orvyn::uitext
