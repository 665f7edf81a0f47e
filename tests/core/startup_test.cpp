#include "core/startup.h"

#include <gtest/gtest.h>

#include "core/calculation.h"

// A frontend without windows calculates right after StartCore; the windows' start-up holds
// every calculation until the main window's first show releases it.
TEST(Startup, OnlyTheWindowsStartUpHoldsCalculationUntilReleased) {
    struct Case {
        void (*start)(ProgramState&);
        bool calculatesAtOnce;
    };
    for (const Case& c : {Case{StartCore, true}, Case{StartCoreForWindows, false}}) {
        ProgramState state;
        c.start(state);
        state.Inputs = {0, 1, "12"};
        RecalculateAll(state);
        EXPECT_EQ(state.Combat.AttackerShips, c.calculatesAtOnce ? 12 : 0);
        EXPECT_EQ(state.Combat.DefenderRow, c.calculatesAtOnce ? 1 : 0);
        ReleaseStartupGuard(state);
        RecalculateAll(state);
        EXPECT_EQ(state.Combat.AttackerShips, 12);
        EXPECT_EQ(state.Combat.DefenderRow, 1);
    }
}
