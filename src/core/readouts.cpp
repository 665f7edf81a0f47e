#include "core/readouts.h"

#include "data/system_colors.h"

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

const DisplaySettings& DisplaySettingsOf(const ProgramState& state) {
    return state.Settings.Display;
}

namespace {

std::string CssSystemColor(SystemColor kind) {
    switch (kind) {
        case SystemColor::Face:
        case SystemColor::Light:
            return "ButtonFace";
        case SystemColor::Window:
            return "Field";
        case SystemColor::TipBackground:
            return "Canvas";
        case SystemColor::Highlight:
            return "Highlight";
        case SystemColor::HighlightedText:
            return "HighlightText";
        case SystemColor::Mid:
            return "GrayText";
        case SystemColor::Shadow:
            return "ButtonBorder";
        case SystemColor::ButtonText:
            return "ButtonText";
        case SystemColor::TipText:
        case SystemColor::WindowText:
            break;
    }
    return "CanvasText";
}

}  // namespace

std::string CssColor(ColorValue value) {
    if (value == kNoColor) {
        return "transparent";
    }
    if (value == kDefaultColor) {
        return "Canvas";
    }
    if (IsSystemColor(value)) {
        return CssSystemColor(SystemColorOf(value));
    }
    constexpr char kHex[] = "0123456789abcdef";
    std::string css = "#";
    for (const unsigned shift : {0U, 8U, 16U}) {
        const unsigned channel = (value >> shift) & 0xFFU;
        css += kHex[channel >> 4];
        css += kHex[channel & 0xFU];
    }
    return css;
}

const ShipTable& StoredTable(const ProgramState& state) {
    return state.StoredStats;
}

const ShipTable& EditedStats(const ProgramState& state) {
    return state.StatsEdit.Grid;
}

bool EditingStats(const ProgramState& state) {
    return state.StatsEdit.Editing;
}

const std::string& StatsFileHeader(const ProgramState& state) {
    return state.Stats.FileMemo.Line(1);
}

std::string StatsFileLocation(const ProgramState& state) {
    if (!state.Stats.StatsFileFound) {
        return std::string(kStatsFileMissing);
    }
    const std::string_view note =
        state.Stats.FileMemo.ReadAsUtf8() ? kStatsFileReadAsUtf8 : std::string_view();
    return std::string(kStatsFileAt) + state.Stats.StatsFilePath + std::string(note);
}
