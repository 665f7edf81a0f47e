#include "core/matrix.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "combat/random_table.h"
#include "core/inputs.h"
#include "core/readouts.h"
#include "core/startup.h"

namespace {

// Each cell is what the calculator itself shows for that pairing and count: ships killed,
// held or captured, and the efficiency figure (the result line ends with it, if any).
void ExpectCellsMatchTheCalculator(ProgramState& state, std::int64_t count, RandomText& random) {
    const std::vector<MatrixCell> cells = PairingMatrix(state, count);
    ASSERT_EQ(cells.size(), kShipCount * kShipCount);
    for (int pick = 0; pick < 60; ++pick) {
        const auto attacker = random.Pick(kShipCount);
        const auto defender = random.Pick(kShipCount);
        const std::string shownBefore = CurrentResultLine(state);
        const MatrixCell& cell = cells[attacker * kShipCount + defender];
        SetInputs(state, static_cast<int>(attacker), static_cast<int>(defender),
                  std::to_string(count));
        const std::string where = std::to_string(attacker) + " v " + std::to_string(defender) +
                                  " x " + std::to_string(count);
        EXPECT_EQ(cell.Result, CurrentCombat(state).ShipsResult) << where;
        EXPECT_EQ(cell.Variant, CurrentCombat(state).CombatVariant) << where;
        const std::string efficiency = CurrentResults(state).Efficiency;
        EXPECT_EQ(cell.Efficiency.empty() ? "" : cell.Efficiency + "%", efficiency) << where;
    }
}

}  // namespace

TEST(PairingMatrix, EveryCellIsTheCalculatorsFigure) {
    RandomText random(2916);
    ProgramState state;
    StartCore(state);
    for (const std::int64_t count : {1, 184, 250000, -7, 0}) {
        ExpectCellsMatchTheCalculator(state, count, random);
    }
    for (int round = 0; round < 6; ++round) {
        Scramble(state.ActiveStats, random);
        ExpectCellsMatchTheCalculator(state, 1 + static_cast<std::int64_t>(random.Pick(5000)),
                                      random);
    }
}

TEST(PairingMatrix, LeavesTheShownResultsAlone) {
    ProgramState state;
    StartCore(state);
    SetInputs(state, 3, 4, "100");
    const std::string line = CurrentResultLine(state);
    const CombatState before = CurrentCombat(state);
    PairingMatrix(state, 9);
    EXPECT_EQ(CurrentResultLine(state), line);
    EXPECT_EQ(CurrentCombat(state).AttackerRow, before.AttackerRow);
    EXPECT_EQ(CurrentCombat(state).AttackerShips, 100);
}
