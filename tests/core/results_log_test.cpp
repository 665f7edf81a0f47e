#include "core/results_log.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Commands separated by blanks, as the buttons and clicks give them: "+x" adds the result
// line x, "^x" inserts it, "_" inserts an empty line, "-" deletes, "u" and "d" move up and
// down, "c" clears, "sN" selects entry N.
void RunCommands(ProgramState& state, const std::string& commands) {
    std::istringstream words(commands);
    std::string command;
    while (words >> command) {
        const std::string argument = command.substr(1);
        switch (command.front()) {
            case '+':
                state.Combat.ResultLine = argument;
                AddResultToLog(state);
                break;
            case '^':
                state.Combat.ResultLine = argument;
                InsertResultInLog(state);
                break;
            case '_':
                InsertSpaceInLog(state);
                break;
            case '-':
                DeleteLogEntry(state);
                break;
            case 'u':
                MoveLogEntryUp(state);
                break;
            case 'd':
                MoveLogEntryDown(state);
                break;
            case 'c':
                ClearLog(state);
                break;
            case 's':
                SelectLogEntry(state, std::stoi(argument));
                break;
            default:
                FAIL() << "unknown command " << command;
        }
    }
}

struct Case {
    const char* commands;
    std::vector<std::string> entries;
    int selected;
};

constexpr int kNone = ResultsLog::kNone;

}  // namespace

TEST(ResultsLogRules, CommandsLeaveEntriesAndSelection) {
    const Case cases[] = {
        {"", {}, kNone},
        {"+a", {"a"}, 0},
        {"+a +b s0 +c", {"a", "b", "c"}, 2},
        {"+a +b +c -", {"a", "b"}, 1},
        {"+a +b +c s1 -", {"a", "c"}, kNone},
        {"+a +b s0 -", {"b"}, kNone},
        {"+a -", {}, kNone},
        {"+a +b s-1 -", {"a", "b"}, kNone},
        {"+a +b +c - -", {"a"}, 0},
        {"+a +b c", {}, kNone},
        {"+a +b s0 ^x", {"x", "a", "b"}, 0},
        {"+a +b ^x", {"a", "x", "b"}, 1},
        {"+a s-1 ^x", {"a", "x"}, kNone},
        {"^x", {"x"}, kNone},
        {"+a +b s1 _", {"a", "", "b"}, 1},
        {"_ _", {"", ""}, kNone},
        {"+a +b s0 u", {"a", "b"}, 0},
        {"+a +b +c u", {"a", "c", "b"}, 1},
        {"+a +b +c u u u", {"c", "a", "b"}, 0},
        {"+a +b d", {"a", "b"}, 1},
        {"+a +b s0 d", {"b", "a"}, 1},
        {"+a +b s-1 u d", {"a", "b"}, kNone},
        {"u d", {}, kNone},
        {"+a c +b", {"b"}, 0},
        {"+a +b s2", {"a", "b"}, kNone},
        {"+a +b s-5", {"a", "b"}, kNone},
    };
    for (const Case& c : cases) {
        ProgramState state;
        RunCommands(state, c.commands);
        EXPECT_EQ(LogEntries(state), c.entries) << c.commands;
        EXPECT_EQ(SelectedLogEntry(state), c.selected) << c.commands;
    }
}

TEST(ResultsLogRules, CopyEndsEveryEntryWithCrLfAndRestoreReadsItBack) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"+a +b s1 _", "a\r\n\r\nb\r\n"},
        {"+a +b s-1", "a\r\nb\r\n"},
        {"+a +b u", "b\r\na\r\n"},
        {"_", "\r\n"},
    };
    for (const auto& [commands, copied] : cases) {
        ProgramState state;
        RunCommands(state, commands);
        EXPECT_EQ(CopiedLogText(state), copied) << commands;
        ProgramState restored;
        RunCommands(restored, "+old");
        RestoreLog(restored, copied);
        EXPECT_EQ(LogEntries(restored), LogEntries(state)) << commands;
        EXPECT_EQ(SelectedLogEntry(restored), kNone) << commands;
    }
}

TEST(ResultsLogRules, RestoreKeepsALastLineWithoutItsEnd) {
    ProgramState state;
    RestoreLog(state, "a\r\nb");
    EXPECT_EQ(LogEntries(state), (std::vector<std::string>{"a", "b"}));
}
