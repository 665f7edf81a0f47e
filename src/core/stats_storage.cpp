#include "core/stats_storage.h"

#include <filesystem>
#include <system_error>

#include "core/settings_edits.h"
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

SaveResult ResultOf(FileView::WriteReport report) {
    return {report.Saved ? SaveOutcome::Saved : SaveOutcome::Failed, std::move(report.Message)};
}

SaveResult WriteViewTo(ProgramState& state, const std::string& path) {
    state.Stats.FileMemo.Replace(kSettingsLineNumber, state.Settings.SettingsLine);
    return ResultOf(state.Stats.FileMemo.WriteTo(path));
}

}  // namespace

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
    ShowStoredStatsInGrid(state);
    return StatsFileRead::Whole;
}

StatsFileRead LoadStatsFile(ProgramState& state) {
    StatsFileState& stats = state.Stats;
    stats.StatsFilePath = InCurrentDirectory("ShipStats.txt");
    stats.ReadMePath = InCurrentDirectory("ReadMe1st.txt");
    stats.StatsFileFound = true;
    const StatsFileRead read = ReadStatsFile(state, stats.StatsFilePath);
    if (read == StatsFileRead::Whole) {
        ApplySettingsLine(state, stats.FileMemo.Line(kSettingsLineNumber));
    } else {
        BuildDefaultStats(state);
    }
    return read;
}

std::string SaveDialogStart(const ProgramState& state) {
    const StatsFileState& stats = state.Stats;
    return PathText(FsPath(stats.StatsFilePath).replace_filename(FsPath(stats.SaveFileName)));
}

// A confirmed name is remembered for the settings save and the next dialog.
SaveResult SaveModifiedStatsFile(ProgramState& state, const std::string& path,
                                 const std::string& now) {
    state.Stats.SaveFileName = path;
    StoreEditedStats(state, now);
    return WriteViewTo(state, path);
}

SaveResult SaveDefaultStatsFile(ProgramState& state, const std::string& path) {
    state.Stats.SaveFileName = path;
    BuildDefaultStats(state);
    state.Stats.StatsFileFound = true;
    return WriteViewTo(state, path);
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
