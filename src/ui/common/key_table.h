#pragma once

#include <QKeySequence>
#include <QList>
#include <functional>
#include <string_view>

#include "core/key_table.h"
#include "core/log_commands.h"

class QObject;
class QWidget;

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
