// Profile files that a user carries between profiles and machines: the
// current profile exported to a file of the user's choice, and such a file
// imported back. Paths in, a result for the user out; no widgets, so the
// window and a command-line tool share them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "shared/ConfigBlock.h"
#include "shared/SettingsStore.h"

namespace orvyn {

inline constexpr char kProfileFileSuffix[] = ".gkp";
// A profile file is about 33 KB; anything far larger is not one.
inline constexpr std::size_t kProfileFileMaxBytes = 1u << 20;

// The file name without the text from its last "." ("a.b.gkp" gives "a.b").
std::string profileFileTitle(std::string_view path);

// Ok with an empty message: done. Ok with a message: done, with a warning
// the user should read. Not ok: nothing was changed; the message says why.
struct TransferResult {
    bool ok = false;
    std::string message;
};

// Reads and checks the profile file at `source`, copies it into the
// settings folder as <title>.gkp and loads it over `profile` (a remap table
// or key slot the file lacks acts as on any load). A file that is missing,
// unreadable, not a regular file, empty, larger than kProfileFileMaxBytes,
// without the profile section, with a damaged block or with no block at all is refused
// and `profile` is left as it was; so is one that holds a key twice, lacks a
// number key or holds any value outside its domain (shared/ProfileDomain.h),
// and nothing is copied then.
TransferResult importProfileFile(const std::string &source, const std::string &settingsFolder,
                                 ProfileData &profile);

// Writes `profile` to `target` in one atomic replacement (a file there is
// replaced whole, and stays as it was when the write fails), records the
// title as FileName of Profile<profileIndex + 1> in config.ini and copies the
// file into config/<title>.gkp of the settings folder.
TransferResult exportProfileFile(const ProfileData &profile, int profileIndex, const std::string &target,
                                 SettingsStore &settings);

} // namespace orvyn
