// Which lighting and polling values the keyboard takes, as the configuration
// record stores them, and how they travel in the reports. Every program that
// checks or offers one of these values asks here. Depends on nothing, so the
// settings layer may use it too.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace orvyn {

// --- Lighting colour (LtColor) ------------------------------------------------

// 1-6 are fixed colours, 7 cycles through them.
inline constexpr int32_t kLightingColourFirst = 1;
inline constexpr int32_t kLightingColourCycle = 7;

constexpr bool isLightingColour(int32_t value) {
    return value >= kLightingColourFirst && value <= kLightingColourCycle;
}
// What the record may hold: a colour, or 0, which the keyboard reads back
// after a lighting control that takes no colour.
constexpr bool isStoredLightingColour(int32_t value) {
    return value == 0 || isLightingColour(value);
}

// --- Lighting control (LtControl, the lighting effect) ----------------------------

// In the order the effect menu lists them.
inline constexpr std::array<int32_t, 6> kLightingControls = {1, 2, 4, 8, 16, 32};

// The menu position of a lighting control, -1 for a value that is none.
constexpr int lightingControlIndex(int32_t value) {
    for (std::size_t i = 0; i < kLightingControls.size(); ++i) {
        if (kLightingControls[i] == value)
            return static_cast<int>(i);
    }
    return -1;
}
constexpr bool isLightingControl(int32_t value) {
    return lightingControlIndex(value) >= 0;
}
// The lighting control at a menu position, 0 outside the menu.
constexpr int32_t lightingControlAt(int index) {
    return index >= 0 && index < static_cast<int>(kLightingControls.size())
               ? kLightingControls[static_cast<std::size_t>(index)]
               : 0;
}
// With this lighting control the keyboard takes no colour: report 10
// carries colour 0.
inline constexpr int32_t kLightingControlWithoutColour = 32;
constexpr bool lightingControlTakesColour(int32_t control) {
    return control != kLightingControlWithoutColour;
}

// --- Power saving (ECOMode) -------------------------------------------------------

// The saving byte of report 10 for power saving on; 0 is off.
inline constexpr uint8_t kPowerSavingOnCode = 5;
constexpr uint8_t powerSavingCode(int32_t ecoMode) {
    return ecoMode != 0 ? kPowerSavingOnCode : 0;
}

// --- Polling rate (PollingRate) ---------------------------------------------------

struct PollingRateValue {
    int32_t stored;   // the record's value
    uint8_t wireCode; // byte 3 of report 11
    int hertz;
};
// In the order of the polling buttons.
inline constexpr std::array<PollingRateValue, 3> kPollingRates = {{{1, 8, 125}, {2, 2, 500}, {4, 1, 1000}}};

constexpr std::optional<PollingRateValue> pollingRateOfStored(int32_t stored) {
    for (const PollingRateValue &rate : kPollingRates) {
        if (rate.stored == stored)
            return rate;
    }
    return std::nullopt;
}
constexpr bool isPollingRate(int32_t stored) {
    return pollingRateOfStored(stored).has_value();
}
// The stored value of a rate in hertz; nullopt for a rate the keyboard lacks.
constexpr std::optional<int32_t> pollingRateOfHertz(long hertz) {
    for (const PollingRateValue &rate : kPollingRates) {
        if (rate.hertz == hertz)
            return rate.stored;
    }
    return std::nullopt;
}
// Report 11's byte for a stored value; a value that is no rate goes as
// 1000 Hz.
constexpr uint8_t pollingWireCode(int32_t stored) {
    const auto rate = pollingRateOfStored(stored);
    return rate ? rate->wireCode : kPollingRates.back().wireCode;
}
// The stored value of report 11's byte; an unknown byte reads as 500 Hz.
constexpr int32_t pollingRateOfWireCode(uint8_t code) {
    for (const PollingRateValue &rate : kPollingRates) {
        if (rate.wireCode == code)
            return rate.stored;
    }
    return kPollingRates[1].stored;
}

} // namespace orvyn
