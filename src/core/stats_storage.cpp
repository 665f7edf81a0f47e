#include "core/stats_storage.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "core/settings_edits.h"
#include "core/stats_edits.h"
#include "data/default_ships.h"
#include "data/file_view.h"
#include "data/platform.h"
#include "data/stats_file.h"

namespace {

std::string InCurrentDirectory(std::string_view name) {
    std::error_code ec;
    std::string directory = PathText(std::filesystem::current_path(ec));
    return directory + static_cast<char>(std::filesystem::path::preferred_separator) +
           std::string(name);
}

// The OK/Abort start-up question; Abort ends the program once start-up is over.
void WarnAndUseDefaults(ProgramState& state, StatsFileRead read) {
    if (!UiOf(state).ConfirmOkAbort(StatsFileWarning(state.Stats.StatsFilePath, read))) {
        state.QuitRequested = true;
    }
    BuildDefaultStats(state);
}

SaveResult ResultOf(FileView::WriteReport report) {
    return {report.Saved ? SaveOutcome::Saved : SaveOutcome::Failed, std::move(report.Message)};
}

SaveResult WriteViewTo(ProgramState& state, const std::string& path) {
    state.Stats.FileMemo.Replace(kSettingsLineNumber, state.Settings.SettingsLine);
    SaveResult result = ResultOf(state.Stats.FileMemo.WriteTo(path));
    if (result.Outcome == SaveOutcome::Saved) {
        UiOf(state).ShowStatsFile();
    }
    return result;
}

// Where the save dialog opens: the file chosen in the last confirmed dialog, or before
// any, the dialog's bare proposed name in the stats file's folder.
std::string SaveDialogStart(const StatsFileState& stats) {
    return PathText(FsPath(stats.StatsFilePath).replace_filename(FsPath(stats.SaveFileName)));
}

// The save dialog; a confirmed name is remembered for the settings save and the next dialog.
std::optional<std::string> AskForSaveFile(ProgramState& state) {
    std::optional<std::string> chosen = UiOf(state).ChooseSaveFile(SaveDialogStart(state.Stats));
    if (chosen) {
        state.Stats.SaveFileName = *chosen;
    }
    return chosen;
}

}  // namespace

void InstallDefaultStats(ProgramState& state) {
    ApplySettingsLine(state, std::string(DefaultSettingsLine));
    state.Combat.BaseHitChance = kDefaultBaseHitChance;
    state.StoredStats = DefaultShipTable();
}

void BuildDefaultStats(ProgramState& state) {
    InstallDefaultStats(state);
    StatsFileState& stats = state.Stats;
    FillFileView(stats.FileMemo, kDefaultFileHeader, state.StoredStats);
    stats.StatsFileFound = false;
    stats.FileMemo.Replace(kSettingsLineNumber, state.Settings.SettingsLine);
    UiOf(state).ShowStatsFile();
}

StatsFileRead ReadStatsFile(ProgramState& state, const std::string& path) {
    FileView& view = state.Stats.FileMemo;
    switch (view.Load(path)) {
        case FileView::LoadResult::CannotOpen:
            return StatsFileRead::NotFound;
        case FileView::LoadResult::Unreadable:
            return StatsFileRead::Unreadable;
        case FileView::LoadResult::Loaded:
            break;
    }
    if (view.Count() != kStatsFileLines) {
        return StatsFileRead::Damaged;
    }
    ReadFieldsFromView(view, state.StoredStats);
    return StatsFileRead::Whole;
}

void LoadStatsFile(ProgramState& state) {
    StatsFileState& stats = state.Stats;
    stats.StatsFilePath = InCurrentDirectory("ShipStats.txt");
    stats.ReadMePath = InCurrentDirectory("ReadMe1st.txt");
    stats.StatsFileFound = true;
    const StatsFileRead read = ReadStatsFile(state, stats.StatsFilePath);
    if (read != StatsFileRead::Whole) {
        WarnAndUseDefaults(state, read);
        return;
    }
    ApplySettingsLine(state, stats.FileMemo.Line(kSettingsLineNumber));
    UiOf(state).ShowStatsFile();
}

SaveResult SaveModifiedStatsFile(ProgramState& state, const ShipTable& grid) {
    const std::optional<std::string> path = AskForSaveFile(state);
    if (!path) {
        return {};
    }
    StoreEditedStats(state, grid, UiOf(state).CurrentDateTimeText());
    return WriteViewTo(state, *path);
}

SaveResult SaveDefaultStatsFile(ProgramState& state) {
    const std::optional<std::string> path = AskForSaveFile(state);
    if (!path) {
        return {};
    }
    BuildDefaultStats(state);
    state.Stats.StatsFileFound = true;
    UiOf(state).ShowStatsFile();
    return WriteViewTo(state, *path);
}

SaveResult SaveSettingsLine(ProgramState& state, const std::string& line) {
    state.Settings.SettingsLine = line;
    state.Stats.FileMemo.Replace(kSettingsLineNumber, line);
    SaveResult result = ResultOf(state.Stats.FileMemo.WriteTo(state.Stats.SaveFileName));
    if (result.Outcome == SaveOutcome::Saved) {
        state.Settings.SavedSettingsLine = line;
    }
    return result;
}
