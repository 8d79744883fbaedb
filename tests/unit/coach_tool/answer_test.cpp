#include "tools/coach/answer.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

namespace kvint::coachtool {
namespace {

using coach::Advice;
using coach::Decision;
using Kind = coach::Decision::Kind;

// The documented example: category 3 of the left column is written.
coach::Position example() {
    coach::Position p;
    p.level = strength::pro;
    p.left(3) = 9;
    p.right(2) = 4;
    p.right(7) = 30;
    p.dice = Dice{{6, 6, 2, 6, 1, 6}};
    return p;
}

Advice write(std::size_t k, double win = 0.5) {
    return {Decision{Kind::write, {}, k}, win};
}

TEST(CoachToolAnswer, RefusesAdviceTheRulesDoNotAllow) {
    coach::Position p = example();
    EXPECT_NO_THROW(checkAdvice(p, write(1)));
    EXPECT_NO_THROW(checkAdvice(p, write(4, 0.0))); // no four shown: 0 points, stays free
    EXPECT_NO_THROW(checkAdvice(p, {Decision{Kind::reroll, {false, false, true}, 0}, 1.0}));
    for (const std::size_t k : {0U, 3U, 7U, 12U}) { // out of range, written, not shown
        EXPECT_THROW(checkAdvice(p, write(k)), std::logic_error) << k;
    }
    EXPECT_THROW(checkAdvice(p, {Decision{Kind::reroll, {}, 0}, 0.5}), std::logic_error);
    for (const double win : {-0.0001, 1.0001, std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_THROW(checkAdvice(p, {Decision{}, win}), std::logic_error) << win;
    }
    p.roll = 3;
    EXPECT_THROW(checkAdvice(p, {Decision{Kind::reroll, {true}, 0}, 0.5}), std::logic_error);
    p.side = coach::Side::right;
    p.mode = 1;
    EXPECT_THROW(checkAdvice(p, write(2)), std::logic_error); // the right column's 2 is written
}

TEST(CoachToolAnswer, LineNamesDiceFromOneAndRoundsToFourDigits) {
    EXPECT_EQ(
        answerLine({Decision{Kind::reroll, {true, false, true, false, false, true}, 0}, 0.31274}),
        "reroll 1 3 6 win 0.3127");
    EXPECT_EQ(answerLine(write(11, 0.99996)), "write 11 win 1.0000");
    EXPECT_EQ(answerLine({Decision{}, -0.00004}), "pass win 0.0000"); // rounding
    EXPECT_EQ(answerLine(write(1, 1.00004)), "write 1 win 1.0000");
}

} // namespace
} // namespace kvint::coachtool
