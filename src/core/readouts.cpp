#include "core/readouts.h"

std::vector<std::string> ShipNames(const ProgramState& state) {
    std::vector<std::string> names;
    names.reserve(state.ActiveStats.size());
    for (const ShipRecord& ship : state.ActiveStats) {
        names.push_back(ship[Col::ShipName]);
    }
    return names;
}

const std::string& CurrentResultLine(const ProgramState& state) {
    return state.Combat.ResultLine;
}

const ResultTexts& CurrentResults(const ProgramState& state) {
    return state.Results;
}

const CombatState& CurrentCombat(const ProgramState& state) {
    return state.Combat;
}

const ReportLines& ReportText(const ProgramState& state, Report report) {
    return state.Reports[report];
}

const DisplaySettings& Display(const ProgramState& state) {
    return state.Settings.Display;
}

const ShipTable& StoredTable(const ProgramState& state) {
    return state.StoredStats;
}

const std::string& StatsFileHeader(const ProgramState& state) {
    return state.Stats.FileMemo.Line(1);
}

std::string StatsFileLocation(const ProgramState& state) {
    if (!state.Stats.StatsFileFound) {
        return "WARNING -- ShipStats.txt file not found... using program defaults";
    }
    return "File location...  " + state.Stats.StatsFilePath;
}
