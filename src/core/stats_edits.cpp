#include "core/stats_edits.h"

#include "core/calculation.h"
#include "core/settings_edits.h"
#include "data/file_view.h"
#include "data/stats_file.h"

namespace {

std::string_view ProblemOf(StatsFileRead read) {
    switch (read) {
        case StatsFileRead::NotFound:
            return " file not found.";
        case StatsFileRead::Unreadable:
        case StatsFileRead::Damaged:
        case StatsFileRead::Whole:
            break;
    }
    return " file possibly corrupted.";
}

}  // namespace

std::string StatsFileWarning(const std::string& path, StatsFileRead read) {
    return "Warning... " + path + std::string(ProblemOf(read)) + " Proceed with default values ???";
}

StatsFileRead OpenStatsBytes(ProgramState& state, const std::string& name, std::string_view bytes) {
    if (bytes.size() > FileView::kMaxFileSize) {
        return StatsFileRead::Unreadable;
    }
    FileView view;
    view.SetText(bytes);
    if (view.Count() != kStatsFileLines) {
        return StatsFileRead::Damaged;
    }
    StatsFileState& stats = state.Stats;
    stats.FileMemo = std::move(view);
    stats.StatsFilePath = name;
    stats.StatsFileFound = true;
    ReadFieldsFromView(stats.FileMemo, state.StoredStats);
    ApplySettingsLine(state, stats.FileMemo.Line(kSettingsLineNumber));
    UiOf(state).ShowStatsFile();
    RecalculateAll(state);
    return StatsFileRead::Whole;
}

void TakeLoadedStats(ProgramState& state, const std::string& path) {
    state.Stats.StatsFilePath = path;
    state.ActiveStats = state.StoredStats;
}

CellEdit RefusedEdit(PasteRefusal refusal) {
    return refusal == PasteRefusal::LineBreakInCell ? CellEdit::LineBreak : CellEdit::NotLatin1;
}

CellEdit EditStatsCell(ProgramState& state, std::size_t row, std::size_t column,
                       std::string_view utf8Text) {
    if (row >= kShipCount || column >= kColumnCount ||
        column == static_cast<std::size_t>(Col::ShipName)) {
        return CellEdit::FixedCell;
    }
    CellText text = CellTextOf(utf8Text);
    if (text.refusal != PasteRefusal::None) {
        return RefusedEdit(text.refusal);
    }
    state.StoredStats[row].fields[column] = std::move(text.latin1);
    RecalculateAll(state);
    return CellEdit::Stored;
}

void StoreEditedStats(ProgramState& state, const ShipTable& grid, const std::string& now) {
    state.StoredStats = grid;
    FillFileView(state.Stats.FileMemo, std::string(kModifiedFileHeader) + now, state.StoredStats);
}

std::string StatsFileBytes(const ProgramState& state) {
    FileView view = state.Stats.FileMemo;
    view.Replace(kSettingsLineNumber, state.Settings.SettingsLine);
    return view.Text();
}

void RestoreBuiltInStats(ProgramState& state) {
    BuildDefaultStats(state);
    RecalculateAll(state);
}
