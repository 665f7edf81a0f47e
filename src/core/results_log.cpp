#include "core/results_log.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

constexpr std::string_view kLineEnd = "\r\n";

int Count(const ResultsLog& log) {
    return static_cast<int>(log.Entries.size());
}

void Swap(ResultsLog& log, int from, int to) {
    std::swap(log.Entries[static_cast<std::size_t>(from)],
              log.Entries[static_cast<std::size_t>(to)]);
    log.Selected = to;
}

void InsertLine(ResultsLog& log, std::string line) {
    if (log.Selected == ResultsLog::kNone) {
        log.Entries.push_back(std::move(line));
        return;
    }
    log.Entries.insert(std::next(log.Entries.begin(), log.Selected), std::move(line));
}

}  // namespace

void SelectLogEntry(ProgramState& state, int index) {
    ResultsLog& log = state.Log;
    log.Selected = index >= 0 && index < Count(log) ? index : ResultsLog::kNone;
}

void AddResultToLog(ProgramState& state) {
    ResultsLog& log = state.Log;
    log.Entries.push_back(state.Combat.ResultLine);
    log.Selected = Count(log) - 1;
}

void InsertResultInLog(ProgramState& state) {
    InsertLine(state.Log, state.Combat.ResultLine);
}

void InsertSpaceInLog(ProgramState& state) {
    InsertLine(state.Log, {});
}

void DeleteLogEntry(ProgramState& state) {
    ResultsLog& log = state.Log;
    if (log.Selected == ResultsLog::kNone) {
        return;
    }
    log.Entries.erase(std::next(log.Entries.begin(), log.Selected));
    log.Selected = Count(log) == 0 ? ResultsLog::kNone : std::min(log.Selected, Count(log) - 1);
}

void ClearLog(ProgramState& state) {
    state.Log = {};
}

void MoveLogEntryUp(ProgramState& state) {
    ResultsLog& log = state.Log;
    if (log.Selected >= 1) {
        Swap(log, log.Selected, log.Selected - 1);
    }
}

void MoveLogEntryDown(ProgramState& state) {
    ResultsLog& log = state.Log;
    if (log.Selected != ResultsLog::kNone && log.Selected <= Count(log) - 2) {
        Swap(log, log.Selected, log.Selected + 1);
    }
}

void ApplyLogCommand(ProgramState& state, LogCommand command) {
    switch (command) {
        case LogCommand::Add:
            return AddResultToLog(state);
        case LogCommand::Delete:
            return DeleteLogEntry(state);
        case LogCommand::Clear:
            return ClearLog(state);
        case LogCommand::Insert:
            return InsertResultInLog(state);
        case LogCommand::InsertSpace:
            return InsertSpaceInLog(state);
        case LogCommand::MoveDown:
            return MoveLogEntryDown(state);
        case LogCommand::MoveUp:
            return MoveLogEntryUp(state);
        case LogCommand::Copy:
            return;
    }
}

std::string CopiedLogText(const ProgramState& state) {
    std::string text;
    for (const std::string& entry : state.Log.Entries) {
        text += entry;
        text += kLineEnd;
    }
    return text;
}

void RestoreLog(ProgramState& state, std::string_view copiedText) {
    ClearLog(state);
    while (!copiedText.empty()) {
        const std::size_t end = copiedText.find(kLineEnd);
        state.Log.Entries.emplace_back(copiedText.substr(0, end));
        copiedText.remove_prefix(end == std::string_view::npos ? copiedText.size()
                                                               : end + kLineEnd.size());
    }
}

const std::vector<std::string>& LogEntries(const ProgramState& state) {
    return state.Log.Entries;
}

int SelectedLogEntry(const ProgramState& state) {
    return state.Log.Selected;
}
