#include "core/startup.h"

#include <gtest/gtest.h>

#include "core/calculation.h"

// Right after StartCore the built-in table calculates: nothing holds the core back.
TEST(Startup, CalculatesAtOnceWithTheBuiltInTable) {
    ProgramState state;
    StartCore(state);
    state.Inputs = {0, 1, "12"};
    RecalculateAll(state);
    EXPECT_EQ(state.Combat.AttackerShips, 12);
    EXPECT_EQ(state.Combat.DefenderRow, 1);
    EXPECT_EQ(state.Combat.BaseHitChance, 25);
    EXPECT_TRUE(state.Combat.ResultLine.starts_with("12 " + state.ActiveStats[0][Col::ShipName]));
}
