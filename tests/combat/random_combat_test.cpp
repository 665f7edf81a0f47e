#include <gtest/gtest.h>

#include <random>
#include <string>

#include "combat/outcome.h"
#include "combat/target.h"
#include "data/default_ships.h"
#include "data/int_text.h"
#include "data/program_state.h"

namespace {

class RandomText {
  public:
    explicit RandomText(unsigned seed) : m_rng(seed) {}

    std::string Number() {
        static const char* const kEdges[] = {"0",
                                             "1",
                                             "-1",
                                             "2147483647",
                                             "-2147483648",
                                             "9223372036854775807",
                                             "-9223372036854775808",
                                             "$FFFFFFFF",
                                             "0x7fffffff",
                                             "",
                                             "abc",
                                             " 12",
                                             "12 "};
        if (Pick(3) == 0) {
            return kEdges[Pick(std::size(kEdges))];
        }
        return std::to_string(static_cast<long long>(m_rng()) - 0x7fffffffLL);
    }

    std::string Word() {
        static const char* const kWords[] = {"Fi",  "Co",  "Fr",    "De",      "Cr",
                                             "Bs",  "All", "-",     "fi",      "",
                                             "EMP", "PDS", "Steal", "Special", "Normal"};
        return kWords[Pick(std::size(kWords))];
    }

    std::size_t Pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_rng);
    }

  private:
    std::mt19937_64 m_rng;
};

bool IsWordColumn(std::size_t col) {
    return col == static_cast<std::size_t>(Col::Cl) || col == static_cast<std::size_t>(Col::T1) ||
           col == static_cast<std::size_t>(Col::T2) || col == static_cast<std::size_t>(Col::T3) ||
           col == static_cast<std::size_t>(Col::ShipType);
}

void Scramble(ShipTable& table, RandomText& random) {
    for (ShipRecord& ship : table) {
        for (std::size_t col = 1; col < kColumnCount; ++col) {
            ship.fields[col] = IsWordColumn(col) ? random.Word() : random.Number();
        }
    }
}

}  // namespace

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
        ASSERT_LE(c.CombatVariant, VariantNoTarget);
        ASSERT_LE(c.TargetType, kNoTarget);
        EXPECT_GE(c.HitRate, 0);
        EXPECT_EQ(c.AttackerShips, ToInt64Or(state.Inputs.AttShipsText, 0));
        EXPECT_TRUE(c.ResultLine.starts_with(std::to_string(c.AttackerShips) + " "));
        EXPECT_TRUE(ParseInt64(c.EfficiencyText).has_value() || c.EfficiencyText.size() > 18)
            << c.EfficiencyText;
        const bool hasTarget = c.TargetType != kNoTarget;
        EXPECT_EQ(state.Results.TargetDisplay.empty(), !hasTarget);
        EXPECT_EQ(state.Results.Efficiency.empty(), !hasTarget);
        EXPECT_EQ(c.ResultLine.find(", AttResEff = ") != std::string::npos, hasTarget);
        if (c.CombatVariant == VariantNoTarget || c.CombatVariant == VariantPods ||
            c.CombatVariant == VariantPdsVsPds) {
            EXPECT_EQ(c.ShipsResult, 0);
            EXPECT_EQ(c.OutcomeVerb, "cant target");
        }
    }
}
