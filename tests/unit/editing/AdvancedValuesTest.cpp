#include <gtest/gtest.h>

#include "editing/AdvancedValues.h"

namespace orvyn {
namespace {

TEST(AdvancedValues, PollingRateButtonsFollowTheBits) {
    EXPECT_EQ(pollingRateForButton(1), 1);
    EXPECT_EQ(pollingRateForButton(3), 4);
    EXPECT_FALSE(pollingButtonPressed(2, 1));
    EXPECT_TRUE(pollingButtonPressed(2, 2));
    EXPECT_FALSE(pollingButtonPressed(2, 3));
    EXPECT_TRUE(pollingButtonPressed(4, 3));
    EXPECT_TRUE(pollingButtonPressed(7, 1) && pollingButtonPressed(7, 3)); // every set bit shows
    EXPECT_FALSE(pollingButtonPressed(8, 1) || pollingButtonPressed(8, 2) || pollingButtonPressed(8, 3));
}

TEST(AdvancedValues, SwitchesShowNeitherForOtherValues) {
    EXPECT_TRUE(switchButtonPressed(0, 0));
    EXPECT_TRUE(switchButtonPressed(1, 1));
    EXPECT_FALSE(switchButtonPressed(2, 0) || switchButtonPressed(2, 1));
}

TEST(AdvancedValues, Captions) {
    EXPECT_EQ(ltControlTextId(1), 1042u);
    EXPECT_EQ(ltControlTextId(32), 1047u);
    EXPECT_EQ(ltControlTextId(3), 0u);
    EXPECT_EQ(ltControlTextId(0), 0u);
    EXPECT_EQ(ltColorCaptionTextId(1), 1104u);
    EXPECT_EQ(ltColorCaptionTextId(6), 1109u);
    EXPECT_EQ(ltColorCaptionTextId(7), 1110u);
    EXPECT_EQ(ltColorCaptionTextId(0), 1110u);
    EXPECT_EQ(ltColorMenuTextId(2), 1106u);
    EXPECT_EQ(ltColorMenuTextId(3), 0u);
}

TEST(AdvancedValues, MenuCommands) {
    EXPECT_EQ(ltControlForCommand(1001), 1);
    EXPECT_EQ(ltControlForCommand(1006), 32);
    EXPECT_EQ(ltControlForCommand(1007), 0);
    EXPECT_EQ(ltColorForCommand(1101), 1);
    EXPECT_EQ(ltColorForCommand(1107), 7);
    EXPECT_EQ(ltColorForCommand(1108), 0);
}

} // namespace
} // namespace orvyn
