// One line that says what the key pages show (traces and tests compare it
// with what the record holds).
#pragma once

#include <string>

#include "option/pages/MacroKeyPage.h"
#include "option/pages/MediaKeyPage.h"
#include "option/pages/StandardKeyPage.h"
#include "shared/ConfigBlock.h"

namespace orvyn {

// "remapped=<key>:<code>,... keys=<G1 caption>|... media=...|... player=...".
std::string describeKeyPages(const StandardKeyPage &keys, const MacroKeyPage &macroKeys,
                             const MediaKeyPage &mediaKeys, const ConfigBlock &working);

} // namespace orvyn
