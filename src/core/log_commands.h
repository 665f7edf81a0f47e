#pragma once

#include <array>
#include <string_view>

// The results log's commands, one row each: the Details window's buttons and keys, the
// page's buttons and keys, the README's key table and the manual page all come from here
// or are checked against it. A new command is a new row (and its case in ApplyLogCommand).
enum class LogCommand { Add, Delete, Clear, Insert, InsertSpace, Copy, MoveDown, MoveUp };

struct LogCommandRow {
    LogCommand command;
    // The page's and the binding's name for it.
    std::string_view name;
    // The button's caption, which names it for screen readers too.
    std::string_view caption;
    // The button's key wherever the results are shown.
    std::string_view buttonKey;
    // The log list's own key for it, or none.
    std::string_view listKey;
    std::string_view description;
};

// In the order of the buttons.
inline constexpr std::array<LogCommandRow, 8> kLogCommands = {{
    {LogCommand::Add, "add", "Add", "Alt+A", "",
     "Adds the current result line at the end of the log"},
    {LogCommand::Delete, "delete", "Delete", "Alt+D", "Delete", "Deletes the selected entry"},
    {LogCommand::Clear, "clear", "Clear", "Alt+L", "", "Deletes every entry"},
    {LogCommand::Insert, "insert", "Insert", "Alt+I", "Insert",
     "Inserts the current result line in front of the selected entry"},
    {LogCommand::InsertSpace, "space", "Insert Space", "Alt+S", "Shift+Insert",
     "Inserts an empty line in front of the selected entry"},
    {LogCommand::Copy, "copy", "Copy", "Alt+C", "Ctrl+C", "Copies the whole log to the clipboard"},
    {LogCommand::MoveDown, "down", "Move Down", "Alt+W", "Ctrl+Down",
     "Moves the selected entry down one place"},
    {LogCommand::MoveUp, "up", "Move Up", "Alt+U", "Ctrl+Up",
     "Moves the selected entry up one place"},
}};

constexpr const LogCommandRow& LogCommandRowOf(LogCommand command) {
    for (const LogCommandRow& row : kLogCommands) {
        if (row.command == command) {
            return row;
        }
    }
    return kLogCommands.front();
}
