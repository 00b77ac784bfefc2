// The Italian texts. Glossary: profile = profilo, macro = macro, key = tasto,
// lighting = illuminazione, apply = applicare (Applica), keyboard = tastiera,
// mouse button = pulsante del mouse.
#include "uitext/tables/StringTables.h"

namespace orvyn::uitext {

namespace {
const Entry kTable[] = {
    // Tray menu and tooltip.
    {1000, "Apri impostazioni tastiera"},
    {1001, "Esci"},
    {1002, "Tastiera Orvyn Vantor"},
    // Mouse functions.
    {1024, "Pulsante sinistro"},
    {1025, "Pulsante destro"},
    {1026, "Pulsante centrale"},
    {1027, "Pulsante Indietro"},
    {1028, "Pulsante Avanti"},
    {1029, "Doppio clic"},
    {1030, "Tasto disattivato"},
    // Default profile name: "<text> #<n>".
    {1040, "Profilo"},
    // Lighting control values 1, 2, 4, 8, 16, 32.
    {1042, "Statico"},
    {1043, "Respiro"},
    {1044, "Onda"},
    {1045, "Reattivo"},
    {1046, "Increspatura"},
    {1047, "Luci spente"},
    // Macro manager event-list menu.
    {1053, "Registra prima"},
    {1054, "Registra dopo"},
    {1055, "Inserisci ritardo"},
    {1056, "Modifica"},
    {1057, "Elimina"},
    {1058, "Inserisci evento mouse"},
    {1059, "Pulsante sinistro"},
    {1060, "Pulsante destro"},
    {1061, "Pulsante centrale"},
    {1062, "Pulsante Indietro"},
    {1063, "Pulsante Avanti"},
    {1064, "Pressione"},
    {1065, "Rilascio"},
    {1066, "Clic"},
    // Key-function menu.
    {1067, "Gestione macro..."},
    {1071, "Macro"},
    // Keyboard functions (assignment type 4).
    {1072, "Cambio profilo"},
    {1073, "Modalità illuminazione"},
    {1074, "Colore illuminazione"},
    {1077, "Blocco tasto Windows"},
    // Media functions.
    {1078, "Multimedia"},
    {1079, "Lettore multimediale"},
    {1080, "Riproduci/Pausa"},
    {1081, "Arresta"},
    {1082, "Traccia precedente"},
    {1083, "Traccia successiva"},
    {1084, "Alza volume"},
    {1085, "Abbassa volume"},
    {1086, "Muto"},
    // Application functions.
    {1087, "Applicazioni"},
    {1088, "Posta elettronica"},
    {1089, "Calcolatrice"},
    {1090, "Gestore file"},
    {1091, "Pagina iniziale web"},
    {1092, "Ricerca web"},
    {1093, "Aggiorna pagina"},
    {1094, "Interrompi caricamento"},
    {1095, "Pagina precedente"},
    {1096, "Pagina successiva"},
    {1097, "Preferiti web"},
    {1098, "Mouse"},
    {1100, "Impostazione di fabbrica"},
    {1101, "Combinazione di tasti..."},
    {1102, "Avvia programma..."},
    {1103, "Funzione predefinita"},
    // Lighting colours 1-6, and every other value.
    {1104, "Rosso"},
    {1105, "Verde"},
    {1106, "Blu"},
    {1107, "Giallo"},
    {1108, "Viola"},
    {1109, "Ciano"},
    {1110, "Ciclo colori"},
};
} // namespace

const std::span<const Entry> kItalianTexts = kTable;

} // namespace orvyn::uitext
