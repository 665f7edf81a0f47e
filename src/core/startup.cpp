#include "core/startup.h"

#include "core/stats_storage.h"
#include "data/default_ships.h"

void StartCore(ProgramState& state) {
    state.Combat.BaseHitChance = kDefaultBaseHitChance;
    InstallDefaultStats(state);
    state.ActiveStats = state.StoredStats;
}

void StartCoreForWindows(ProgramState& state) {
    StartCore(state);
    state.Combat.RecalcGuard = true;
}

void ReleaseStartupGuard(ProgramState& state) {
    state.Combat.RecalcGuard = false;
}
