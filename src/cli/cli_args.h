#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/answers.h"

enum class Command { Result, Report, Stop, Counters, Matrix, Link };

// How `matrix` answers besides plain text.
enum class MatrixFormat { Text, Json, Csv, Svg };

struct Request {
    Command Which = Command::Result;
    ReportKind Kind = ReportKind::Calculation;
    std::string Attacker;
    std::string Defender;
    // The count box text (result, report) or the number of defenders to stop.
    std::string Number;
    std::optional<std::string> StatsPath;
    // The page's address that a link is put after (link --base).
    std::optional<std::string> Base;
    bool Json = false;
    // `matrix`: whether --count gave the count (in Number), the format and the SVG's file.
    bool CountGiven = false;
    MatrixFormat Format = MatrixFormat::Text;
    std::string SvgPath;
};

struct ParsedArgs {
    std::optional<Request> Ask;
    // When there is no request: 0 after --help or --version, 2 for a usage error.
    int ExitCode = 0;
};

// args[0] is the program name. Help, version and usage errors are written to out or err.
ParsedArgs ParseArgs(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
