#include "cli/commands.h"

#include <cerrno>
#include <cstdio>
#include <limits>
#include <optional>

#include "cli/calc_session.h"
#include "cli/cli_args.h"
#include "cli/exit_codes.h"
#include "cli/json_output.h"
#include "cli/ship_names.h"
#include "cli/text_output.h"
#include "core/counters.h"
#include "core/matrix_picture.h"
#include "core/program_state.h"
#include "core/readouts.h"
#include "core/share_link.h"
#include "core/stop_search.h"
#include "data/display_settings.h"
#include "data/int_text.h"
#include "data/latin1_text.h"
#include "data/platform.h"
#include "data/stats_file.h"

namespace {

constexpr const char* kProgram = "skirmod-calc: ";

// A command's context: the table, the request and where to write.
struct Run {
    CalcSession& Session;
    const Request& Ask;
    const CalcEnvironment& Env;
    std::ostream& Out;
    std::ostream& Err;
};

std::optional<int> FindShip(const Run& run, const std::string& typed) {
    const ShipTable& table = run.Session.Table();
    const NameMatch match = MatchShipName(table, typed);
    if (match.Kind == NameMatchKind::Found) {
        return match.Row;
    }
    run.Err << kProgram
            << (match.Kind == NameMatchKind::Ambiguous ? "ambiguous ship name '"
                                                       : "unknown ship name '")
            << typed << "'; it could be:";
    for (const int row : match.Candidates) {
        run.Err << ' ' << Utf8FromLatin1(table[static_cast<std::size_t>(row)][Col::ShipName]);
    }
    run.Err << '\n';
    return std::nullopt;
}

// Why the text is no number, as the end of a sentence about it: the table's own reader
// tells a number beyond either end of its range from text that is no number.
std::string WhyNotANumber(const std::string& text) {
    switch (Int64TextKind(text)) {
        case IntTextKind::TooLarge:
            return "is too large: the largest accepted is " +
                   std::to_string(std::numeric_limits<std::int64_t>::max());
        case IntTextKind::TooSmall:
            return "is too small: the smallest accepted is " +
                   std::to_string(std::numeric_limits<std::int64_t>::min());
        case IntTextKind::Number:
        case IntTextKind::NotANumber:
            break;
    }
    return "is not a whole number";
}

std::optional<std::int64_t> WantedDefenders(const Run& run) {
    const std::optional<std::int64_t> wanted = ParseInt64(run.Ask.Number);
    if (!wanted) {
        run.Err << kProgram << "N '" << run.Ask.Number << "' " << WhyNotANumber(run.Ask.Number)
                << '\n';
    } else if (*wanted < 1) {
        run.Err << kProgram << "N must be at least 1, not '" << run.Ask.Number << "'\n";
    }
    return wanted && *wanted >= 1 ? wanted : std::nullopt;
}

void NoteCountFallback(const Run& run) {
    if (!ParseInt64(run.Ask.Number)) {
        run.Err << kProgram << "note: the count '" << run.Ask.Number << "' "
                << WhyNotANumber(run.Ask.Number) << "; the count box reads it as 0 ships\n";
    }
}

int ResultOrReport(const Run& run, int attacker, int defender) {
    NoteCountFallback(run);
    run.Session.Calculate(attacker, defender, run.Ask.Number);
    const ProgramState& state = run.Session.State();
    const bool report = run.Ask.Which == Command::Report;
    if (run.Ask.Json) {
        report ? json_out::WriteReport(run.Out, state, run.Ask.Kind)
               : json_out::WriteResult(run.Out, state);
    } else {
        report ? text_out::WriteReport(run.Out, state, run.Ask.Kind)
               : text_out::WriteResult(run.Out, state);
    }
    return kExitOk;
}

// The main window's result line and figure at `ships`, by the full calculation.
std::string ResultLineAt(CalcSession& session, int attacker, int defender, std::int64_t ships,
                         std::int64_t& result) {
    session.Calculate(attacker, defender, std::to_string(ships));
    result = session.State().Combat.ShipsResult;
    return session.State().Combat.ResultLine;
}

int Stop(const Run& run, int attacker, int defender, std::int64_t wanted) {
    StopView view{run.Session.Table(),
                  attacker,
                  defender,
                  wanted,
                  FindStop(run.Session.State(), attacker, defender, wanted),
                  {},
                  {}};
    const StopAnswer& a = view.Answer;
    if (a.Block == StopBlock::None) {
        std::int64_t atCount = 0;
        std::int64_t oneFewer = 0;
        view.ResultLine = ResultLineAt(run.Session, attacker, defender, a.Ships, atCount);
        view.ResultLineOneFewer =
            ResultLineAt(run.Session, attacker, defender, a.Ships - 1, oneFewer);
        // The search and the main window's own calculation must agree on the answer.
        if (atCount != a.Result || oneFewer != a.ResultOneFewer || atCount < wanted ||
            oneFewer >= wanted) {
            run.Err << kProgram << "internal error: the search and the calculation disagree\n";
            return kExitFailure;
        }
    }
    run.Ask.Json ? json_out::WriteStop(run.Out, view) : text_out::WriteStop(run.Out, view);
    return kExitOk;
}

int Counters(const Run& run, int defender, std::int64_t wanted) {
    const CountersView view{run.Session.Table(), defender, wanted,
                            RankCounters(run.Session.State(), defender, wanted)};
    run.Ask.Json ? json_out::WriteCounters(run.Out, view) : text_out::WriteCounters(run.Out, view);
    return kExitOk;
}

// The heat map into `path`, as UTF-8 like every answer; why not, when it cannot be written.
std::string WriteSvgFile(const std::string& path, const std::string& svg) {
    std::FILE* file = OpenFile(FsPath(path), "wb");
    if (file == nullptr) {
        return ErrnoText(errno);
    }
    const std::string utf8 = Utf8FromLatin1(svg);
    const bool written = std::fwrite(utf8.data(), 1, utf8.size(), file) == utf8.size();
    const int writeError = errno;
    if (std::fclose(file) != 0 || !written) {
        return ErrnoText(written ? errno : writeError);
    }
    return {};
}

// A count for a map that says something: the classic settings start the calculator at 0
// ships, where nothing is stopped.
constexpr std::int64_t kMatrixFallbackCount = 1000;

// The count the table's settings line starts the calculator with; the session reads a
// file's table, not its settings.
std::int64_t StartUpCount(const ProgramState& state) {
    SettingsState settings;
    const FileView& file = state.Stats.FileMemo;
    if (file.Count() == kStatsFileLines) {
        settings.SettingsLine = file.Line(kSettingsLineNumber);
    }
    ParseSettingsLine(settings);
    return settings.Display.DefaultFleetSize;
}

std::int64_t MatrixCount(const Run& run) {
    if (!run.Ask.CountGiven) {
        const std::int64_t startUp = StartUpCount(run.Session.State());
        return startUp >= 1 ? startUp : kMatrixFallbackCount;
    }
    NoteCountFallback(run);
    return ToInt64Or(run.Ask.Number, 0);
}

int Matrix(const Run& run) {
    const std::int64_t count = MatrixCount(run);
    const MatrixView view{run.Session.Table(), count, PairingMatrix(run.Session.State(), count)};
    switch (run.Ask.Format) {
        case MatrixFormat::Text:
            text_out::WriteMatrix(run.Out, view);
            break;
        case MatrixFormat::Json:
            json_out::WriteMatrix(run.Out, view);
            break;
        case MatrixFormat::Csv:
            text_out::WriteMatrixCsv(run.Out, view);
            break;
        case MatrixFormat::Svg: {
            const std::string svg =
                MatrixSvg(view.Table, view.Cells, count, StatsFileHeader(run.Session.State()));
            if (const std::string why = WriteSvgFile(run.Ask.SvgPath, svg); !why.empty()) {
                run.Err << kProgram << "cannot write " << run.Ask.SvgPath << ": " << why << '\n';
                return kExitFailure;
            }
            break;
        }
    }
    return kExitOk;
}

// The page's address, without a part from '#' of its own, then the battle's part.
int Link(const Run& run, int attacker, int defender) {
    NoteCountFallback(run);
    const std::optional<std::string> link =
        ShareLinkOf(run.Session.Table(), attacker, defender, run.Ask.Number);
    if (!link) {
        run.Err << kProgram << "the table differs from the built-in one too much to fit a link of "
                << kMaxLinkSize << " characters\n";
        return kExitFailure;
    }
    const std::string base = run.Ask.Base.value_or(run.Env.PageUrl);
    run.Out << base.substr(0, base.find('#')) << *link << '\n';
    return kExitOk;
}

int Dispatch(const Run& run) {
    if (run.Ask.Which == Command::Matrix) {
        return Matrix(run);
    }
    const std::optional<int> defender = FindShip(run, run.Ask.Defender);
    if (!defender) {
        return kExitUsage;
    }
    std::optional<int> attacker;
    if (run.Ask.Which != Command::Counters) {
        attacker = FindShip(run, run.Ask.Attacker);
        if (!attacker) {
            return kExitUsage;
        }
    }
    if (run.Ask.Which == Command::Result || run.Ask.Which == Command::Report) {
        return ResultOrReport(run, *attacker, *defender);
    }
    if (run.Ask.Which == Command::Link) {
        return Link(run, *attacker, *defender);
    }
    const std::optional<std::int64_t> wanted = WantedDefenders(run);
    if (!wanted) {
        return kExitUsage;
    }
    return run.Ask.Which == Command::Stop ? Stop(run, *attacker, *defender, *wanted)
                                          : Counters(run, *defender, *wanted);
}

}  // namespace

int RunCalc(const std::vector<std::string>& args, const CalcEnvironment& env, std::ostream& out,
            std::ostream& err) {
    const ParsedArgs parsed = ParseArgs(args, out, err);
    if (!parsed.Ask) {
        return parsed.ExitCode;
    }
    const Request& request = *parsed.Ask;
    CalcSession session(env.DecimalSeparator);
    const TableLoad load = request.StatsPath ? session.LoadTable(*request.StatsPath)
                                             : session.LoadDefaultTable(env.DefaultStatsPath);
    if (load.Status == TableStatus::Failed) {
        err << kProgram << load.Message << '\n';
        return kExitFailure;
    }
    if (!load.Message.empty()) {
        err << kProgram << "note: " << load.Message << '\n';
    }
    return Dispatch({session, request, env, out, err});
}
