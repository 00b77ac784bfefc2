// The German texts. Glossary: profile = Profil, macro = Makro, key = Taste,
// lighting = Beleuchtung, apply = Übernehmen, keyboard = Tastatur,
// mouse button = Maustaste.
#include "uitext/tables/StringTables.h"

namespace orvyn::uitext {

namespace {
const Entry kTable[] = {
    // Tray menu and tooltip.
    {1000, "Tastatureinstellungen öffnen"},
    {1001, "Beenden"},
    {1002, "Orvyn Vantor Tastatur"},
    // Mouse functions.
    {1024, "Linke Maustaste"},
    {1025, "Rechte Maustaste"},
    {1026, "Mittlere Maustaste"},
    {1027, "Maustaste Zurück"},
    {1028, "Maustaste Vorwärts"},
    {1029, "Doppelklick"},
    {1030, "Taste deaktiviert"},
    // Default profile name: "<text> #<n>".
    {1040, "Profil"},
    // Lighting control values 1, 2, 4, 8, 16, 32.
    {1042, "Statisch"},
    {1043, "Atmend"},
    {1044, "Welle"},
    {1045, "Reaktiv"},
    {1046, "Ringwelle"},
    {1047, "Beleuchtung aus"},
    // Macro manager event-list menu.
    {1053, "Davor aufnehmen"},
    {1054, "Danach aufnehmen"},
    {1055, "Verzögerung einfügen"},
    {1056, "Bearbeiten"},
    {1057, "Löschen"},
    {1058, "Mausereignis einfügen"},
    {1059, "Linke Maustaste"},
    {1060, "Rechte Maustaste"},
    {1061, "Mittlere Maustaste"},
    {1062, "Maustaste Zurück"},
    {1063, "Maustaste Vorwärts"},
    {1064, "Drücken"},
    {1065, "Loslassen"},
    {1066, "Klicken"},
    // Key-function menu.
    {1067, "Makroverwaltung..."},
    {1071, "Makro"},
    // Keyboard functions (assignment type 4).
    {1072, "Profilwechsel"},
    {1073, "Beleuchtungsmodus"},
    {1074, "Beleuchtungsfarbe"},
    {1077, "Windows-Tastensperre"},
    // Media functions.
    {1078, "Multimedia"},
    {1079, "Mediaplayer"},
    {1080, "Wiedergabe/Pause"},
    {1081, "Stopp"},
    {1082, "Vorheriger Titel"},
    {1083, "Nächster Titel"},
    {1084, "Lauter"},
    {1085, "Leiser"},
    {1086, "Stumm"},
    // Application functions.
    {1087, "Anwendungen"},
    {1088, "E-Mail"},
    {1089, "Rechner"},
    {1090, "Dateimanager"},
    {1091, "Web-Startseite"},
    {1092, "Websuche"},
    {1093, "Web aktualisieren"},
    {1094, "Web anhalten"},
    {1095, "Web zurück"},
    {1096, "Web vorwärts"},
    {1097, "Web-Favoriten"},
    {1098, "Maus"},
    {1100, "Werkseinstellung"},
    {1101, "Tastenkombination..."},
    {1102, "Programm starten..."},
    {1103, "Standardfunktion"},
    // Lighting colours 1-6, and every other value.
    {1104, "Rot"},
    {1105, "Grün"},
    {1106, "Blau"},
    {1107, "Gelb"},
    {1108, "Violett"},
    {1109, "Cyan"},
    {1110, "Farbwechsel"},
};
} // namespace

const std::span<const Entry> kGermanTexts = kTable;

} // namespace orvyn::uitext
