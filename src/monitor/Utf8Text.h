// Text helpers: cutting texts for places with a length limit without
// splitting a character (limits count characters, not bytes), and ASCII
// case folding for matching names.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvyn {

// The first `maxCharacters` characters of a UTF-8 text. A malformed byte
// counts as one character, so the cut never lands inside a sequence.
std::string utf8Prefix(std::string_view text, std::size_t maxCharacters);

// The text with A-Z lowered and every other byte kept: file and player
// names are matched without regard to ASCII case.
std::string asciiLower(std::string_view text);

} // namespace orvyn
