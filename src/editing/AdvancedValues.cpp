#include "editing/AdvancedValues.h"

#include "protocol/ValueRules.h"

namespace orvyn {

int32_t pollingRateForButton(int n) {
    return n >= 1 && n <= static_cast<int>(kPollingRates.size())
               ? kPollingRates[static_cast<std::size_t>(n - 1)].stored
               : 0;
}

bool pollingButtonPressed(int32_t value, int n) {
    return (static_cast<uint32_t>(value) & static_cast<uint32_t>(pollingRateForButton(n))) != 0;
}

bool switchButtonPressed(int32_t value, int button) {
    return value == button;
}

unsigned ltControlTextId(int32_t value) {
    return ltControlMenuTextId(lightingControlIndex(value));
}

unsigned ltColorCaptionTextId(int32_t value) {
    // The colour cycle shares its caption with values that are no colour.
    return isLightingColour(value) && value != kLightingColourCycle ? 1103u + static_cast<unsigned>(value)
                                                                    : 1110u;
}

unsigned ltControlMenuTextId(int index) {
    return index >= 0 && index < kLtControlCommandCount ? 1042u + static_cast<unsigned>(index) : 0u;
}

unsigned ltColorMenuTextId(int index) {
    return index >= 0 && index < kLtColorMenuCount ? 1104u + static_cast<unsigned>(index) : 0u;
}

int32_t ltControlForCommand(int command) {
    const int k = command - kLtControlFirstCommand;
    return k >= 0 && k < kLtControlCommandCount ? lightingControlAt(k) : 0;
}

int32_t ltColorForCommand(int command) {
    const int colour = command - kLtColorFirstCommand + kLightingColourFirst;
    return isLightingColour(colour) ? colour : 0;
}

} // namespace orvyn
