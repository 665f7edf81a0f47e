#pragma once

#include <QKeySequence>
#include <QList>
#include <functional>
#include <span>
#include <string_view>

#include "core/log_commands.h"

class QObject;
class QWidget;

// What a key of the program does. Each window binds the keys of its commands from the key
// table, so the keys the README and the manual page list are the keys that work.
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
    // A results log command's button key or log key, from the engine's table of them: bound
    // by its LogCommand (ButtonKeysOf, LogKeysOf).
    ResultsLog,
};

// One line of the key list: where the keys work, the keys as the user reads them
// ("Ctrl+Tab, Ctrl+PgDn"), and what they do.
struct KeyRow {
    KeyCommand command;
    const char* where;
    const char* keys;
    const char* what;
};

// The fixed rows, with the results log's rows made from kLogCommands in their places.
std::span<const KeyRow> KeyTable();

// The keys of a command's row; a command other than Listed and ResultsLog has exactly one.
QList<QKeySequence> KeysOf(KeyCommand command);
// A log command's button key, and the log list's keys for it (none for some).
QList<QKeySequence> ButtonKeysOf(LogCommand command);
QList<QKeySequence> LogKeysOf(LogCommand command);

// Runs `handler` in `receiver` whenever a key of `command` is pressed where `context` says,
// counted from `owner`.
void BindKeys(KeyCommand command, QWidget* owner, Qt::ShortcutContext context, QObject* receiver,
              const std::function<void()>& handler);
void BindKeys(const QList<QKeySequence>& keys, QWidget* owner, Qt::ShortcutContext context,
              QObject* receiver, const std::function<void()>& handler);
