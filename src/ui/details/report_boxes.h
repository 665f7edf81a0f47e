#pragma once

#include <QString>
#include <cstddef>
#include <iterator>

#include "core/engine.h"
#include "ui/common/accessibility.h"

// The Details window's report boxes in the order of Report: their object names and what
// assistive tools say of them.
inline constexpr AccessibleText kReportBoxTexts[] = {
    {"CalculationMemo", "Calculation", "How the result is calculated, step by step"},
    {"TargetAttMemo", "Attacker targeting", "What the attacking ship type targets"},
    {"TargetDefMemo", "Defender targeting", "What targets the defending ship type"},
    {"ResourcesAttMemo", "Attacker resources",
     "Costs and scores of the attacking fleet, and its resource efficiency"},
    {"ResourcesDefMemo", "Defender resources", "Costs and scores of the defending ships"},
    {"BasicStatsAttMemo", "Attacker basic stats", "The attacking ship type's statistics"},
    {"BasicStatsDefMemo", "Defender basic stats", "The defending ship type's statistics"},
};
static_assert(std::size(kReportBoxTexts) == std::size(kReportBoxes));

inline QString ReportBoxName(Report report) {
    return QLatin1String(kReportBoxTexts[static_cast<std::size_t>(report)].control);
}
