#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "reports/rate_text.h"
#include "reports/report_fixture.h"

namespace {

// Alpha costs 40/20/0 a ship, Beta 80/40/20; the combat figures are set by hand so each
// case reaches the report directly.
class ResourcesReportTest : public ReportTest {
  protected:
    ResourcesReportTest() {
        state.ActiveStats = state.StoredStats;
        state.Combat.AttackerRow = kAttacker;
        state.Combat.DefenderRow = kDefender;
        SetCosts(kAttacker, "40", "20", "0");
        SetCosts(kDefender, "80", "40", "20");
    }

    void SetCosts(int row, const char* metal, const char* crystal, const char* eon) {
        ShipRecord& ship = state.ActiveStats[row];
        ship[Col::Metal] = metal;
        ship[Col::Crystal] = crystal;
        ship[Col::Eon] = eon;
    }

    void Build(std::int64_t ships, std::int64_t result, std::uint8_t target = 0,
               const char* verb = "will kill") {
        CombatState& c = state.Combat;
        c.AttackerShips = ships;
        c.ShipsResult = result;
        c.TargetType = target;
        c.OutcomeVerb = verb;
        UpdateResourcesReport(state);
    }

    const ReportLines& AttackerText() { return Text(Report::ResourcesAtt); }
    const ReportLines& DefenderText() { return Text(Report::ResourcesDef); }

    // The last `count` lines of the attacker text.
    ReportLines AttackerTail(std::size_t count) {
        const ReportLines& lines = AttackerText();
        return ReportLines(lines.end() - static_cast<std::ptrdiff_t>(count), lines.end());
    }
};

constexpr std::size_t kShipRate = 13;
constexpr std::size_t kShipConclusion = 14;
constexpr std::size_t kResourceSums = 18;
constexpr std::size_t kResourceRate = 19;
constexpr std::size_t kResourceConclusion = 20;

}  // namespace

TEST_F(ResourcesReportTest, WorkedKillComparesCostsAndRates) {
    Build(10, 3);
    const ReportLines attacker = {
        " Attacker - Alpha",
        "",
        " Resources required for 10 Alphas attacking.",
        "        M =  400",
        "        C =  200",
        "        E =  0",
        " Total Resources =  600",
        "",
        " Total Score Value =  60",
        "",
        " Ship Kill Rate  :-",
        "       =  Ships Lost/Att. Ships",
        "       =  3/10",
        "       =  0.300",
        " 1 Alpha will kill 0.300 Betas",
        "",
        " Resource Kill Rate  :-",
        "       =  Def Resources/Att Resources",
        "       =  420/600",
        "       =  0.700",
        " 1k Resources spent on Alphas will kill 0.700k Resouces spent on Betas  (eqivalent to "
        "the 70% on the main form)",
    };
    const ReportLines defender = {
        " Defender - Beta",
        "",
        " Resources lost/held for 3 Betas defending.",
        "         M =  240",
        "         C =  120",
        "         E =  60",
        " Total Resources =  420",
        "",
        " Total Score Value =  42",
        "",
        " Ship Defend Rate  :-",
        "       =  Att. Ships/Ships Lost",
        "       =  10/3",
        "       =  3.333",
        " 3.333 Alpha will kill 1 Beta",
        "",
        " Resource Def. Rate  :-",
        "       =  Att Resources/Def Resources",
        "       =  600/420",
        "       =  1.429",
        " 1.429k Resources spent on Alphas will kill 1k Resouces spent on Betas",
    };
    EXPECT_EQ(AttackerText(), attacker);
    EXPECT_EQ(DefenderText(), defender);
    EXPECT_EQ(state.Combat.EfficiencyText, "70");
    EXPECT_EQ(frontend.events, (std::vector<std::string>{"ResourcesAtt 21", "ResourcesDef 21"}));
}

TEST_F(ResourcesReportTest, ConclusionsFollowTargetAndResult) {
    Build(10, 0, kNoTarget, "cant target");
    for (const ReportLines* text : {&AttackerText(), &DefenderText()}) {
        ASSERT_EQ(text->size(), 21U);
        EXPECT_EQ((*text)[kShipRate], "       =  0.000");
        EXPECT_EQ((*text)[kShipConclusion], " Alphas cant target Betas");
        EXPECT_EQ((*text)[kResourceRate], "       =  0.000");
        EXPECT_EQ((*text)[kResourceConclusion], " Alphas cant target Betas");
    }
    EXPECT_EQ(state.Combat.EfficiencyText, "0");

    Build(10, 0);
    for (const ReportLines* text : {&AttackerText(), &DefenderText()}) {
        ASSERT_EQ(text->size(), 21U);
        EXPECT_EQ((*text)[kShipRate], "       =  0.000");
        EXPECT_EQ((*text)[kShipConclusion], " No Casualties");
        EXPECT_EQ((*text)[kResourceConclusion], " No Casualties");
    }
    EXPECT_EQ(DefenderText()[12], "       =  10/0");

    // Each test adds its own line, so a result without a target would get two.
    Build(10, 3, kNoTarget, "cant target");
    ASSERT_EQ(AttackerText().size(), 23U);
    EXPECT_EQ(AttackerText()[kShipConclusion], " Alphas cant target Betas");
    EXPECT_EQ(AttackerText()[kShipConclusion + 1], " 1 Alpha cant target 0.300 Betas");
}

TEST_F(ResourcesReportTest, ZeroAttackersGiveZeroEverywhere) {
    Build(0, 0);
    const ReportLines& lines = AttackerText();
    EXPECT_EQ(lines[2], " Resources required for 0 Alphas attacking.");
    EXPECT_EQ(lines[3], "        M =  0");
    EXPECT_EQ(lines[6], " Total Resources =  0");
    EXPECT_EQ(lines[8], " Total Score Value =  0");
    EXPECT_EQ(lines[12], "       =  0/0");
    EXPECT_EQ(lines[kShipRate], "       =  0.000");
    EXPECT_EQ(lines[kResourceRate], "       =  0.000");
    EXPECT_EQ(DefenderText()[kResourceRate], "       =  0.000");
    EXPECT_EQ(state.Combat.EfficiencyText, "0");
}

TEST_F(ResourcesReportTest, RatesUseScoresAndRoundTheirThousandths) {
    SetCosts(kAttacker, "10", "0", "0");
    SetCosts(kDefender, "10", "9", "x");
    Build(1, 1);
    EXPECT_EQ(AttackerText()[kResourceSums], "       =  19/10");
    EXPECT_EQ(AttackerText()[kResourceRate], "       =  1.000");
    EXPECT_EQ(state.Combat.EfficiencyText, "100");
    EXPECT_EQ(AttackerText()[kResourceConclusion],
              " 1k Resources spent on Alphas will kill 1.000k Resouces spent on Betas  (eqivalent "
              "to the 100% on the main form)");

    Build(16, 1);
    EXPECT_EQ(AttackerText()[kShipRate], "       =  0.063");
    EXPECT_EQ(DefenderText()[kShipRate], "       =  16.000");

    state.DecimalSeparator = ',';
    SetCosts(kAttacker, "40", "20", "0");
    SetCosts(kDefender, "80", "40", "20");
    Build(10, 3);
    EXPECT_EQ(AttackerText()[kShipRate], "       =  0,300");
    EXPECT_EQ(AttackerText()[kShipConclusion], " 1 Alpha will kill 0,300 Betas");
    EXPECT_EQ(DefenderText()[kResourceConclusion],
              " 1,429k Resources spent on Alphas will kill 1k Resouces spent on Betas");
}

TEST(RateText, RoundsThousandthsAwayFromZeroAndPrintsWholeNumbersExactly) {
    EXPECT_EQ(RateText(0.0625F, '.'), "0.063");
    EXPECT_EQ(RateText(-0.0625F, '.'), "-0.063");
    EXPECT_EQ(RateText(2.0F / 3.0F, '.'), "0.667");
    EXPECT_EQ(RateText(0.0F, '.'), "0.000");
    EXPECT_EQ(RateText(-0.0004F, '.'), "0.000");
    EXPECT_EQ(RateText(0.9996F, ','), "1,000");
    EXPECT_EQ(RateText(-12.5F, '.'), "-12.500");
    EXPECT_EQ(RateText(9223372036854775807.0F, '.'), "9223372036854775808.000");

    EXPECT_EQ(RoundedWholeText(12.5F), "12");
    EXPECT_EQ(RoundedWholeText(13.5F), "14");
    EXPECT_EQ(RoundedWholeText(-2.5F), "-2");
    EXPECT_EQ(RoundedWholeText(-0.4F), "0");
    EXPECT_EQ(RoundedWholeText(9.223372e20F), "922337203685477580800");
}

TEST_F(ResourcesReportTest, CaptureEndsWithShipsLostAndItsEfficiency) {
    SetCosts(kAttacker, "60", "40", "0");
    SetCosts(kDefender, "200", "50", "0");
    Build(100, 3, 0, "will capture");
    ASSERT_EQ(AttackerText().size(), 30U);
    EXPECT_EQ(AttackerTail(9), (ReportLines{
                                   "",
                                   " Alphas lost during the capture process :-",
                                   "       =  Floor (Total Cost of Beta Captured / Cost per Alpha)",
                                   "       =  7 Alphas Lost",
                                   "",
                                   " Resource Capture Efficiency :-",
                                   "       =  (Captured Res/Lost Res)*100  (%)",
                                   "       =  (750/700)*100  (%)",
                                   "       =  107 %",
                               }));
    EXPECT_EQ(DefenderText().size(), 21U);

    // 1005 / 1000 x 100 is a tie, which goes to the even neighbour.
    SetCosts(kAttacker, "200", "0", "0");
    SetCosts(kDefender, "1005", "0", "0");
    Build(100, 1, 0, "will capture");
    EXPECT_EQ(AttackerTail(2), (ReportLines{"       =  (1005/1000)*100  (%)", "       =  100 %"}));

    Build(100, 3, 0, "will kill");
    EXPECT_EQ(AttackerText().size(), 21U);
}

TEST_F(ResourcesReportTest, CaptureWithNothingToDivideHasItsOwnWords) {
    SetCosts(kAttacker, "60", "40", "0");
    SetCosts(kDefender, "200", "50", "0");
    Build(100, 0, 0, "will capture");
    EXPECT_EQ(AttackerTail(6)[0], "       =  0 Alphas Lost");
    EXPECT_EQ(AttackerTail(2), (ReportLines{"       =  (0/0)*100  (%)", "       =  0 %"}));

    SetCosts(kDefender, "50", "0", "0");
    Build(100, 1, 0, "will capture");
    EXPECT_EQ(AttackerTail(2), (ReportLines{"       =  (50/0)*100  (%)", "       =  infinite %"}));

    // A capturing type that costs nothing loses nothing.
    SetCosts(kAttacker, "0", "x", "");
    SetCosts(kDefender, "200", "50", "0");
    Build(100, 3, 0, "will capture");
    EXPECT_EQ(AttackerTail(6)[0], "       =  0 Alphas Lost");
    EXPECT_EQ(AttackerTail(2), (ReportLines{"       =  (750/0)*100  (%)", "       =  infinite %"}));
    Build(100, 0, 0, "will capture");
    EXPECT_EQ(AttackerTail(1)[0], "       =  0 %");
}

TEST_F(ResourcesReportTest, ExtremeFiguresWrapWithoutFaulting) {
    const std::int64_t lowest = std::numeric_limits<std::int64_t>::min();
    SetCosts(kAttacker, "-1", "0", "0");
    SetCosts(kDefender, "1", "0", "0");
    Build(1, lowest, 0, "will capture");
    EXPECT_EQ(AttackerText()[kShipRate], "       =  -9223372036854775808.000");
    EXPECT_EQ(AttackerTail(6)[0], "       =  -9223372036854775808 Alphas Lost");
    EXPECT_EQ(AttackerTail(2),
              (ReportLines{"       =  (-9223372036854775808/-9223372036854775808)*100  (%)",
                           "       =  100 %"}));
}
