#pragma once

#include <utility>

#include "data/program_state.h"
#include "reports/report_texts.h"

// Rebuilds one report box in place with `write(ReportWriter&)`, then tells the frontend,
// which takes the finished text in one piece.
template <typename Write>
void RewriteBox(ProgramState& state, Report box, Write&& write) {
    {
        ReportWriter writer(state.Reports[box]);
        std::forward<Write>(write)(writer);
    }
    UiOf(state).ReportUpdated(box);
}
