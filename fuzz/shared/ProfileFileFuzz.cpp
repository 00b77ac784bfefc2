// Any bytes offered as a profile file: inspecting and loading never fail,
// and a file the import would accept loads into a profile that writes out
// and reads back unchanged.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "shared/SettingsStore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const orvyn::IniDocument doc = orvyn::IniDocument::parse(bytes);
    const orvyn::ProfileBlocks blocks = orvyn::inspectProfileBlocks(doc);
    if (blocks.validKeySlots < 0 || blocks.validKeySlots > orvyn::kKeySlotCount)
        std::abort();

    auto profile = std::make_unique<orvyn::ProfileData>();
    std::memset(profile.get(), 0, sizeof(orvyn::ProfileData));
    orvyn::readProfileKeys(doc, *profile);
    // The texts stay inside their fields.
    if (orvyn::getFixed(profile->ProFileName).size() >= sizeof profile->ProFileName ||
        orvyn::getFixed(profile->GameFile).size() >= sizeof profile->GameFile)
        std::abort();

    if (!blocks.hasSection || !blocks.firstDamaged.empty() || blocks.validKeySlots == 0)
        return 0;
    orvyn::IniDocument out;
    orvyn::writeProfileKeys(out, *profile);
    auto again = std::make_unique<orvyn::ProfileData>();
    std::memset(again.get(), 0, sizeof(orvyn::ProfileData));
    orvyn::readProfileKeys(orvyn::IniDocument::parse(out.serialize()), *again);
    // Text values are trimmed and cut at line ends by the file format; the
    // rest must come back byte for byte.
    std::memcpy(again->ProFileName, profile->ProFileName, sizeof again->ProFileName);
    std::memcpy(again->GameFile, profile->GameFile, sizeof again->GameFile);
    if (std::memcmp(profile.get(), again.get(), sizeof(orvyn::ProfileData)) != 0)
        std::abort();
    return 0;
}
