#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/log_commands.h"
#include "core/program_state.h"

// The results log's rules, one operation per button of the Results section. Each acts on
// the selected entry; a front end first hands over the user's own selection.

// What the user's click selected; ResultsLog::kNone or an index of the entries.
void SelectLogEntry(ProgramState& state, int index);

// Add: the current result line appended and selected.
void AddResultToLog(ProgramState& state);
// Insert: the current result line in front of the selected entry, which it replaces as the
// selection; at the end with nothing selected, which leaves nothing selected.
void InsertResultInLog(ProgramState& state);
// Insert Space: the same with an empty line.
void InsertSpaceInLog(ProgramState& state);
// Delete: the selected entry goes; the entry that takes its place is selected, or the new
// last entry when the removed one was last, so Delete can be pressed again. Nothing happens
// with nothing selected.
void DeleteLogEntry(ProgramState& state);
void ClearLog(ProgramState& state);
void MoveLogEntryUp(ProgramState& state);
void MoveLogEntryDown(ProgramState& state);

// The command of the row `command` names, on the selected entry; Copy changes nothing.
void ApplyLogCommand(ProgramState& state, LogCommand command);

// Copy: every entry followed by CR LF.
std::string CopiedLogText(const ProgramState& state);
// A log kept as Copy gives it back (a front end's storage between visits): one entry per
// line, nothing selected. A last line without its line end is an entry too.
void RestoreLog(ProgramState& state, std::string_view copiedText);

const std::vector<std::string>& LogEntries(const ProgramState& state);
// The selected entry, or ResultsLog::kNone.
int SelectedLogEntry(const ProgramState& state);
