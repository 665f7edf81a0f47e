#pragma once

#include <span>

// What a key of the program does. The windows bind the keys of their commands from this
// table, the page binds the Alt-keys of its sections from it, and the README and the manual
// page list it, so the keys they list are the keys that work.
enum class KeyCommand {
    // Keys the controls handle themselves, listed for the reader.
    Listed,
    CountUp,
    CountDown,
    CountTenUp,
    CountTenDown,
    OpenDetails,
    OpenMenu,
    MoveWindow,
    MinimiseWindows,
    NextSection,
    PreviousSection,
    StatsEdit,
    StatsSave,
    StatsCancel,
    StatsRestore,
    OpenSettings,
    OpenAbout,
    // A results log command's button key or log key, from the engine's table of them
    // (core/log_commands.h).
    ResultsLog,
};

// One line of the key list: where the keys work, the keys as the user reads them
// ("Ctrl+Tab, Ctrl+PgDn"), and what they do; for a button's key, its caption.
struct KeyRow {
    KeyCommand command;
    const char* where;
    const char* keys;
    const char* what;
};

// The fixed rows, with the results log's rows made from kLogCommands in their places.
std::span<const KeyRow> KeyTable();
