#pragma once

#include <string>

#include "core/program_state.h"
#include "data/display_settings.h"

// The settings panel's changes to the display settings. They stay in memory: only
// SaveSettingsLine (stats_storage.h) writes the line into the file.

// The panel opens: line 4 of the file view becomes both the current and the saved line. It
// is not parsed; the display settings already hold what the windows show.
void OpenSettings(ProgramState& state);

// `line` becomes the SettingsLine and sets the display settings; a line that cannot be read
// leaves the default line and its settings instead.
void ApplySettingsLine(ProgramState& state, std::string line);

// The colour editor's live change: the role takes `color` at once. The SettingsLine follows
// only when the settings are saved.
void SetColor(ProgramState& state, ColorRole role, ColorValue color);
