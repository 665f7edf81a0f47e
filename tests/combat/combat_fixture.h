#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/calculation.h"
#include "core/program_state.h"
#include "core/stats_storage.h"
#include "data/default_ships.h"

// A program state with the built-in table in both tables, attacker row 0 and defender
// row 1, whose fields tests overwrite to set up a pairing.
class CombatTest : public ::testing::Test {
  protected:
    static constexpr int kAttacker = 0;
    static constexpr int kDefender = 1;

    CombatTest() {
        BuildDefaultStats(state);
        state.ActiveStats = state.StoredStats;
        state.Inputs.AttShipListIndex = kAttacker;
        state.Inputs.DefShipListIndex = kDefender;
        Attacker()[Col::ShipName] = "Alpha";
        Defender()[Col::ShipName] = "Beta";
    }

    ShipRecord& Attacker() { return state.StoredStats[kAttacker]; }
    ShipRecord& Defender() { return state.StoredStats[kDefender]; }

    // Copies the edited table in and calculates with this count text.
    const CombatState& Fight(const std::string& count) {
        state.Inputs.AttShipsText = count;
        RecalculateAll(state);
        return state.Combat;
    }

    ProgramState state;
};
