// Text helpers: cutting texts for places with a length limit without
// splitting a character (limits count characters, not bytes). ASCII case
// folding for matching names comes from platform/Text.h.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/Text.h"

namespace orvyn {

// The first `maxCharacters` characters of a UTF-8 text. A malformed byte
// counts as one character, so the cut never lands inside a sequence.
std::string utf8Prefix(std::string_view text, std::size_t maxCharacters);

} // namespace orvyn
