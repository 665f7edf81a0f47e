#include "reports/report_texts.h"

ReportLines& ReportTexts::operator[](Report report) {
    switch (report) {
        case Report::Calculation:
            return Calculation;
        case Report::TargetAtt:
            return TargetAtt;
        case Report::TargetDef:
            return TargetDef;
        case Report::ResourcesAtt:
            return ResourcesAtt;
        case Report::ResourcesDef:
            return ResourcesDef;
        case Report::BasicStatsAtt:
            return BasicStatsAtt;
        case Report::BasicStatsDef:
            break;
    }
    return BasicStatsDef;
}

const ReportLines& ReportTexts::operator[](Report report) const {
    return const_cast<ReportTexts&>(*this)[report];
}
