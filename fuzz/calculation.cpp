#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/calculation.h"
#include "core/program_state.h"
#include "core/stats_storage.h"
#include "data/default_ships.h"
#include "data/int_text.h"
#include "data/number_text.h"
#include "fuzz_check.h"

namespace {

const char* const kWords[] = {"Fi",
                              "Co",
                              "Fr",
                              "De",
                              "Cr",
                              "Bs",
                              "All",
                              "-",
                              "EMP",
                              "PDS",
                              "Steal",
                              "Special",
                              "Normal",
                              "",
                              "0",
                              "-1",
                              "$FFFFFFFF",
                              "2147483647",
                              "-9223372036854775808"};

std::string FieldText(FuzzedDataProvider& input) {
    if (input.ConsumeBool()) {
        return kWords[input.ConsumeIntegralInRange<std::size_t>(0, std::size(kWords) - 1)];
    }
    return input.ConsumeRandomLengthString(24);
}

std::size_t LinesStartingWith(const ReportLines& lines, const std::string& prefix) {
    return static_cast<std::size_t>(std::count_if(
        lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(prefix); }));
}

std::size_t WalkthroughLength(CombatVariantValue variant) {
    switch (variant) {
        case CombatVariantValue::Emp:
            return 14;
        case CombatVariantValue::Kill:
        case CombatVariantValue::Capture:
            return 29;
        case CombatVariantValue::Pods:
        case CombatVariantValue::PdsVsPds:
        case CombatVariantValue::NoTarget:
            break;
    }
    return 4;
}

void CheckReports(const ProgramState& state) {
    const CombatState& c = state.Combat;
    const ReportTexts& r = state.Reports;
    Require(c.AttackerRow < kShipCount && c.DefenderRow < kShipCount, "rows stay in the table");
    Require(c.CombatVariant <= CombatVariantValue::NoTarget && c.TargetType <= kNoTarget,
            "known variant");
    Require(r.Calculation.size() == WalkthroughLength(c.CombatVariant), "walkthrough length");
    Require(r.Calculation.front() == " " + c.ResultLine, "walkthrough starts with the result");
    Require(r.BasicStatsAtt.size() == 21 && r.BasicStatsDef.size() == 21, "basic stats length");
    Require(LinesStartingWith(r.TargetAtt, "     ") >= kShipCount, "every row on the left");
    Require(LinesStartingWith(r.TargetDef, "     ") >= kShipCount, "every row on the right");
    Require(r.ResourcesDef.size() >= 21 && r.ResourcesAtt.size() >= 21, "resources length");
    Require(WholeNumberText(std::strtod(c.EfficiencyText.c_str(), nullptr)) == c.EfficiencyText,
            "efficiency is a whole number in plain decimal");
    Require((c.TargetType == kNoTarget) == state.Results.TargetDisplay.empty(),
            "target shown exactly when there is one");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    ProgramState state;
    BuildDefaultStats(state);
    state.Inputs.AttShipListIndex = input.ConsumeIntegralInRange(-3, 60);
    state.Inputs.DefShipListIndex = input.ConsumeIntegralInRange(-3, 60);
    state.Inputs.AttShipsText = FieldText(input);
    const int edits = input.ConsumeIntegralInRange(0, 64);
    for (int i = 0; i < edits; ++i) {
        const auto row = input.ConsumeIntegralInRange<std::size_t>(0, kShipCount - 1);
        const auto col = input.ConsumeIntegralInRange<std::size_t>(0, kColumnCount - 1);
        state.StoredStats[row].fields[col] = FieldText(input);
    }
    if (input.ConsumeBool()) {
        state.StoredStats.fill(state.StoredStats[0]);
    }
    RecalculateAll(state);
    CheckReports(state);
    return 0;
}
