#include "protocol/ValueRules.h"
#include "protocol/EventTypes.h"

#include <gtest/gtest.h>

using namespace orvyn;

TEST(ValueRules, LightingValuesTheKeyboardTakes) {
    struct Row {
        int32_t value;
        bool colour;
        bool storedColour;
        bool control;
    };
    const Row rows[] = {
        {-1, false, false, false}, {0, false, true, false},  {1, true, true, true},
        {2, true, true, true},     {3, true, true, false},   {4, true, true, true},
        {7, true, true, false},    {8, false, false, true},  {16, false, false, true},
        {24, false, false, false}, {32, false, false, true}, {64, false, false, false},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.value);
        EXPECT_EQ(isLightingColour(r.value), r.colour);
        EXPECT_EQ(isStoredLightingColour(r.value), r.storedColour);
        EXPECT_EQ(isLightingControl(r.value), r.control);
    }
}

TEST(ValueRules, PollingRatesOnTheWire) {
    struct Row {
        int32_t stored;
        uint8_t sent;   // what report 11 carries
        int32_t readAs; // what a read-back of `sent` stores
        long hertz;     // 0: not a rate
    };
    // A value that is no rate goes as 1000 Hz; an unknown byte reads as 500 Hz.
    const Row rows[] = {{1, 8, 1, 125}, {2, 2, 2, 500}, {4, 1, 4, 1000}, {0, 1, 4, 0}, {3, 1, 4, 0}};
    for (const Row &r : rows) {
        SCOPED_TRACE(r.stored);
        EXPECT_EQ(pollingWireCode(r.stored), r.sent);
        EXPECT_EQ(pollingRateOfWireCode(r.sent), r.readAs);
        EXPECT_EQ(isPollingRate(r.stored), r.hertz != 0);
        if (r.hertz != 0) {
            EXPECT_EQ(pollingRateOfHertz(r.hertz), r.stored);
        }
    }
    EXPECT_EQ(pollingRateOfWireCode(0), 2);
    EXPECT_EQ(pollingRateOfHertz(250), std::nullopt);
}

TEST(ValueRules, EventTypesTheKeyboardSends) {
    const std::pair<uint16_t, bool> rows[] = {{0x0000, false}, {0x0FFF, false}, {0x1000, true},
                                              {0x1001, false}, {0x4000, true},  {0x7000, true},
                                              {0x7F00, false}, {0x8000, false}};
    for (const auto &[type, sent] : rows)
        EXPECT_EQ(isKeyboardEventType(type), sent) << std::hex << type;
}
