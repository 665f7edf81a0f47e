#pragma once

#include <string>
#include <vector>

#include "combat/combat_state.h"
#include "data/display_settings.h"
#include "data/file_view.h"
#include "data/ship_table.h"
#include "reports/report_texts.h"

// The front end that shows the calculation's results as they change: the Details window's
// boxes. Every member has a neutral default, so tests and start-up (before any window
// exists) work without one. The core asks no questions: a front end asks its user first
// and then calls the operation with the answer.
class Frontend {
  public:
    virtual ~Frontend() = default;
    // The current result line changed: the Details window's current-result box.
    virtual void ShowCurrentResult() {}
    // A report text was rebuilt; its box takes the whole text at once.
    virtual void ReportUpdated(Report) {}
};

// The values the calculation reads from the main window's input controls, as the input
// operations (core/inputs.h) set them.
struct MainInputs {
    int AttShipListIndex = 0;
    int DefShipListIndex = 0;
    std::string AttShipsText;
};

// ShipStats.txt as the program holds it between loading and saving.
struct StatsFileState {
    FileView FileMemo;
    std::string StatsFilePath;
    std::string ReadMePath;
    bool StatsFileFound = false;
    // The save dialog's current file name; the settings save writes there without asking.
    std::string SaveFileName = "ShipStats.txt";
};

// The results log's entries and its one selected entry (core/results_log.h); it lives only
// in memory.
struct ResultsLog {
    static constexpr int kNone = -1;
    std::vector<std::string> Entries;
    int Selected = kNone;
};

// The Setup grid as the user edits it: the stored table, until Edit lets the user change
// cells; Save stores them, Cancel and every new stored table put the stored one back.
struct StatsEditSession {
    bool Editing = false;
    ShipTable Grid;
};

// All program-wide state. The engine (core/engine.h) keeps one to itself; the core's
// operations below it and the tests work on it directly.
struct ProgramState {
    ShipTable StoredStats;
    ShipTable ActiveStats;
    SettingsState Settings;
    CombatState Combat;
    MainInputs Inputs;
    ResultTexts Results;
    ReportTexts Reports;
    StatsFileState Stats;
    ResultsLog Log;
    StatsEditSession StatsEdit;
    // The locale's decimal separator, for the rates of the resources report.
    char DecimalSeparator = '.';
    Frontend* Ui = nullptr;
};

// The frontend to talk to: the windows, or a silent stand-in when there are none.
Frontend& UiOf(ProgramState& state);

// From now on the core tells `frontend` what changed and asks it its questions.
void AttachFrontend(ProgramState& state, Frontend& frontend);
// Back to the silent stand-in, when `frontend` is the one attached: a window that goes
// leaves a newer one alone.
void DetachFrontend(ProgramState& state, const Frontend& frontend);

// The locale's decimal separator, which the resources report writes into its rates.
void SetDecimalSeparator(ProgramState& state, char separator);
