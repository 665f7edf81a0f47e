#pragma once

#include <ostream>
#include <string>
#include <vector>

// What the process takes from its surroundings.
struct CalcEnvironment {
    // Where the stats file is looked for without --stats.
    std::string DefaultStatsPath = "ShipStats.txt";
    // The locale's decimal separator, for the rates of the resources report.
    char DecimalSeparator = '.';
    // The page's address for links without --base: $SKIRMOD_PAGE_URL.
    std::string PageUrl;
};

// The whole command: arguments (args[0] the program name) in, answer on `out`, notes and
// errors on `err`; returns the exit code.
int RunCalc(const std::vector<std::string>& args, const CalcEnvironment& env, std::ostream& out,
            std::ostream& err);
