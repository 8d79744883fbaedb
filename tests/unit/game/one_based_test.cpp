// The one-based fields stop the program on an index out of range in every
// build, release builds included.
#include "game/state.h"

#include <gtest/gtest.h>

namespace kvint {
namespace {

TEST(OneBasedDeathTest, IndexOutsideTheFieldAborts) {
    Dice dice;
    Column column;
    dice(1) = 1;
    dice(kDice) = 6;
    column(1) = 3;
    column(kCategories) = 30;
    EXPECT_EQ(dice.values.front() + dice.values.back(), 7);
    EXPECT_EQ(column.values.front() + column.values.back(), 33);

    EXPECT_DEATH(dice(0) = 1, "");
    EXPECT_DEATH(dice(kDice + 1) = 1, "");
    const Column& readOnly = column;
    EXPECT_DEATH(static_cast<void>(readOnly(0)), "");
    EXPECT_DEATH(static_cast<void>(readOnly(kCategories + 1)), "");
}

} // namespace
} // namespace kvint
