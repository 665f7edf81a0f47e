#pragma once

#include <functional>
#include <utility>

#include "reports/report_texts.h"

// Where the report builders put their texts: the boxes' lines, and whom to tell each time
// one box holds its finished text.
struct ReportBoxes {
    ReportTexts& Texts;
    std::function<void(Report)> Updated;
};

// Rebuilds one report box in place with `write(ReportWriter&)`, then tells the listener,
// which takes the finished text in one piece.
template <typename Write>
void RewriteBox(ReportBoxes& boxes, Report box, Write&& write) {
    {
        ReportWriter writer(boxes.Texts[box]);
        std::forward<Write>(write)(writer);
    }
    boxes.Updated(box);
}
