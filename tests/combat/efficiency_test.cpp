#include "combat/efficiency.h"

#include <gtest/gtest.h>

TEST(Efficiency, RatioIsKeptInSinglePrecisionAndRoundedHalfToEven) {
    EXPECT_EQ(RoundedPercentText(RatioOrZero(1, 8)), "12");
    EXPECT_EQ(RoundedPercentText(RatioOrZero(3, 8)), "38");
    EXPECT_EQ(RoundedPercentText(RatioOrZero(5, 8)), "62");
    // 42/60 as a float is just below 0.7; times 100 it still rounds to 70.
    EXPECT_EQ(RoundedPercentText(RatioOrZero(42, 60)), "70");
    EXPECT_EQ(RoundedPercentText(RatioOrZero(-1, 8)), "-12");
    EXPECT_EQ(RoundedPercentText(RatioOrZero(-1, 1000)), "0");
}

TEST(Efficiency, ZeroAttackerScoreGivesZero) {
    EXPECT_EQ(RatioOrZero(5, 0), 0.0F);
    EXPECT_EQ(RoundedPercentText(RatioOrZero(5, 0)), "0");
}

TEST(Efficiency, HugeRatiosPrintWithoutOverflow) {
    const std::string text = RoundedPercentText(RatioOrZero(INT64_MAX, 1));
    EXPECT_EQ(text, "922337203685477580800");
}

TEST(Efficiency, FleetResourcesTruncateTheScore) {
    ShipRecord ship;
    ship[Col::Metal] = "10";
    ship[Col::Crystal] = "9";
    ship[Col::Eon] = "x";
    const ResourceFigures one = FleetResources(ship, 1);
    EXPECT_EQ(one.Total, 19);
    EXPECT_EQ(one.Score, 1);
    const ResourceFigures negative = FleetResources(ship, -1);
    EXPECT_EQ(negative.Score, -1);
}
