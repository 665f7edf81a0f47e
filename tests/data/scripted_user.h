#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/stats_storage.h"

// A front end's side of the stats file operations, with a person's answers scripted: the
// start-up question after a file that could not be used, and the save dialog.
class ScriptedUser {
  public:
    static constexpr const char* kNow = "07/12/2026 09:15:30";

    bool okAnswer = true;
    std::optional<std::string> saveFile;
    std::vector<std::string> messages;
    std::vector<std::string> dialogStarts;
    bool quit = false;

    int Questions() const { return static_cast<int>(messages.size()); }

    StatsFileRead Load(ProgramState& state) {
        const StatsFileRead read = LoadStatsFile(state);
        if (read != StatsFileRead::Whole) {
            messages.push_back(StatsFileWarning(state.Stats.StatsFilePath, read));
            quit = quit || !okAnswer;
        }
        return read;
    }

    // The grid holds `grid` when Save is pressed.
    SaveResult SaveModified(ProgramState& state, const ShipTable& grid) {
        state.StatsEdit.Grid = grid;
        const std::optional<std::string> path = AskForFile(state);
        return path ? SaveModifiedStatsFile(state, *path, kNow) : SaveResult{};
    }

    SaveResult SaveDefault(ProgramState& state) {
        const std::optional<std::string> path = AskForFile(state);
        return path ? SaveDefaultStatsFile(state, *path) : SaveResult{};
    }

  private:
    std::optional<std::string> AskForFile(const ProgramState& state) {
        dialogStarts.push_back(SaveDialogStart(state));
        return saveFile;
    }
};
