// The French texts. Glossary: profile = profil, macro = macro, key = touche,
// lighting = éclairage, apply = appliquer, keyboard = clavier,
// mouse button = bouton de la souris.
#include "uitext/tables/StringTables.h"

namespace orvyn::uitext {

namespace {
const Entry kTable[] = {
    // Tray menu and tooltip.
    {1000, "Ouvrir les paramètres du clavier"},
    {1001, "Quitter"},
    {1002, "Clavier Orvyn Vantor"},
    // Mouse functions.
    {1024, "Bouton gauche"},
    {1025, "Bouton droit"},
    {1026, "Bouton central"},
    {1027, "Bouton précédent"},
    {1028, "Bouton suivant"},
    {1029, "Double-clic"},
    {1030, "Touche désactivée"},
    // Default profile name: "<text> #<n>".
    {1040, "Profil"},
    // Lighting control values 1, 2, 4, 8, 16, 32.
    {1042, "Statique"},
    {1043, "Respiration"},
    {1044, "Vague"},
    {1045, "Réactif"},
    {1046, "Ondulation"},
    {1047, "Éclairage éteint"},
    // Macro manager event-list menu.
    {1053, "Enregistrer avant"},
    {1054, "Enregistrer après"},
    {1055, "Insérer un délai"},
    {1056, "Modifier"},
    {1057, "Supprimer"},
    {1058, "Insérer un événement souris"},
    {1059, "Bouton gauche"},
    {1060, "Bouton droit"},
    {1061, "Bouton central"},
    {1062, "Bouton précédent"},
    {1063, "Bouton suivant"},
    {1064, "Appuyer"},
    {1065, "Relâcher"},
    {1066, "Cliquer"},
    // Key-function menu.
    {1067, "Gestionnaire de macros..."},
    {1071, "Macro"},
    // Keyboard functions (assignment type 4).
    {1072, "Changement de profil"},
    {1073, "Mode d'éclairage"},
    {1074, "Couleur d'éclairage"},
    {1077, "Verrouillage touche Windows"},
    // Media functions.
    {1078, "Multimédia"},
    {1079, "Lecteur multimédia"},
    {1080, "Lecture/Pause"},
    {1081, "Arrêt"},
    {1082, "Piste précédente"},
    {1083, "Piste suivante"},
    {1084, "Augmenter le volume"},
    {1085, "Baisser le volume"},
    {1086, "Muet"},
    // Application functions.
    {1087, "Applications"},
    {1088, "Messagerie"},
    {1089, "Calculatrice"},
    {1090, "Gestionnaire de fichiers"},
    {1091, "Accueil Web"},
    {1092, "Recherche Web"},
    {1093, "Actualiser la page"},
    {1094, "Arrêter le chargement"},
    {1095, "Page précédente"},
    {1096, "Page suivante"},
    {1097, "Favoris Web"},
    {1098, "Souris"},
    {1100, "Réglage d'usine"},
    {1101, "Combinaison de touches..."},
    {1102, "Lancer un programme..."},
    {1103, "Fonction par défaut"},
    // Lighting colours 1-6, and every other value.
    {1104, "Rouge"},
    {1105, "Vert"},
    {1106, "Bleu"},
    {1107, "Jaune"},
    {1108, "Violet"},
    {1109, "Cyan"},
    {1110, "Cycle de couleurs"},
};
} // namespace

const std::span<const Entry> kFrenchTexts = kTable;

} // namespace orvyn::uitext
