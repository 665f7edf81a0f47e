#pragma once

#include <string>

#include "combat/combat_state.h"
#include "data/display_settings.h"
#include "data/ship_table.h"

// What the windows are told when the core has changed something they show. The core
// works without one (tests, start-up before the windows exist).
class StateListener {
  public:
    virtual ~StateListener() = default;
    // The current result line changed: the Details window's current-result box.
    virtual void ShowCurrentResult() = 0;
};

// The values the calculation reads from the main window's input controls. The window
// copies them in before it calls the core.
struct MainInputs {
    int AttShipListIndex = 0;
    int DefShipListIndex = 0;
    std::string AttShipsText;
};

// All program-wide state: one instance lives as long as the program, owned by main.
struct ProgramState {
    ShipTable StoredStats;
    ShipTable ActiveStats;
    SettingsState Settings;
    CombatState Combat;
    MainInputs Inputs;
    ResultTexts Results;
    // Set only while start-up builds the defaults, before any window exists.
    bool StartupBuild = false;
    StateListener* Listener = nullptr;
};
