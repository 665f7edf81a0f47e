#include "core/page_operations.h"

#include "combat/recalc_guard.h"
#include "combat/wrap_math.h"
#include "core/calculation.h"
#include "core/settings_edits.h"
#include "data/file_view.h"
#include "data/int_text.h"
#include "data/stats_file.h"

void ChooseAttacker(ProgramState& state, int row) {
    state.Inputs.AttShipListIndex = row;
    ApplyAttackerSelection(state);
    CalculateCombat(state);
}

void ChooseDefender(ProgramState& state, int row) {
    state.Inputs.DefShipListIndex = row;
    ApplyDefenderSelection(state);
    CalculateCombat(state);
}

void SetAttackerCountText(ProgramState& state, std::string text) {
    state.Inputs.AttShipsText = std::move(text);
    CalculateCombat(state);
}

void SwitchAttDef(ProgramState& state) {
    std::swap(state.Inputs.AttShipListIndex, state.Inputs.DefShipListIndex);
    ApplyAttackerSelection(state);
    ApplyDefenderSelection(state);
    CalculateCombat(state);
}

std::string SteppedCountText(std::string_view countText, std::int64_t amount) {
    return std::to_string(wrap::Add(ToInt64Or(countText, 0), amount));
}

StatsFileRead LoadStatsText(ProgramState& state, std::string_view bytes) {
    if (bytes.size() > FileView::kMaxFileSize) {
        return StatsFileRead::Unreadable;
    }
    FileView view;
    view.SetText(bytes);
    if (view.Count() != kStatsFileLines) {
        return StatsFileRead::Damaged;
    }
    state.Stats.FileMemo = std::move(view);
    state.Stats.StatsFileFound = true;
    ReadFieldsFromView(state.Stats.FileMemo, state.StoredStats);
    ApplySettingsLine(state, state.Stats.FileMemo.Line(kSettingsLineNumber));
    RecalculateAll(state);
    return StatsFileRead::Whole;
}

void RestoreBuiltInStats(ProgramState& state) {
    BuildDefaultStats(state);
    RecalculateAll(state);
}
