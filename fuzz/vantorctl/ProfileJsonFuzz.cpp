// Any bytes offered as a profile document: reading never fails, a refused
// document leaves the profile untouched, and an accepted one leaves every
// field inside its domain.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "shared/ProfileDomain.h"
#include "vantorctl/JsonChecking.h"
#include "vantorctl/ProfileJson.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string json(reinterpret_cast<const char *>(data), size);
    auto profile = std::make_unique<orvyn::ProfileData>();
    std::memset(profile.get(), 0, sizeof(orvyn::ProfileData));
    orvyn::makeDefaultProfile(*profile, 0, "Profile");
    const auto before = std::make_unique<orvyn::ProfileData>(*profile);

    const orvyn::ctl::JsonImport result = orvyn::ctl::profileFromJson(json, *profile);
    if (!result.ok) {
        if (result.error.empty() || std::memcmp(profile.get(), before.get(), sizeof(orvyn::ProfileData)) != 0)
            std::abort();
        return 0;
    }
    if (!orvyn::profileViolations(*profile, 1).empty())
        std::abort();
    // The duplicate scan never reports a name in a document the reader took.
    if (!orvyn::ctl::firstRepeatedJsonName(json).empty())
        std::abort();
    return 0;
}
