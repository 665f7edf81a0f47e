#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "core/calculation.h"
#include "core/inputs.h"
#include "core/program_state.h"
#include "core/startup.h"
#include "core/stats_storage.h"
#include "data/default_ships.h"
#include "data/file_view.h"
#include "data/stats_file.h"
#include "data/temp_dir.h"

struct CalcRun {
    int Code = -1;
    std::string Out;
    std::string Err;
};

// A table written as ShipStats.txt in a fresh folder, the command run on it, and the same
// table run through the core as the windows drive it.
class CliTest : public ::testing::Test {
  protected:
    std::string StatsPath() const { return m_dir.File("ShipStats.txt"); }

    void WriteTable(const ShipTable& table) {
        FileView view;
        FillFileView(view, "test table", table);
        view.Replace(kSettingsLineNumber, std::string(DefaultSettingsLine));
        ASSERT_EQ(view.WriteTo(StatsPath()).Message, "");
    }

    // skirmod-calc with --stats on the written table, unless `args` say otherwise.
    CalcRun Calc(std::vector<std::string> args, bool withStats = true) {
        args.insert(args.begin(), "skirmod-calc");
        if (withStats) {
            args.insert(args.begin() + 1, {"--stats", StatsPath()});
        }
        CalcEnvironment env;
        env.DefaultStatsPath = m_dir.File("absent/ShipStats.txt");
        std::ostringstream out;
        std::ostringstream err;
        CalcRun run;
        run.Code = RunCalc(args, env, out, err);
        run.Out = out.str();
        run.Err = err.str();
        return run;
    }

    // Start-up with its loading of ShipStats.txt from the current folder, then the main
    // window's first show and activation with these selections and count text.
    ProgramState& AsTheWindowsShow(int attacker, int defender, const std::string& countText) {
        const std::filesystem::path previous = std::filesystem::current_path();
        std::filesystem::current_path(m_dir.Path());
        m_windows = std::make_unique<ProgramState>();
        ProgramState& state = *m_windows;
        StartCore(state);
        LoadStatsFile(state);
        std::filesystem::current_path(previous);

        SetInputs(state, attacker, defender, countText);
        RecalculateAll(state);
        return state;
    }

    TempDir m_dir;

  private:
    std::unique_ptr<ProgramState> m_windows;
};

inline std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + '\n';
    }
    return text;
}
