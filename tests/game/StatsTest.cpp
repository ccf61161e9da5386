// CStats: float percentage scaling truncated toward zero, sums, dominance.
#include "game/Stats.h"

#include <gtest/gtest.h>

namespace {

TEST(StatsScaled, FloatFivePercentKeepsWholeProductsWhole) {
    const float fivePercent = 0.05f;
    EXPECT_EQ(CStats({20, 100, 400}).Scaled(fivePercent, fivePercent, fivePercent), CStats({21, 105, 420}));
}

TEST(StatsScaled, FractionalProductsTruncate) {
    const float fivePercent = 0.05f;
    EXPECT_EQ(CStats({24, 10, 1}).Scaled(fivePercent, fivePercent, fivePercent), CStats({25, 10, 1}));
}

TEST(StatsScaled, EachComponentTakesItsOwnPercentage) {
    EXPECT_EQ(CStats({40, 20, 200}).Scaled(0.05f, 0.0f, 0.0f), CStats({42, 20, 200}));
    EXPECT_EQ(CStats({-21, 10, 10}).Scaled(0.05f, -0.1f, 0.0f), CStats({-22, 8, 10}));
}

TEST(StatsSum, AddsComponentWise) {
    EXPECT_EQ(CStats({1, 2, 3}) + CStats({10, 20, 30}), CStats({11, 22, 33}));
}

TEST(StatsStrictlyBetter, NeedsNoLowerAndOneHigherComponent) {
    EXPECT_TRUE(CStats({80, 0, 0}).StrictlyBetter({0, 0, 0}));
    EXPECT_FALSE(CStats({0, 40, 400}).StrictlyBetter({80, 0, 0}));
    EXPECT_FALSE(CStats({80, 0, 0}).StrictlyBetter({80, 0, 0}));
    EXPECT_TRUE(CStats({80, 0, 1}).StrictlyBetter({80, 0, 0}));
}

}  // namespace
