#pragma once

#include <ostream>

#include "cli/answers.h"

struct ProgramState;

// The answers as plain text in UTF-8, as the JSON gives them: a name printed here is the
// name to type (MatchShipName).
namespace text_out {

void WriteResult(std::ostream& out, const ProgramState& state);
// Two-sided reports: the attacker's text, one empty line, the defender's text. Neither
// text ends with an empty line, so the separator is the only one at that place.
void WriteReport(std::ostream& out, const ProgramState& state, ReportKind kind);
void WriteStop(std::ostream& out, const StopView& stop);
void WriteCounters(std::ostream& out, const CountersView& counters);
// One line a pairing, attackers in table order, each against every defender.
void WriteMatrix(std::ostream& out, const MatrixView& matrix);
// The same lines as comma-separated values under a header line.
void WriteMatrixCsv(std::ostream& out, const MatrixView& matrix);

}  // namespace text_out
