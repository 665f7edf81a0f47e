#include "core/stats_edits.h"

#include "core/calculation.h"
#include "core/settings_edits.h"
#include "data/default_ships.h"
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

CellEdit RefusedEdit(PasteRefusal refusal) {
    return refusal == PasteRefusal::LineBreakInCell ? CellEdit::LineBreak : CellEdit::NotLatin1;
}

}  // namespace

void InstallDefaultStats(ProgramState& state) {
    ApplySettingsLine(state, std::string(DefaultSettingsLine));
    state.Combat.BaseHitChance = kDefaultBaseHitChance;
    state.StoredStats = DefaultShipTable();
    ShowStoredStatsInGrid(state);
}

void BuildDefaultStats(ProgramState& state) {
    InstallDefaultStats(state);
    StatsFileState& stats = state.Stats;
    FillFileView(stats.FileMemo, kDefaultFileHeader, state.StoredStats);
    stats.StatsFileFound = false;
    stats.FileMemo.Replace(kSettingsLineNumber, state.Settings.SettingsLine);
}

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
    ShowStoredStatsInGrid(state);
    RecalculateAll(state);
    return StatsFileRead::Whole;
}

void TakeLoadedStats(ProgramState& state, const std::string& path) {
    state.Stats.StatsFilePath = path;
    state.ActiveStats = state.StoredStats;
}

std::string_view CellEditRefusalText(CellEdit edit) {
    switch (edit) {
        case CellEdit::LineBreak:
            return PasteRefusalText(PasteRefusal::LineBreakInCell);
        case CellEdit::NotLatin1:
            return PasteRefusalText(PasteRefusal::NotLatin1);
        case CellEdit::Stored:
        case CellEdit::NotEditing:
        case CellEdit::FixedCell:
            break;
    }
    return {};
}

void ShowStoredStatsInGrid(ProgramState& state) {
    state.StatsEdit = {false, state.StoredStats};
}

void BeginStatsEdit(ProgramState& state) {
    state.StatsEdit.Editing = true;
}

void EndStatsEdit(ProgramState& state) {
    state.StatsEdit.Editing = false;
}

CellEdit EditStatsCell(ProgramState& state, std::size_t row, std::size_t column,
                       std::string_view utf8Text) {
    if (!state.StatsEdit.Editing) {
        return CellEdit::NotEditing;
    }
    if (row >= kShipCount || column >= kColumnCount ||
        column == static_cast<std::size_t>(Col::ShipName)) {
        return CellEdit::FixedCell;
    }
    CellText text = CellTextOf(utf8Text);
    if (text.refusal != PasteRefusal::None) {
        return RefusedEdit(text.refusal);
    }
    state.StatsEdit.Grid[row].fields[column] = std::move(text.latin1);
    return CellEdit::Stored;
}

CellEdit PasteStatsBlock(ProgramState& state, std::size_t row, std::size_t column,
                         std::string_view utf8Block) {
    if (!state.StatsEdit.Editing) {
        return CellEdit::NotEditing;
    }
    constexpr BlockArea kValues{{0, 1}, {kShipCount - 1, kColumnCount - 1}};
    const BlockCell at{static_cast<int>(row), static_cast<int>(column)};
    BlockPaste paste = PlacePastedBlock(utf8Block, at, kValues);
    if (paste.refusal != PasteRefusal::None) {
        return RefusedEdit(paste.refusal);
    }
    for (PastedCell& pasted : paste.cells) {
        state.StatsEdit.Grid[static_cast<std::size_t>(pasted.cell.row)]
            .fields[static_cast<std::size_t>(pasted.cell.column)] = std::move(pasted.text);
    }
    return CellEdit::Stored;
}

void StoreEditedStats(ProgramState& state, const std::string& now) {
    state.StoredStats = state.StatsEdit.Grid;
    FileView& view = state.Stats.FileMemo;
    FillFileView(view, std::string(kModifiedFileHeader) + now, state.StoredStats);
    // The view is the whole file, settings line included, as the settings panel reads it.
    view.Replace(kSettingsLineNumber, state.Settings.SettingsLine);
    ShowStoredStatsInGrid(state);
}

std::string StatsFileBytes(const ProgramState& state) {
    FileView view = state.Stats.FileMemo;
    view.Replace(kSettingsLineNumber, state.Settings.SettingsLine);
    return view.Text();
}

std::string StoreSettingsLine(ProgramState& state, const std::string& line) {
    state.Settings.SettingsLine = line;
    state.Settings.SavedSettingsLine = line;
    state.Stats.FileMemo.Replace(kSettingsLineNumber, line);
    return state.Stats.FileMemo.Text();
}

void RestoreBuiltInStats(ProgramState& state) {
    BuildDefaultStats(state);
    RecalculateAll(state);
}
