#pragma once

#include <ostream>

#include "cli/answers.h"

struct ProgramState;

// The answers as one JSON object each. JSON is UTF-8, so the program's 8-bit texts are
// read as Latin-1, as the windows read them.
namespace json_out {

void WriteResult(std::ostream& out, const ProgramState& state);
void WriteReport(std::ostream& out, const ProgramState& state, ReportKind kind);
void WriteStop(std::ostream& out, const StopView& stop);
void WriteCounters(std::ostream& out, const CountersView& counters);
// Ship names, then one row of cells an attacker, one cell a defender, in table order.
void WriteMatrix(std::ostream& out, const MatrixView& matrix);

}  // namespace json_out
