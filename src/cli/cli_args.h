#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/answers.h"

enum class Command { Result, Report, Stop, Counters, Link };

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
};

struct ParsedArgs {
    std::optional<Request> Ask;
    // When there is no request: 0 after --help or --version, 2 for a usage error.
    int ExitCode = 0;
};

// args[0] is the program name. Help, version and usage errors are written to out or err.
ParsedArgs ParseArgs(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
