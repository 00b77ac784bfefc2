// The Brazilian Portuguese texts. Glossary: profile = perfil, macro = macro,
// key = tecla, lighting = iluminação, apply = aplicar, keyboard = teclado,
// mouse button = botão do mouse.
#include "uitext/tables/StringTables.h"

namespace orvyn::uitext {

namespace {
const Entry kTable[] = {
    // Tray menu and tooltip.
    {1000, "Abrir configurações do teclado"},
    {1001, "Sair"},
    {1002, "Teclado Orvyn Vantor"},
    // Mouse functions.
    {1024, "Botão esquerdo"},
    {1025, "Botão direito"},
    {1026, "Botão do meio"},
    {1027, "Botão Voltar"},
    {1028, "Botão Avançar"},
    {1029, "Clique duplo"},
    {1030, "Tecla desativada"},
    // Default profile name: "<text> #<n>".
    {1040, "Perfil"},
    // Lighting control values 1, 2, 4, 8, 16, 32.
    {1042, "Estático"},
    {1043, "Respiração"},
    {1044, "Onda"},
    {1045, "Reativo"},
    {1046, "Ondulação"},
    {1047, "Luzes apagadas"},
    // Macro manager event-list menu.
    {1053, "Gravar antes"},
    {1054, "Gravar depois"},
    {1055, "Inserir atraso"},
    {1056, "Editar"},
    {1057, "Excluir"},
    {1058, "Inserir evento do mouse"},
    {1059, "Botão esquerdo"},
    {1060, "Botão direito"},
    {1061, "Botão do meio"},
    {1062, "Botão Voltar"},
    {1063, "Botão Avançar"},
    {1064, "Pressionar"},
    {1065, "Soltar"},
    {1066, "Clicar"},
    // Key-function menu.
    {1067, "Gerenciador de macros..."},
    {1071, "Macro"},
    // Keyboard functions (assignment type 4).
    {1072, "Troca de perfil"},
    {1073, "Modo de iluminação"},
    {1074, "Cor da iluminação"},
    {1077, "Bloqueio da tecla Windows"},
    // Media functions.
    {1078, "Multimídia"},
    {1079, "Reprodutor de mídia"},
    {1080, "Reproduzir/Pausar"},
    {1081, "Parar"},
    {1082, "Faixa anterior"},
    {1083, "Próxima faixa"},
    {1084, "Aumentar volume"},
    {1085, "Diminuir volume"},
    {1086, "Mudo"},
    // Application functions.
    {1087, "Aplicativos"},
    {1088, "E-mail"},
    {1089, "Calculadora"},
    {1090, "Gerenciador de arquivos"},
    {1091, "Página inicial da web"},
    {1092, "Pesquisa na web"},
    {1093, "Atualizar página"},
    {1094, "Parar carregamento"},
    {1095, "Página anterior"},
    {1096, "Próxima página"},
    {1097, "Favoritos da web"},
    {1098, "Mouse"},
    {1100, "Configuração de fábrica"},
    {1101, "Combinação de teclas..."},
    {1102, "Iniciar programa..."},
    {1103, "Função padrão"},
    // Lighting colours 1-6, and every other value.
    {1104, "Vermelho"},
    {1105, "Verde"},
    {1106, "Azul"},
    {1107, "Amarelo"},
    {1108, "Roxo"},
    {1109, "Ciano"},
    {1110, "Ciclo de cores"},
};
} // namespace

const std::span<const Entry> kBrazilianPortugueseTexts = kTable;

} // namespace orvyn::uitext
