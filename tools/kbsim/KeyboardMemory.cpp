#include "kbsim/KeyboardMemory.h"

#include <cstring>

#include "protocol/ValueRules.h"

namespace orvyn {

namespace {

// Factory assignment in the three-byte form of report 8.
void factoryAssignment(uint8_t (&out)[3], int slot) {
    const FactoryKeyEntry &e = kFactoryKeyEntries[slot];
    out[0] = e.type;
    out[1] = 0;
    out[2] = 0;
    switch (static_cast<AssignType>(e.type)) {
    case AssignType::KeyCombination:
        out[1] = e.flags;
        out[2] = static_cast<uint8_t>(e.code & 0xFF);
        break;
    case AssignType::KeyboardFunction:
        out[1] = e.flags;
        break;
    case AssignType::SingleKey:
        out[2] = static_cast<uint8_t>(e.code & 0xFF);
        break;
    default:
        break;
    }
}

} // namespace

void makeEmptyMacro(uint8_t (&macro)[report_length::Macro], int profile, int slot) {
    MacroLayout empty{};
    empty.id = report_id::Macro;
    empty.length = static_cast<uint8_t>(report_length::Macro);
    empty.profile = static_cast<uint8_t>(profile);
    empty.slot = static_cast<uint8_t>(slot);
    empty.repeat = 1;
    static_assert(sizeof empty == sizeof macro);
    std::memcpy(macro, &empty, sizeof macro);
}

ProfileMemory factoryProfile(int profile) {
    ProfileMemory m{};
    std::memcpy(m.matrix, kFactoryKeyMatrix, sizeof m.matrix);
    for (int s = 0; s < kMacroSlots; ++s) {
        factoryAssignment(m.assignments[s], s);
        makeEmptyMacro(m.macros[s], profile, s);
    }
    // The record's lighting defaults: on, effect 0, colour 1, control 4,
    // power saving on.
    LightingLayout lighting{};
    lighting.id = report_id::Lighting;
    lighting.length = static_cast<uint8_t>(report_length::Lighting);
    lighting.profile = static_cast<uint8_t>(profile);
    lighting.fixed3 = kLightingFixed3;
    lighting.lightSwitch = 1;
    lighting.colour = 1;
    lighting.control = 4;
    lighting.saving = kPowerSavingOnCode;
    lighting.fixed10 = kLightingFixed10;
    lighting.profileMark = lightingProfileMark(profile);
    lighting.fixed12 = kLightingFixed12;
    static_assert(sizeof lighting == sizeof m.lighting);
    std::memcpy(m.lighting, &lighting, sizeof lighting);
    m.pollingCode = pollingWireCode(2);
    m.switchBits = 0x3F; // all six switches on
    return m;
}

KeyboardMemory factoryMemory() {
    KeyboardMemory m{};
    m.currentProfile = 0;
    for (int p = 0; p < kProfileCount; ++p)
        m.profiles[p] = factoryProfile(p);
    return m;
}

} // namespace orvyn
