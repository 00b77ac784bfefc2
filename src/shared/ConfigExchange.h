// Whole-record copies into and out of the shared configuration block. The
// real implementation is the mapped block file guarded by the robust
// process-shared mutex; tests use an in-memory fake.
#pragma once

#include "shared/ConfigBlock.h"

namespace orvyn {

class ConfigExchange {
public:
    virtual ~ConfigExchange() = default;
    // Copies all 84892 bytes into the block under the mutex. False (nothing
    // copied) without a block or mutex, or when the wait fails.
    virtual bool publish(const ConfigBlock &config) = 0;
    // The same in the other direction.
    virtual bool take(ConfigBlock &config) = 0;
};

} // namespace orvyn
