#include "core/startup.h"

#include "core/stats_storage.h"
#include "data/default_ships.h"

void StartCore(ProgramState& state) {
    state.Combat.BaseHitChance = kDefaultBaseHitChance;
    InstallDefaultStats(state);
    state.ActiveStats = state.StoredStats;
}
