#include "cli/calc_session.h"

#include <filesystem>
#include <system_error>

#include "data/platform.h"
#include "data/stats_file.h"

CalcSession::CalcSession(char decimalSeparator) {
    m_engine.SetDecimalSeparator(decimalSeparator);
}

TableLoad CalcSession::LoadTable(const std::string& path) {
    switch (m_engine.ReadStatsFile(path)) {
        case StatsFileRead::NotFound:
            return {TableStatus::Failed, "cannot open the stats file " + path};
        case StatsFileRead::Unreadable:
            return {TableStatus::Failed, "cannot read the stats file " + path};
        case StatsFileRead::Damaged:
            return {TableStatus::Failed, "the stats file " + path + " is damaged: it has " +
                                             std::to_string(State().Stats.FileMemo.Count()) +
                                             " lines, not " + std::to_string(kStatsFileLines)};
        case StatsFileRead::Whole:
            break;
    }
    m_engine.TakeLoadedStats(path);
    if (State().Stats.FileMemo.ReadAsUtf8()) {
        return {TableStatus::FromFile, "the stats file " + path + " was read as UTF-8 text"};
    }
    return {TableStatus::FromFile, {}};
}

TableLoad CalcSession::LoadDefaultTable(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(FsPath(path), ec)) {
        return {TableStatus::BuiltIn, "no " + path + " here: using the built-in ship table"};
    }
    return LoadTable(path);
}

void CalcSession::Calculate(int attackerRow, int defenderRow, const std::string& countText) {
    m_engine.SetInputs(attackerRow, defenderRow, countText);
}
