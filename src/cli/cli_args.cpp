#include "cli/cli_args.h"

#include <CLI/CLI.hpp>
#include <iterator>
#include <map>
#include <optional>

#include "cli/exit_codes.h"
#include "version.h"

namespace {

constexpr const char* kFooter =
    "Ship names: the exact name, or a prefix that begins exactly one name (any case).\n"
    "COUNT is read like the main window's count box: a whole number (decimal, or hex after\n"
    "$ or 0x); anything else counts as 0 ships. N is a whole number from 1 to\n"
    "9223372036854775807.\n"
    "matrix --count is read as COUNT is; without it, the count the table's settings line\n"
    "starts the calculator with (its default fleet size), or 1000 when that is below 1.\n"
    "--svg writes the heat map as a standalone picture: viridis colours on a log scale\n"
    "from 10% to 1,000% efficiency, pairings without a target hatched.\n"
    "link prints the page's address (--base URL, else $SKIRMOD_PAGE_URL) and the battle's part\n"
    "from # on; without an address only that part, which any copy of the page reads.\n"
    "The table: --stats FILE, else ./ShipStats.txt, else the built-in table (with a note).\n"
    "Exit codes: 0 done; 1 the stats file is missing (--stats), unreadable or damaged, the\n"
    "--svg file cannot be written, or the table does not fit a link;\n"
    "2 usage error, unknown or ambiguous ship name, or bad number.";

const std::map<std::string, ReportKind> kReportKinds = {
    {"calculation", ReportKind::Calculation},
    {"targeting", ReportKind::Targeting},
    {"resources", ReportKind::Resources},
    {"basic", ReportKind::Basic},
};

// "a, b, c and d": the report names, for the message that refuses any other.
std::string ReportNames() {
    std::string names;
    for (auto entry = kReportKinds.begin(); entry != kReportKinds.end(); ++entry) {
        if (entry != kReportKinds.begin()) {
            names += std::next(entry) == kReportKinds.end() ? " and " : ", ";
        }
        names += entry->first;
    }
    return names;
}

CLI::Validator KnownReport() {
    return {[](const std::string& name) {
                return kReportKinds.contains(name)
                           ? std::string()
                           : "there is no report '" + name + "'; the reports are " + ReportNames();
            },
            ""};
}

void AddPairing(CLI::App& command, Request& request, const char* numberName,
                const char* numberHelp) {
    command.add_option("ATTACKER", request.Attacker, "attacking ship type")->required();
    command.add_option("DEFENDER", request.Defender, "defending ship type")->required();
    command.add_option(numberName, request.Number, numberHelp)->required();
}

// One format at most; plain text when none is asked for.
std::optional<MatrixFormat> MatrixFormatOf(bool json, bool csv, bool svg) {
    if (json + csv + svg > 1) {
        return std::nullopt;
    }
    return json ? MatrixFormat::Json
                : (csv ? MatrixFormat::Csv : (svg ? MatrixFormat::Svg : MatrixFormat::Text));
}

}  // namespace

ParsedArgs ParseArgs(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CLI::App app{"skirmod-calc: the Skirmod battle calculator on the command line.",
                 "skirmod-calc"};
    app.footer(kFooter);
    app.set_version_flag("--version", std::string("skirmod-calc ") + SKIRMOD_VERSION);
    app.require_subcommand(1);

    Request request;
    std::string statsPath;
    app.add_option("--stats", statsPath, "ShipStats.txt file to read (default ./ShipStats.txt)")
        ->option_text("FILE");
    app.add_flag("--json", request.Json, "answer in JSON");

    CLI::App* result = app.add_subcommand("result", "the result line (as Copy Result gives it)");
    AddPairing(*result, request, "COUNT", "attacking ships (count box text)");

    CLI::App* report = app.add_subcommand("report", "a report of the Details window");
    std::string reportName;
    report->add_option("REPORT", reportName, "calculation, targeting, resources or basic")
        ->required()
        ->check(KnownReport());
    AddPairing(*report, request, "COUNT", "attacking ships (count box text)");

    CLI::App* stop = app.add_subcommand("stop", "fewest attackers that stop N defenders");
    AddPairing(*stop, request, "N", "defenders to kill, hold or capture in one tick");

    CLI::App* counters = app.add_subcommand("counters", "all 54 types ranked against N defenders");
    counters->add_option("DEFENDER", request.Defender, "defending ship type")->required();
    counters->add_option("N", request.Number, "defenders to kill, hold or capture")->required();

    CLI::App* matrix = app.add_subcommand(
        "matrix", "every attacker against every defender: ships stopped and efficiency");
    matrix->add_option("--count", request.Number, "attacking ships (count box text)")
        ->option_text("COUNT");
    bool csv = false;
    matrix->add_flag("--csv", csv, "answer as comma-separated values, one line a pairing");
    matrix->add_option("--svg", request.SvgPath, "write the heat map to FILE as SVG")
        ->option_text("FILE");

    CLI::App* link = app.add_subcommand("link", "a link that opens this battle in the page");
    AddPairing(*link, request, "COUNT", "attacking ships (count box text)");
    std::string base;
    link->add_option("--base", base, "the page's address (default $SKIRMOD_PAGE_URL)")
        ->option_text("URL");

    for (CLI::App* command : {result, report, stop, counters, matrix, link}) {
        command->fallthrough();
    }

    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e, out, err);
        return {std::nullopt, code == 0 ? kExitOk : kExitUsage};
    }

    const std::pair<CLI::App*, Command> commands[] = {
        {result, Command::Result},     {report, Command::Report}, {stop, Command::Stop},
        {counters, Command::Counters}, {matrix, Command::Matrix}, {link, Command::Link}};
    for (const auto& [command, which] : commands) {
        if (command->parsed()) {
            request.Which = which;
        }
    }
    if (report->parsed()) {
        request.Kind = kReportKinds.at(reportName);
    }
    if (matrix->parsed()) {
        const std::optional<MatrixFormat> format =
            MatrixFormatOf(request.Json, csv, matrix->count("--svg") > 0);
        if (!format) {
            err << "skirmod-calc: matrix: --json, --csv and --svg exclude each other\n";
            return {std::nullopt, kExitUsage};
        }
        request.Format = *format;
        request.CountGiven = matrix->count("--count") > 0;
    }
    if (link->count("--base") > 0) {
        request.Base = base;
    }
    if (app.count("--stats") > 0) {
        request.StatsPath = statsPath;
    }
    return {request, kExitOk};
}
