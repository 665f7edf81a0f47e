#pragma once

#include <string>
#include <vector>

using ReportLines = std::vector<std::string>;

// The Details window's text boxes that the reports fill.
enum class Report {
    Calculation,
    TargetAtt,
    TargetDef,
    ResourcesAtt,
    ResourcesDef,
    BasicStatsAtt,
    BasicStatsDef,
};

struct ReportTexts {
    ReportLines Calculation;
    ReportLines TargetAtt;
    ReportLines TargetDef;
    ReportLines ResourcesAtt;
    ReportLines ResourcesDef;
    ReportLines BasicStatsAtt;
    ReportLines BasicStatsDef;

    ReportLines& operator[](Report report);
};
