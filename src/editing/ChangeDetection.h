// Which parts of the configuration Monitor has to write into the keyboard.
#pragma once

#include "shared/ConfigBlock.h"

namespace orvyn {

// Compares `working` with `saved` and writes the change flags into
// `working`: the import flags keep their values, the unused group becomes 0.
void detectChanges(const ConfigBlock &saved, ConfigBlock &working);

// After restoring the defaults: every flag set except the import flags and
// the HDD flag, so that Monitor writes every part.
void markEverythingChanged(ConfigBlock &config);

// After importing profile `p` from a file: its 32 key slots, lighting, remap
// table, switches and import flag set; the polling rate and HDD flags not.
void markProfileImported(ConfigBlock &config, int p);

// The parts of `sent` carried by the reports the keyboard refused (bit n:
// report id n) are added to `kept`, so that the next apply sends them again.
// Refused reports this suite does not know, or none named, keep all of `sent`.
void keepRefusedChanges(const ChangeFlags &sent, uint32_t refusedReports, ChangeFlags &kept);

// Every flag set in `extra` is set in `flags` as well.
void addChanges(ChangeFlags &flags, const ChangeFlags &extra);

} // namespace orvyn
