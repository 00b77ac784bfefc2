// Which state the window's connection line shows, from which facts.
#include <gtest/gtest.h>

#include "editing/ConnectionStatus.h"

namespace orvyn {
namespace {

struct Case {
    const char *name;
    ConnectionFacts facts;
    const char *stateText;
    const char *versionLine;
};

TEST(ConnectionStatusTest, StateAndVersionLineFollowTheFacts) {
    const Case cases[] = {
        // running, starting, Device, news, FWVersion
        {"no Monitor, Device left at 1 by a killed one",
         {false, false, 1, false, 105},
         "Monitor is not running",
         "Driver V1.03"},
        {"Monitor just started by Option",
         {false, true, -1, false, -1},
         "Starting Monitor...",
         "Driver V1.03"},
        {"keyboard open", {true, false, 1, false, 105}, "Keyboard connected", "Driver V1.03-Firmware V1.05"},
        {"keyboard open, firmware never told",
         {true, false, 1, false, -1},
         "Keyboard connected",
         "Driver V1.03"},
        {"keyboard open, firmware out of range",
         {true, false, 1, false, 42},
         "Keyboard connected",
         "Driver V1.03"},
        {"no keyboard: an earlier firmware is not shown",
         {true, false, 0, true, 105},
         "No keyboard connected",
         "Driver V1.03"},
        {"Device not written, no news",
         {true, false, -1, false, 105},
         "No keyboard connected",
         "Driver V1.03"},
        {"Device not written, read-back came",
         {true, false, -1, true, 502},
         "Keyboard connected",
         "Driver V1.03-Firmware V5.02"},
        {"running Monitor wins over starting",
         {true, true, 0, false, -1},
         "No keyboard connected",
         "Driver V1.03"},
    };
    for (const Case &c : cases) {
        const ConnectionStatus status = connectionStatus(c.facts);
        EXPECT_EQ(status.stateText, c.stateText) << c.name;
        EXPECT_EQ(status.versionLine, c.versionLine) << c.name;
    }
}

TEST(ConnectionStatusTest, OnlySavedAppliesAreConfirmedInTheWindow) {
    const struct {
        ApplyOutcome outcome;
        const char *text; // nullptr: a notice tells the user instead
    } cases[] = {
        {ApplyOutcome::Sent, "Saved to the keyboard"},
        {ApplyOutcome::NoKeyboard, "Saved; the keyboard is not connected"},
        {ApplyOutcome::NotTaken, nullptr},
        {ApplyOutcome::Refused, nullptr},
    };
    for (const auto &c : cases) {
        const auto confirmation = applyConfirmation(c.outcome);
        ASSERT_EQ(confirmation.has_value(), c.text != nullptr) << static_cast<int>(c.outcome);
        if (confirmation) {
            EXPECT_EQ(applyConfirmationText(*confirmation), c.text);
        }
    }
}

} // namespace
} // namespace orvyn
