#pragma once

#include <cstddef>
#include <iterator>
#include <string>
#include <vector>

#include "data/enum_table.h"

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
    const ReportLines& operator[](Report report) const;
};

struct ReportBox {
    Report report;
    ReportLines ReportTexts::*lines;
};

// The one list of the report boxes, in the order of Report.
inline constexpr ReportBox kReportBoxes[] = {
    {Report::Calculation, &ReportTexts::Calculation},
    {Report::TargetAtt, &ReportTexts::TargetAtt},
    {Report::TargetDef, &ReportTexts::TargetDef},
    {Report::ResourcesAtt, &ReportTexts::ResourcesAtt},
    {Report::ResourcesDef, &ReportTexts::ResourcesDef},
    {Report::BasicStatsAtt, &ReportTexts::BasicStatsAtt},
    {Report::BasicStatsDef, &ReportTexts::BasicStatsDef},
};

static_assert(IndexedByEnum(kReportBoxes, &ReportBox::report), "ReportTexts indexes it by report");

// Rebuilds a box's lines in place. The strings the box held last time keep their
// buffers, so reports rebuilt on every keystroke hardly allocate.
class ReportWriter {
  public:
    explicit ReportWriter(ReportLines& lines) : m_lines(lines) {}
    ReportWriter(const ReportWriter&) = delete;
    ReportWriter& operator=(const ReportWriter&) = delete;
    // Drops the lines of the previous text that the new one did not reach.
    ~ReportWriter() { m_lines.resize(m_used); }

    // A new, empty line to append to.
    std::string& Line() {
        if (m_used == m_lines.size()) {
            m_lines.emplace_back();
        }
        std::string& line = m_lines[m_used++];
        line.clear();
        return line;
    }

    template <typename... Pieces>
    void Add(const Pieces&... pieces) {
        std::string& line = Line();
        (line.append(pieces), ...);
    }

  private:
    ReportLines& m_lines;
    std::size_t m_used = 0;
};
