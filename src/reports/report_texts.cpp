#include "reports/report_texts.h"

ReportLines& ReportTexts::operator[](Report report) {
    return this->*kReportBoxes[static_cast<std::size_t>(report)].lines;
}

const ReportLines& ReportTexts::operator[](Report report) const {
    return this->*kReportBoxes[static_cast<std::size_t>(report)].lines;
}
