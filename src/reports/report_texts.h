#pragma once

#include <cstddef>
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

inline constexpr Report kAllReports[] = {
    Report::Calculation,  Report::TargetAtt,     Report::TargetDef,     Report::ResourcesAtt,
    Report::ResourcesDef, Report::BasicStatsAtt, Report::BasicStatsDef,
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
