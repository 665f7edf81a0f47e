#include <cstdlib>
#include <iostream>

#include "cli/commands.h"
#include "cli/console.h"
#include "core/startup.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    CalcEnvironment env;
    env.DecimalSeparator = LocaleDecimalSeparator();
    if (const char* pageUrl = std::getenv("SKIRMOD_PAGE_URL")) {
        env.PageUrl = pageUrl;
    }
    const std::vector<std::string> args = ProgramArguments(argc, argv);
    return RunWithStandardStreams(
        [&](std::ostream& out, std::ostream& err) { return RunCalc(args, env, out, err); });
}
