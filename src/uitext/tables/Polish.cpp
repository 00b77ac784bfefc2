// The Polish texts. Glossary: profile = profil, macro = makro, key = klawisz,
// lighting = podświetlenie, apply = zastosuj, keyboard = klawiatura,
// mouse button = przycisk myszy.
#include "uitext/tables/StringTables.h"

namespace orvyn::uitext {

namespace {
const Entry kTable[] = {
    // Tray menu and tooltip.
    {1000, "Otwórz ustawienia klawiatury"},
    {1001, "Zakończ"},
    {1002, "Klawiatura Orvyn Vantor"},
    // Mouse functions.
    {1024, "Lewy przycisk myszy"},
    {1025, "Prawy przycisk myszy"},
    {1026, "Środkowy przycisk myszy"},
    {1027, "Przycisk myszy Wstecz"},
    {1028, "Przycisk myszy Dalej"},
    {1029, "Podwójne kliknięcie"},
    {1030, "Klawisz wyłączony"},
    // Default profile name: "<text> #<n>".
    {1040, "Profil"},
    // Lighting control values 1, 2, 4, 8, 16, 32.
    {1042, "Statyczny"},
    {1043, "Oddychanie"},
    {1044, "Fala"},
    {1045, "Reaktywny"},
    {1046, "Fala kołowa"},
    {1047, "Bez podświetlenia"},
    // Macro manager event-list menu.
    {1053, "Nagraj przed"},
    {1054, "Nagraj po"},
    {1055, "Wstaw opóźnienie"},
    {1056, "Edytuj"},
    {1057, "Usuń"},
    {1058, "Wstaw zdarzenie myszy"},
    {1059, "Lewy przycisk myszy"},
    {1060, "Prawy przycisk myszy"},
    {1061, "Środkowy przycisk myszy"},
    {1062, "Przycisk myszy Wstecz"},
    {1063, "Przycisk myszy Dalej"},
    {1064, "Naciśnięcie"},
    {1065, "Zwolnienie"},
    {1066, "Kliknięcie"},
    // Key-function menu.
    {1067, "Menedżer makr..."},
    {1071, "Makro"},
    // Keyboard functions (assignment type 4).
    {1072, "Przełączanie profilu"},
    {1073, "Tryb podświetlenia"},
    {1074, "Kolor podświetlenia"},
    {1077, "Blokada klawisza Windows"},
    // Media functions.
    {1078, "Multimedia"},
    {1079, "Odtwarzacz multimediów"},
    {1080, "Odtwórz/Pauza"},
    {1081, "Zatrzymaj"},
    {1082, "Poprzedni utwór"},
    {1083, "Następny utwór"},
    {1084, "Głośniej"},
    {1085, "Ciszej"},
    {1086, "Wycisz"},
    // Application functions.
    {1087, "Aplikacje"},
    {1088, "Poczta e-mail"},
    {1089, "Kalkulator"},
    {1090, "Menedżer plików"},
    {1091, "WWW: strona główna"},
    {1092, "WWW: szukaj"},
    {1093, "WWW: odśwież"},
    {1094, "WWW: zatrzymaj"},
    {1095, "WWW: wstecz"},
    {1096, "WWW: dalej"},
    {1097, "WWW: ulubione"},
    {1098, "Mysz"},
    {1100, "Ustawienie fabryczne"},
    {1101, "Kombinacja klawiszy..."},
    {1102, "Uruchom program..."},
    {1103, "Funkcja domyślna"},
    // Lighting colours 1-6, and every other value.
    {1104, "Czerwony"},
    {1105, "Zielony"},
    {1106, "Niebieski"},
    {1107, "Żółty"},
    {1108, "Fioletowy"},
    {1109, "Cyjan"},
    {1110, "Zmiana kolorów"},
};
} // namespace

const std::span<const Entry> kPolishTexts = kTable;

} // namespace orvyn::uitext
