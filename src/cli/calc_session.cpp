#include "cli/calc_session.h"

#include <filesystem>
#include <system_error>

#include "core/inputs.h"
#include "core/startup.h"
#include "core/stats_edits.h"
#include "core/stats_storage.h"
#include "data/platform.h"
#include "data/stats_file.h"

CalcSession::CalcSession(char decimalSeparator) {
    SetDecimalSeparator(m_state, decimalSeparator);
    StartCore(m_state);
}

TableLoad CalcSession::LoadTable(const std::string& path) {
    switch (ReadStatsFile(m_state, path)) {
        case StatsFileRead::NotFound:
            return {TableStatus::Failed, "cannot open the stats file " + path};
        case StatsFileRead::Unreadable:
            return {TableStatus::Failed, "cannot read the stats file " + path};
        case StatsFileRead::Damaged:
            return {TableStatus::Failed, "the stats file " + path + " is damaged: it has " +
                                             std::to_string(m_state.Stats.FileMemo.Count()) +
                                             " lines, not " + std::to_string(kStatsFileLines)};
        case StatsFileRead::Whole:
            break;
    }
    TakeLoadedStats(m_state, path);
    if (m_state.Stats.FileMemo.ReadAsUtf8()) {
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
    SetInputs(m_state, attackerRow, defenderRow, countText);
}
