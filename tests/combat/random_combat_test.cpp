#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "combat/random_table.h"
#include "core/calculation.h"
#include "core/program_state.h"
#include "core/stats_storage.h"
#include "data/default_ships.h"
#include "data/int_text.h"
#include "data/number_text.h"

namespace {

// The first target slot that names the defender's class or "All"; kNoTarget for none.
std::uint8_t FirstMatchingSlot(const ShipRecord& a, const ShipRecord& d) {
    const Col slots[] = {Col::T1, Col::T2, Col::T3};
    for (std::uint8_t slot = 0; slot < 3; ++slot) {
        if (a[slots[slot]] == d[Col::Cl] || a[slots[slot]] == "All") {
            return slot;
        }
    }
    return kNoTarget;
}

// The variant rules read as a decision list, the reverse of the program's overriding order.
CombatVariantValue ExpectedVariant(const ShipRecord& a, const ShipRecord& d) {
    const std::string& type = a[Col::ShipType];
    const bool pdsDefender = d[Col::ShipType] == "PDS";
    if (type == "PDS" && pdsDefender) {
        return CombatVariantValue::PdsVsPds;
    }
    if (FirstMatchingSlot(a, d) == kNoTarget ||
        (pdsDefender && (type == "EMP" || type == "Steal"))) {
        return CombatVariantValue::NoTarget;
    }
    if (type == "EMP") {
        return CombatVariantValue::Emp;
    }
    if (type == "Special") {
        return CombatVariantValue::Pods;
    }
    return type == "Steal" ? CombatVariantValue::Capture : CombatVariantValue::Kill;
}

// Kill, capture and PDS against PDS aim: 25 - Ag + WPSP, taken exactly, then cut to 32 bits
// as the calculation wraps, and never below 0. EMP always hits; the others never fire.
std::int32_t ExpectedHitRate(CombatVariantValue variant, const ShipRecord& a, const ShipRecord& d) {
    switch (variant) {
        case CombatVariantValue::Kill:
        case CombatVariantValue::Capture:
        case CombatVariantValue::PdsVsPds: {
            const std::int64_t exact =
                25 - std::int64_t{ToInt32Or(d[Col::Ag], 1)} + ToInt32Or(a[Col::WPSP], 1);
            return std::max(static_cast<std::int32_t>(static_cast<std::uint32_t>(exact)), 0);
        }
        case CombatVariantValue::Emp:
            return 100;
        case CombatVariantValue::Pods:
        case CombatVariantValue::NoTarget:
            return 0;
    }
    return -1;
}

}  // namespace

TEST(RandomCombat, AnyTableCountAndPairingFollowsTheRules) {
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
        const ShipRecord& a = state.ActiveStats[c.AttackerRow];
        const ShipRecord& d = state.ActiveStats[c.DefenderRow];
        const CombatVariantValue variant = ExpectedVariant(a, d);
        ASSERT_EQ(c.CombatVariant, variant) << a[Col::ShipType] << " v " << d[Col::ShipType];
        const bool forcedOff =
            variant == CombatVariantValue::PdsVsPds ||
            (variant == CombatVariantValue::NoTarget && FirstMatchingSlot(a, d) != kNoTarget);
        EXPECT_EQ(c.TargetType, forcedOff ? kNoTarget : FirstMatchingSlot(a, d));

        const std::int64_t ships = ToInt64Or(state.Inputs.AttShipsText, 0);
        const auto guns = static_cast<std::uint64_t>(std::int64_t{ToInt32Or(a[Col::Guns], 1)});
        EXPECT_EQ(c.AttackerShips, ships);
        EXPECT_EQ(c.TotalShots,
                  variant == CombatVariantValue::Pods
                      ? 0
                      : static_cast<std::int64_t>(static_cast<std::uint64_t>(ships) * guns));
        EXPECT_EQ(c.HitRate, ExpectedHitRate(variant, a, d));
        EXPECT_TRUE(c.ResultLine.starts_with(std::to_string(ships) + " " + a[Col::ShipName] + " "));
        // A whole number in plain decimal, past the 64-bit range included.
        EXPECT_EQ(WholeNumberText(std::strtod(c.EfficiencyText.c_str(), nullptr)),
                  c.EfficiencyText);
        const bool hasTarget = c.TargetType != kNoTarget;
        EXPECT_EQ(state.Results.TargetDisplay.empty(), !hasTarget);
        EXPECT_EQ(state.Results.Efficiency.empty(), !hasTarget);
        EXPECT_EQ(c.ResultLine.find(", AttResEff = ") != std::string::npos, hasTarget);
        const bool fights = variant == CombatVariantValue::Kill ||
                            variant == CombatVariantValue::Capture ||
                            variant == CombatVariantValue::Emp;
        if (!fights) {
            EXPECT_EQ(c.ShipsResult, 0);
            EXPECT_EQ(c.OutcomeVerb, "cant target");
        }
    }
}
