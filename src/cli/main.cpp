#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/console.h"

namespace {

// The resources report writes rates with the locale's decimal separator, as the windows
// do; one that is not a single byte gives way to the point.
char LocaleDecimalSeparator() {
    std::setlocale(LC_NUMERIC, "");
    const std::string separator = std::localeconv()->decimal_point;
    std::setlocale(LC_NUMERIC, "C");
    return separator.size() == 1 ? separator.front() : '.';
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    CalcEnvironment env;
    env.DecimalSeparator = LocaleDecimalSeparator();
    const std::vector<std::string> args = ProgramArguments(argc, argv);
    return RunWithStandardStreams(
        [&](std::ostream& out, std::ostream& err) { return RunCalc(args, env, out, err); });
}
