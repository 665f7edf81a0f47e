#include <iostream>

#include "cli/console.h"

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return {argv, argv + argc};
}

int RunWithStandardStreams(
    const std::function<int(std::ostream& out, std::ostream& err)>& program) {
    return program(std::cout, std::cerr);
}
