#include "monitor/Utf8Text.h"

namespace orvyn {

std::string utf8Prefix(std::string_view text, std::size_t maxCharacters) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        // Continuation bytes (10xxxxxx) belong to the character before.
        if ((byte & 0xC0) == 0x80 && i > 0)
            continue;
        if (characters == maxCharacters)
            return std::string(text.substr(0, i));
        ++characters;
    }
    return std::string(text);
}

} // namespace orvyn
