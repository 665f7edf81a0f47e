#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "core/calculation.h"
#include "reports/report_fixture.h"

namespace {

// Alpha (Fi, Init 12; 3 guns, weapon speed 30, power 4) against Beta (Co, Init 8; agility
// 20, armour 10), Beta being Alpha's primary target.
class CalculationReportTest : public ReportTest {
  protected:
    CalculationReportTest() {
        SetCells(Attacker(), {{Col::Cl, "Fi"},
                              {Col::Init, "12"},
                              {Col::T1, "Co"},
                              {Col::T2, "-"},
                              {Col::T3, "-"},
                              {Col::Guns, "3"},
                              {Col::WPSP, "30"},
                              {Col::Power, "4"},
                              {Col::Metal, "35"},
                              {Col::Crystal, "0"},
                              {Col::Eon, "0"},
                              {Col::ShipType, "Normal"}});
        SetCells(Defender(), {{Col::Cl, "Co"},
                              {Col::Init, "8"},
                              {Col::Ag, "20"},
                              {Col::Armor, "10"},
                              {Col::EMPRes, "40"},
                              {Col::Metal, "57"},
                              {Col::Crystal, "0"},
                              {Col::Eon, "0"},
                              {Col::ShipType, "Normal"}});
    }

    static void SetCells(ShipRecord& ship,
                         std::initializer_list<std::pair<Col, const char*>> cells) {
        for (const auto& [column, text] : cells) {
            ship[column] = text;
        }
    }

    const ReportLines& Walkthrough(const std::string& count) {
        Fight(count);
        return Text(Report::Calculation);
    }
};

const ReportLines kWorkedKill = {
    " 100 Alpha will kill 35 Beta, Fi v Co,  Init 12 v 8, Tar- T1, AttResEff = 57%",
    " The calculation is carried out as follows",
    "",
    " 1. Total Alpha shots fired is :-",
    "    =  Attackers Ships * Guns per Ship    Shots",
    "    =  100 * 3    Shots",
    "    =  300    Shots",
    "",
    " 2. The hit rate of Alpha against Beta is given by :-",
    "    =  25 + Attackers Weapon Speed - Defenders Agility    %",
    "    =  25 + 30 - 20    %  (rounded to 0 if negative)",
    "    =  35    %",
    "",
    " 3. The number of successful hits is found using :-",
    "    =  Total Shots * Hit Rate / 100    Hits (rounded Down)",
    "    =  300 * 35 / 100    Hits (rounded Down)",
    "    =  105    Hits",
    "",
    " 4. The number of hits needed to kill 1 Beta is given by :-",
    "    =  Defender Armour / Attacker Gun Power    Hits (rounded UP)",
    "    =  10 / 4    Hits (rounded UP)",
    "    =  3    Hits",
    "",
    " 5. And so Total Betas Killed per tick can be found using :-",
    "    =  Successful Hits / Hits needed for 1 kill    Kills (rounded Down)",
    "    =  105 / 3    Kills (rounded Down)",
    "    =  35    Killed  Beta",
    "",
    "    Result -   100  Alpha will kill  35  Beta",
};

}  // namespace

TEST_F(CalculationReportTest, KillWalksThroughEveryStepWithTheFigures) {
    EXPECT_EQ(Walkthrough("100"), kWorkedKill);

    const ReportLines& none = Walkthrough("abc");
    ASSERT_EQ(none.size(), 29U);
    EXPECT_EQ(none[0], " 0 Alpha will kill 0 Beta, Fi v Co,  Init 12 v 8, Tar- T1, AttResEff = 0%");
    EXPECT_EQ(none[5], "    =  0 * 3    Shots");
    EXPECT_EQ(none[15], "    =  0 * 35 / 100    Hits (rounded Down)");
    EXPECT_EQ(none[26], "    =  0    Killed  Beta");
    EXPECT_EQ(none[28], "    Result -   0  Alpha will kill  0  Beta");

    EXPECT_EQ(Walkthrough("-10")[28], "    Result -   -10  Alpha will kill  -3  Beta");
}

TEST_F(CalculationReportTest, CaptureSharesTheKillLayoutWithItsOwnWords) {
    Attacker()[Col::ShipType] = "Steal";
    const ReportLines capture = Walkthrough("100");
    ASSERT_EQ(capture.size(), kWorkedKill.size());
    EXPECT_EQ(capture[0],
              " 100 Alpha will capture 35 Beta, Fi v Co,  Init 12 v 8, Tar- T1, AttResEff = 57%");
    EXPECT_EQ(capture[18], " 4. The number of hits needed to capture 1 Beta is given by :-");
    EXPECT_EQ(capture[23], " 5. And so Total Betas Captured per tick can be found using :-");
    EXPECT_EQ(
        capture[24],
        "    =  Successful Hits / Hits needed for 1 capture    Ships Captured (rounded Down)");
    EXPECT_EQ(capture[25], "    =  105 / 3    Ships Captured (rounded Down)");
    EXPECT_EQ(capture[26], "    =  35    Captured Beta");
    EXPECT_EQ(capture[28], "    Result -   100  Alpha will capture  35  Beta");
    for (std::size_t i : {1, 2, 3, 10, 17, 19, 20, 21, 22, 27}) {
        EXPECT_EQ(capture[i], kWorkedKill[i]) << "line " << i;
    }
}

TEST_F(CalculationReportTest, EmpHoldsWithoutAHitRateStep) {
    Attacker()[Col::ShipType] = "EMP";
    Attacker()[Col::Guns] = "2";
    const ReportLines expected = {
        " 100 Alpha will hold 120 Beta, Fi v Co,  Init 12 v 8, Tar- T1, AttResEff = 195%",
        " The calculation is carried out as follows",
        "",
        " 1. Total Alpha shots fired is :-",
        "    =  Attackers Ships * Guns per Ship",
        "    =  100 * 2",
        "    =  200",
        "",
        " 2. And so Total Betas Held per tick can be found using :-",
        "    =  ( Total Shots * ( 100 - Defender EMP Resistance )) / 100    Hits (rounded Down)",
        "    =  ( 200 * ( 100 - 40 )) / 100    Hits (rounded Down)",
        "    =  120    EMPed  Beta",
        "",
        "    Result -   100  Alpha will hold  120  Beta",
    };
    EXPECT_EQ(Walkthrough("100"), expected);
}

TEST_F(CalculationReportTest, NoCombatVariantsExplainInOneLine) {
    const ReportLines header = {" The calculation is carried out as follows", ""};

    Attacker()[Col::T1] = "-";
    const ReportLines expectedNoTarget = {" 100 Alpha cant target 0 Beta, Fi v Co,  Init 12 v 8",
                                          header[0], header[1],
                                          " Not a Target so no combat takes place."};
    EXPECT_EQ(Walkthrough("100"), expectedNoTarget);

    Attacker()[Col::ShipType] = "Special";
    EXPECT_EQ(Walkthrough("100"), expectedNoTarget);

    Attacker()[Col::T1] = "Co";
    const ReportLines pods = Walkthrough("100");
    ASSERT_EQ(pods.size(), 4U);
    EXPECT_EQ(pods[0],
              " 100 Alpha cant target 0 Beta, Fi v Co,  Init 12 v 8, Tar- T1, AttResEff = 0%");
    EXPECT_EQ(pods[3], " Pods cant attack other ships");

    Attacker()[Col::ShipType] = "PDS";
    Defender()[Col::ShipType] = "PDS";
    const ReportLines pds = Walkthrough("100");
    ASSERT_EQ(pds.size(), 4U);
    EXPECT_EQ(pds[0], " 100 Alpha cant target 0 Beta, Fi v Co,  Init 12 v 8");
    EXPECT_EQ(pds[3], " PDS cant attack PDS");
}

TEST_F(CalculationReportTest, HitRateStepShowsTheCellsAsTyped) {
    Attacker()[Col::WPSP] = "fast";
    Defender()[Col::Ag] = " 20";
    const ReportLines& lines = Walkthrough("100");
    EXPECT_EQ(lines[10], "    =  25 + fast -  20    %  (rounded to 0 if negative)");
    // The weapon speed fell back to 1: 25 + 1 - 20.
    EXPECT_EQ(lines[11], "    =  6    %");
}

TEST_F(CalculationReportTest, EveryBoxIsAnnouncedOnceItsTextIsInPlace) {
    Fight("100");
    const std::vector<std::string> selection = {"BasicStatsAtt 21", "BasicStatsDef 21",
                                                "TargetAtt 63", "TargetDef 63"};
    std::vector<std::string> expected = selection;
    expected.insert(expected.end(), selection.begin(), selection.end());
    expected.insert(expected.end(),
                    {"ResourcesAtt 21", "ResourcesDef 21", "ShowCurrentResult", "Calculation 29"});
    EXPECT_EQ(frontend.events, expected);

    frontend.events.clear();
    state.Inputs.AttShipsText = "7";
    CalculateCombat(state);
    EXPECT_EQ(frontend.events, (std::vector<std::string>{"ResourcesAtt 21", "ResourcesDef 21",
                                                         "ShowCurrentResult", "Calculation 29"}));
}
