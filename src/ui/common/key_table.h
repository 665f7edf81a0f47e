#pragma once

#include <QKeySequence>
#include <QList>
#include <functional>
#include <span>

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
    ResultsAdd,
    ResultsDelete,
    ResultsClear,
    ResultsInsert,
    ResultsInsertSpace,
    ResultsCopy,
    ResultsMoveDown,
    ResultsMoveUp,
    LogInsert,
    LogInsertSpace,
    LogDelete,
    LogCopy,
    LogMoveUp,
    LogMoveDown,
    StatsEdit,
    StatsSave,
    StatsCancel,
    StatsRestore,
    OpenSettings,
    OpenAbout,
};

// One line of the key list: where the keys work, the keys as the user reads them
// ("Ctrl+Tab, Ctrl+PgDn"), and what they do.
struct KeyRow {
    KeyCommand command;
    const char* where;
    const char* keys;
    const char* what;
};

std::span<const KeyRow> KeyTable();

// The keys of a command's row; a command has exactly one row.
QList<QKeySequence> KeysOf(KeyCommand command);

// Runs `handler` in `receiver` whenever a key of `command` is pressed where `context` says,
// counted from `owner`.
void BindKeys(KeyCommand command, QWidget* owner, Qt::ShortcutContext context, QObject* receiver,
              const std::function<void()>& handler);
