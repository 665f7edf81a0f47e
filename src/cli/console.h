#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

// Where skirmod-calc meets its console, the one place that differs between Windows
// (console_windows.cpp) and POSIX systems (console_posix.cpp).

// The arguments as the program's text: the system's bytes, UTF-8 on Windows, as paths are
// (data/platform.h).
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Runs `program` with the standard output and error as streams of that same text. A
// Windows console gets it in its wide form, which shows every name whatever the console's
// code page; a file or a pipe gets the bytes.
int RunWithStandardStreams(const std::function<int(std::ostream& out, std::ostream& err)>& program);
