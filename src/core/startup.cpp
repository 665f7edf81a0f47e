#include "core/startup.h"

#include <clocale>
#include <string>

#include "core/stats_storage.h"
#include "data/default_ships.h"

void StartCore(ProgramState& state) {
    state.Combat.BaseHitChance = kDefaultBaseHitChance;
    InstallDefaultStats(state);
    state.ActiveStats = state.StoredStats;
}

char LocaleDecimalSeparator() {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "");
    const std::string separator = std::localeconv()->decimal_point;
    // The program's own number texts keep the locale they had.
    std::setlocale(LC_NUMERIC, previous.c_str());
    return separator.size() == 1 ? separator.front() : '.';
}
