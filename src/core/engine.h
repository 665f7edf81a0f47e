#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/inputs.h"
#include "core/log_commands.h"
#include "core/program_state.h"
#include "core/readouts.h"
#include "core/results_log.h"
#include "core/share_link.h"
#include "core/stats_edits.h"
#include "core/stats_storage.h"

// The engine every front end drives: the windows, skirmod-calc and the page. It keeps the
// program's state to itself; a front end reads it through State(), a view it cannot
// change, and changes it only through the operations below, so a write from a front end
// does not compile. What a front end shows comes from the readers of core/readouts.h and
// the analysis of core/stop_search.h and core/counters.h, all on that view.
class Engine {
  public:
    // The built-in table and settings in both copies, base hit chance 25.
    Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    const ProgramState& State() const { return m_state; }

    // From now on the engine tells `frontend` of new results; Detach goes back to telling
    // nobody, when `frontend` is the one attached: a window that goes leaves a newer one.
    void AttachFrontend(Frontend& frontend);
    void DetachFrontend(const Frontend& frontend);
    // The locale's decimal separator, which the resources report writes into its rates.
    void SetDecimalSeparator(char separator);

    // The calculator's inputs, each change followed by the one calculation it needs.
    void SelectAttacker(int row);
    void SelectDefender(int row);
    void SetCountText(std::string countText);
    void SetInputs(int attackerRow, int defenderRow, std::string countText);
    void SwapShips();
    void StepCount(std::int64_t amount);
    // Stored (loaded, saved, restored) stats into the calculation, and recalculated.
    void RecalculateAll();

    // A battle link (core/share_link.h): its table for the calculation alone, its ships and
    // count; Keep makes its table the stored one, as a file opened under `name`.
    void OpenSharedBattle(const SharedBattle& battle);
    void KeepSharedTable(const std::string& name);

    // The results log: the user's selection, then the command on it.
    void RunLogCommand(LogCommand command, int selected);
    void RestoreLog(std::string_view copiedText);

    // The settings panel's changes (core/settings_edits.h) and save (core/stats_storage.h).
    void OpenSettings();
    void ApplySettingsLine(std::string line);
    void SetColor(ColorRole role, ColorValue color);
    SaveResult SaveSettingsLine(const std::string& line);
    // A front end without files: the same save, kept; the answer is the file's bytes.
    std::string StoreSettingsLine(const std::string& line);

    // The stats file (core/stats_storage.h, core/stats_edits.h).
    StatsFileRead LoadStatsFile();
    StatsFileRead ReadStatsFile(const std::string& path);
    void TakeLoadedStats(const std::string& path);
    StatsFileRead OpenStatsBytes(const std::string& name, std::string_view bytes);
    void RestoreBuiltInStats();
    SaveResult SaveDefaultStatsFile(const std::string& path);

    // The Setup grid's edit session, the same for every front end (core/stats_edits.h).
    void BeginStatsEdit();
    CellEdit EditStatsCell(std::size_t row, std::size_t column, std::string_view utf8Text);
    CellEdit PasteStatsBlock(std::size_t row, std::size_t column, std::string_view utf8Block);
    void CancelStatsEdit();
    void EndStatsEdit();
    // The desktop's Save once its dialog chose `path`.
    SaveResult SaveModifiedStatsFile(const std::string& path, const std::string& now);
    // A front end without files: the grid stored as the desktop's Save stores it, and the
    // file's bytes for the user to keep.
    std::string StoreEditedStats(const std::string& now);

  private:
    ProgramState m_state;
};
