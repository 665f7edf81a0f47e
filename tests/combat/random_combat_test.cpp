#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "combat/random_table.h"
#include "core/calculation.h"
#include "core/program_state.h"
#include "core/stats_storage.h"
#include "data/default_ships.h"
#include "data/int_text.h"
#include "data/number_text.h"

TEST(RandomCombat, AnyTableCountAndPairingGivesConsistentResults) {
    RandomText random(20261207);
    ProgramState state;
    BuildDefaultStats(state);
    for (int round = 0; round < 3000; ++round) {
        if (round % 50 == 0) {
            Scramble(state.StoredStats, random);
        }
        state.Inputs.AttShipListIndex = static_cast<int>(random.Pick(60)) - 3;
        state.Inputs.DefShipListIndex = static_cast<int>(random.Pick(60)) - 3;
        state.Inputs.AttShipsText = random.Number();
        RecalculateAll(state);

        const CombatState& c = state.Combat;
        ASSERT_LT(c.AttackerRow, kShipCount);
        ASSERT_LT(c.DefenderRow, kShipCount);
        ASSERT_LE(c.CombatVariant, CombatVariantValue::NoTarget);
        ASSERT_LE(c.TargetType, kNoTarget);
        EXPECT_GE(c.HitRate, 0);
        EXPECT_EQ(c.AttackerShips, ToInt64Or(state.Inputs.AttShipsText, 0));
        EXPECT_TRUE(c.ResultLine.starts_with(std::to_string(c.AttackerShips) + " "));
        // A whole number in plain decimal, past the 64-bit range included.
        EXPECT_EQ(WholeNumberText(std::strtod(c.EfficiencyText.c_str(), nullptr)),
                  c.EfficiencyText);
        const bool hasTarget = c.TargetType != kNoTarget;
        EXPECT_EQ(state.Results.TargetDisplay.empty(), !hasTarget);
        EXPECT_EQ(state.Results.Efficiency.empty(), !hasTarget);
        EXPECT_EQ(c.ResultLine.find(", AttResEff = ") != std::string::npos, hasTarget);
        if (c.CombatVariant == CombatVariantValue::NoTarget ||
            c.CombatVariant == CombatVariantValue::Pods ||
            c.CombatVariant == CombatVariantValue::PdsVsPds) {
            EXPECT_EQ(c.ShipsResult, 0);
            EXPECT_EQ(c.OutcomeVerb, "cant target");
        }
    }
}
