#include "core/settings_edits.h"

#include "data/stats_file.h"

void OpenSettings(ProgramState& state) {
    SettingsState& settings = state.Settings;
    settings.SettingsLine = state.Stats.FileMemo.Line(kSettingsLineNumber);
    settings.SavedSettingsLine = settings.SettingsLine;
}

void ApplySettingsLine(ProgramState& state, std::string line) {
    state.Settings.SettingsLine = std::move(line);
    ParseSettingsLine(state.Settings);
}

void SetColor(ProgramState& state, ColorRole role, ColorValue color) {
    ColorOf(state.Settings.Display, role) = color;
}
