#include "game/categories.h"

#include <gtest/gtest.h>

#include <string>

namespace kvint {
namespace {

Dice dice(Face a, Face b, Face c, Face d, Face e, Face f) {
    return Dice{{a, b, c, d, e, f}};
}

TEST(SelectCategory, PlainSelectorsAndWords) {
    EXPECT_EQ(selectCategory("1"), 1U);
    EXPECT_EQ(selectCategory("6"), 6U);
    EXPECT_EQ(selectCategory("23"), 7U);
    EXPECT_EQ(selectCategory("32"), 8U);
    EXPECT_EQ(selectCategory("strit"), 9U);
    EXPECT_EQ(selectCategory("care"), 10U);
    EXPECT_EQ(selectCategory("kvint"), 11U);
    for (std::size_t k = 1; k <= kCategories; ++k) {
        EXPECT_EQ(selectCategory(selectorText(k)), k); // the text a double click types
    }
    EXPECT_EQ(selectorText(cat::strit), "strit");
}

TEST(SelectCategory, LenientNumbers) {
    EXPECT_EQ(selectCategory("  4 "), 4U);
    EXPECT_EQ(selectCategory("+5"), 5U);
    EXPECT_EQ(selectCategory("0003"), 3U);
    EXPECT_EQ(selectCategory("023"), 7U);
    EXPECT_EQ(selectCategory("2.0"), 2U);
    EXPECT_EQ(selectCategory("32,00"), 8U);
    EXPECT_EQ(selectCategory("6."), 6U);
    EXPECT_EQ(selectCategory("23."), 7U);
    EXPECT_EQ(selectCategory(std::string(300, '0') + "1"), 1U);
}

TEST(SelectCategory, EverythingElseSelectsNothing) {
    for (const char* text : {"",       " ",      "0",    "7",     "33",
                             "2/3",    "3/2",    "Care", "KVINT", "Strit",
                             " strit", "kvint ", "1.5",  "2,01",  "+",
                             "++1",    "-1",     "1e0",  "0x1",   "1 2",
                             "4a",     ".5",     "١",    "４",    "99999999999999999999999",
                             "кварт",  "\t3"}) {
        EXPECT_EQ(selectCategory(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(CategoryPoints, FacesCountEvenZero) {
    const Dice d = dice(6, 5, 4, 4, 1, 1);
    EXPECT_EQ(categoryPoints(1, d), 2);
    EXPECT_EQ(categoryPoints(4, d), 8);
    EXPECT_EQ(categoryPoints(3, d), 0);
    EXPECT_EQ(categoryPoints(6, dice(6, 6, 6, 6, 6, 6)), 36);
}

TEST(CategoryPoints, TwoTriplesAndThreePairs) {
    EXPECT_EQ(categoryPoints(7, dice(5, 5, 5, 2, 2, 2)), 21);
    EXPECT_EQ(categoryPoints(8, dice(5, 5, 5, 2, 2, 2)), std::nullopt);
    EXPECT_EQ(categoryPoints(8, dice(5, 5, 5, 5, 2, 2)), 24);
    EXPECT_EQ(categoryPoints(7, dice(5, 5, 5, 5, 2, 2)), std::nullopt);
    EXPECT_EQ(categoryPoints(7, dice(3, 3, 3, 3, 3, 3)), 18);
    EXPECT_EQ(categoryPoints(8, dice(3, 3, 3, 3, 3, 3)), 18);
    EXPECT_EQ(categoryPoints(8, dice(6, 6, 4, 4, 1, 1)), 22);
}

TEST(CategoryPoints, StraightCareAndKvint) {
    EXPECT_EQ(categoryPoints(9, dice(6, 5, 4, 3, 2, 1)), 21);
    EXPECT_EQ(categoryPoints(9, dice(6, 5, 4, 3, 2, 2)), std::nullopt);
    EXPECT_EQ(categoryPoints(10, dice(6, 6, 6, 6, 1, 1)), 24);
    EXPECT_EQ(categoryPoints(10, dice(6, 6, 6, 6, 6, 6)), 24);
    EXPECT_EQ(categoryPoints(10, dice(6, 6, 5, 5, 5, 5)), std::nullopt);
    EXPECT_EQ(categoryPoints(11, dice(4, 3, 2, 2, 1, 1)), 13);
}

// The computer tests the same patterns on dice sorted upwards, and the
// categories must agree with them.
TEST(CategoryPatterns, HoldForDiceSortedEitherWayAndMatchTheCategories) {
    EXPECT_TRUE(twoTriples(dice(1, 1, 1, 4, 4, 4)));
    EXPECT_FALSE(twoTriples(dice(1, 1, 4, 4, 4, 4)));
    EXPECT_TRUE(threePairs(dice(1, 1, 3, 3, 6, 6)));
    EXPECT_FALSE(threePairs(dice(1, 1, 1, 3, 6, 6)));
    EXPECT_TRUE(isStraight(dice(1, 2, 3, 4, 5, 6)));
    EXPECT_FALSE(isStraight(dice(1, 2, 3, 3, 5, 6)));
    EXPECT_FALSE(isStraight(dice(1, 2, 3, 4, 5, 5)));
    for (const Dice& d : {dice(6, 6, 6, 2, 2, 2), dice(6, 6, 4, 4, 1, 1), dice(6, 5, 4, 3, 2, 1),
                          dice(6, 6, 6, 6, 6, 6), dice(6, 5, 5, 3, 3, 1)}) {
        EXPECT_EQ(categoryPoints(cat::dva_tri, d).has_value(), twoTriples(d));
        EXPECT_EQ(categoryPoints(cat::tri_dva, d).has_value(), threePairs(d));
        EXPECT_EQ(categoryPoints(cat::strit, d).has_value(), isStraight(d));
    }
}

} // namespace
} // namespace kvint
