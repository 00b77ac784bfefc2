// The Spanish texts. Glossary: profile = perfil, macro = macro, key = tecla,
// lighting = iluminación, apply = aplicar, keyboard = teclado,
// mouse button = botón del ratón.
#include "uitext/tables/StringTables.h"

namespace orvyn::uitext {

namespace {
const Entry kTable[] = {
    // Tray menu and tooltip.
    {1000, "Abrir ajustes del teclado"},
    {1001, "Salir"},
    {1002, "Teclado Orvyn Vantor"},
    // Mouse functions.
    {1024, "Botón izquierdo"},
    {1025, "Botón derecho"},
    {1026, "Botón central"},
    {1027, "Botón atrás"},
    {1028, "Botón adelante"},
    {1029, "Doble clic"},
    {1030, "Tecla desactivada"},
    // Default profile name: "<text> #<n>".
    {1040, "Perfil"},
    // Lighting control values 1, 2, 4, 8, 16, 32.
    {1042, "Estático"},
    {1043, "Respiración"},
    {1044, "Onda"},
    {1045, "Reactivo"},
    {1046, "Ondulación"},
    {1047, "Iluminación apagada"},
    // Macro manager event-list menu.
    {1053, "Grabar antes"},
    {1054, "Grabar después"},
    {1055, "Insertar retardo"},
    {1056, "Editar"},
    {1057, "Eliminar"},
    {1058, "Insertar evento de ratón"},
    {1059, "Botón izquierdo"},
    {1060, "Botón derecho"},
    {1061, "Botón central"},
    {1062, "Botón atrás"},
    {1063, "Botón adelante"},
    {1064, "Pulsar"},
    {1065, "Soltar"},
    {1066, "Hacer clic"},
    // Key-function menu.
    {1067, "Gestor de macros..."},
    {1071, "Macro"},
    // Keyboard functions (assignment type 4).
    {1072, "Cambio de perfil"},
    {1073, "Modo de iluminación"},
    {1074, "Color de iluminación"},
    {1077, "Bloqueo de tecla Windows"},
    // Media functions.
    {1078, "Multimedia"},
    {1079, "Reproductor multimedia"},
    {1080, "Reproducir/Pausa"},
    {1081, "Detener"},
    {1082, "Pista anterior"},
    {1083, "Pista siguiente"},
    {1084, "Subir volumen"},
    {1085, "Bajar volumen"},
    {1086, "Silenciar"},
    // Application functions.
    {1087, "Aplicaciones"},
    {1088, "Correo electrónico"},
    {1089, "Calculadora"},
    {1090, "Gestor de archivos"},
    {1091, "Inicio web"},
    {1092, "Búsqueda web"},
    {1093, "Actualizar página"},
    {1094, "Detener carga"},
    {1095, "Página anterior"},
    {1096, "Página siguiente"},
    {1097, "Favoritos web"},
    {1098, "Ratón"},
    {1100, "Ajuste de fábrica"},
    {1101, "Combinación de teclas..."},
    {1102, "Iniciar programa..."},
    {1103, "Función predeterminada"},
    // Lighting colours 1-6, and every other value.
    {1104, "Rojo"},
    {1105, "Verde"},
    {1106, "Azul"},
    {1107, "Amarillo"},
    {1108, "Morado"},
    {1109, "Cian"},
    {1110, "Ciclo de colores"},
};
} // namespace

const std::span<const Entry> kSpanishTexts = kTable;

} // namespace orvyn::uitext
