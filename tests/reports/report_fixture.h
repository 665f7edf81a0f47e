#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "combat/combat_fixture.h"
#include "core/report_updates.h"
#include "reports/report_texts.h"

// Records what the windows are told, with the length of the box's text at that moment, so
// tests see both the order and that each text was in place before the notice.
class RecordingFrontend : public Frontend {
  public:
    explicit RecordingFrontend(ProgramState& state) : m_state(state) {}

    void ShowCurrentResult() override { events.push_back("ShowCurrentResult"); }
    void ReportUpdated(Report report) override {
        static constexpr std::array<const char*, 7> kNames = {
            "Calculation",  "TargetAtt",     "TargetDef",    "ResourcesAtt",
            "ResourcesDef", "BasicStatsAtt", "BasicStatsDef"};
        events.push_back(std::string(kNames[static_cast<std::size_t>(report)]) + " " +
                         std::to_string(m_state.Reports[report].size()));
    }

    std::vector<std::string> events;

  private:
    ProgramState& m_state;
};

class ReportTest : public CombatTest {
  protected:
    ReportTest() { state.Ui = &frontend; }

    const ReportLines& Text(Report report) { return state.Reports[report]; }

    // The lines under `heading`, up to the next empty line or the end of the text.
    static ReportLines ListUnder(const ReportLines& text, const std::string& heading) {
        ReportLines list;
        auto line = std::find(text.begin(), text.end(), heading);
        if (line == text.end()) {
            ADD_FAILURE() << "no heading \"" << heading << "\"";
            return list;
        }
        for (++line; line != text.end() && !line->empty(); ++line) {
            list.push_back(*line);
        }
        return list;
    }

    RecordingFrontend frontend{state};
};
