// A whole profile as a JSON document, for diffing and version control, and
// the macro library as JSON. The schema (format "orvyn-vantor-profile",
// version 1) is documented in the vantorctl manual page; a document is
// checked whole before anything of it is used.
#pragma once

#include <string>

#include "editing/AssignmentText.h"
#include "editing/MacroLibrary.h"
#include "shared/ConfigBlock.h"

namespace orvyn::ctl {

inline constexpr const char *kProfileJsonFormat = "orvyn-vantor-profile";
inline constexpr int kProfileJsonVersion = 1;
// A profile document with 15 full macros stays far below this.
inline constexpr std::size_t kProfileJsonMaxBytes = 4u << 20;

// Indented JSON, keys in a fixed order, so that equal profiles give equal
// text. Captions (what the window shows) are written for people and ignored
// when read.
std::string profileToJson(const ProfileData &profile, const AssignmentText &captions);

struct JsonImport {
    bool ok = false;
    std::string error; // names the field: "keys[3].macro.events[2].delay: ..."
};
// Checks every field of `json`, each against its domain (shared/ProfileDomain.h),
// and refuses a document that names a field twice; only when all are valid is `profile`
// changed: name, game program, media player, lighting, polling rate,
// switches and remap table replaced, keys G1-G15 rewritten whole. Key slots
// 15-31, reserved words and apmLightInfo keep what they held.
JsonImport profileFromJson(const std::string &json, ProfileData &profile);

std::string libraryToJson(const MacroLibrary &library);

} // namespace orvyn::ctl
