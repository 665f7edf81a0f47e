#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/report_fixture.h"

namespace {

// A table of 49 fillers (class Zz, targeting nothing) and five named rows, so every list
// can be checked whole:
//   row 0 Alpha   Fi  Init 12  targets Co, Fr, Fi
//   row 1 Beta    Co  Init 8
//   row 2 Gamma   Fr  Init 30
//   row 3 Delta   Co  Init 40  a PDS
//   row 4 Epsilon Fi  Init 50
class TargetingReportTest : public ReportTest {
  protected:
    TargetingReportTest() {
        for (std::size_t row = 0; row < kShipCount; ++row) {
            SetRow(row, "Filler" + std::to_string(row), "Zz", std::to_string(row), "Normal");
            SetSlots(row, "-", "-", "-");
        }
        SetRow(0, "Alpha", "Fi", "12", "Normal");
        SetSlots(0, "Co", "Fr", "Fi");
        SetRow(1, "Beta", "Co", "8", "Normal");
        SetRow(2, "Gamma", "Fr", "30", "Normal");
        SetRow(3, "Delta", "Co", "40", "PDS");
        SetRow(4, "Epsilon", "Fi", "50", "Normal");
    }

    void SetRow(std::size_t row, const std::string& name, const char* cls, const std::string& init,
                const char* type) {
        ShipRecord& ship = state.StoredStats[row];
        ship[Col::ShipName] = name;
        ship[Col::Cl] = cls;
        ship[Col::Init] = init;
        ship[Col::ShipType] = type;
    }
    void SetSlots(std::size_t row, const char* t1, const char* t2, const char* t3) {
        ShipRecord& ship = state.StoredStats[row];
        ship[Col::T1] = t1;
        ship[Col::T2] = t2;
        ship[Col::T3] = t3;
    }

    static ReportLines FillerLines(std::size_t from = 5) {
        ReportLines lines;
        for (std::size_t row = from; row < kShipCount; ++row) {
            lines.push_back("     Filler" + std::to_string(row) + "    Zz " + std::to_string(row));
        }
        return lines;
    }
    static ReportLines Joined(ReportLines head, const ReportLines& tail) {
        head.insert(head.end(), tail.begin(), tail.end());
        return head;
    }

    const ReportLines& AttackerText() { return Text(Report::TargetAtt); }
    const ReportLines& DefenderText() { return Text(Report::TargetDef); }
};

}  // namespace

TEST_F(TargetingReportTest, AttackerListsFollowItsThreeSlots) {
    Fight("100");
    const ReportLines expected = Joined(
        {
            " Attacker - Alpha    Fi 12",
            "",
            " Alpha Primary Targets :-",
            "     Beta    Co 8",
            "     Delta    Co 40",
            "",
            " Alpha Secondary Targets :-",
            "     Gamma    Fr 30",
            "",
            " Alpha Tertiary Targets :-",
            "     Alpha    Fi 12",
            "     Epsilon    Fi 50",
            "",
            " Alpha Non Targets :-",
        },
        FillerLines());
    EXPECT_EQ(AttackerText(), expected);

    // A class in both the first and the second slot is listed twice.
    SetSlots(0, "Co", "Co", "-");
    Fight("100");
    EXPECT_EQ(ListUnder(AttackerText(), " Alpha Primary Targets :-"),
              ListUnder(AttackerText(), " Alpha Secondary Targets :-"));
    EXPECT_EQ(ListUnder(AttackerText(), " Alpha Non Targets :-"),
              Joined({"     Alpha    Fi 12", "     Gamma    Fr 30", "     Epsilon    Fi 50"},
                     FillerLines()));
}

TEST_F(TargetingReportTest, AttackerWithoutTargetsHasOnlyNonTargets) {
    SetSlots(0, "-", "-", "-");
    Fight("100");
    const ReportLines expected = Joined(
        {
            " Attacker - Alpha    Fi 12",
            "",
            " Alpha Primary Targets :-",
            "",
            " Alpha Secondary Targets :-",
            "",
            " Alpha Tertiary Targets :-",
            "",
            " Alpha Non Targets :-",
            "     Alpha    Fi 12",
            "     Beta    Co 8",
            "     Gamma    Fr 30",
            "     Delta    Co 40",
            "     Epsilon    Fi 50",
        },
        FillerLines());
    EXPECT_EQ(AttackerText(), expected);
    EXPECT_EQ(ListUnder(AttackerText(), " Alpha Non Targets :-").size(), kShipCount);
}

TEST_F(TargetingReportTest, TertiaryAllTakesEveryClassTheFirstTwoSlotsMiss) {
    SetSlots(0, "Co", "Fr", "All");
    Fight("100");
    EXPECT_EQ(ListUnder(AttackerText(), " Alpha Primary Targets :-"),
              (ReportLines{"     Beta    Co 8", "     Delta    Co 40"}));
    EXPECT_EQ(ListUnder(AttackerText(), " Alpha Tertiary Targets :-"),
              Joined({"     Alpha    Fi 12", "     Epsilon    Fi 50"}, FillerLines()));
    EXPECT_EQ(AttackerText().back(), " Alpha Non Targets :-");

    // "All" in a first or second slot is only a class name.
    SetSlots(0, "All", "-", "-");
    Fight("100");
    EXPECT_EQ(ListUnder(AttackerText(), " Alpha Primary Targets :-"), ReportLines{});
    EXPECT_EQ(ListUnder(AttackerText(), " Alpha Non Targets :-").size(), kShipCount);
}

TEST_F(TargetingReportTest, EmpPdsAndStealAttackersNeverTargetPds) {
    SetSlots(0, "Co", "Fr", "All");
    for (const char* type : {"EMP", "Steal"}) {
        SetRow(0, "Alpha", "Fi", "12", type);
        Fight("100");
        EXPECT_EQ(ListUnder(AttackerText(), " Alpha Primary Targets :-"),
                  ReportLines{"     Beta    Co 8"})
            << type;
        EXPECT_EQ(ListUnder(AttackerText(), " Alpha Non Targets :-"),
                  ReportLines{"     Delta    Co 40"})
            << type;
    }

    // A PDS attacker leaves out its own row as well.
    SetRow(0, "Alpha", "Fi", "12", "PDS");
    Fight("100");
    EXPECT_EQ(ListUnder(AttackerText(), " Alpha Tertiary Targets :-"),
              Joined({"     Epsilon    Fi 50"}, FillerLines()));
    EXPECT_EQ(ListUnder(AttackerText(), " Alpha Non Targets :-"),
              (ReportLines{"     Alpha    Fi 12", "     Delta    Co 40"}));

    SetRow(0, "Alpha", "Fi", "12", "Cloaked");
    Fight("100");
    EXPECT_EQ(ListUnder(AttackerText(), " Alpha Primary Targets :-").size(), 2U);
}

TEST_F(TargetingReportTest, DefenderListsTheShipsThatTargetIt) {
    SetSlots(2, "Fi", "Co", "-");
    SetSlots(4, "Co", "-", "All");
    SetSlots(5, "Fr", "De", "All");
    SetSlots(6, "Bs", "Cr", "Co");
    Fight("100");
    const ReportLines expected = Joined(
        {
            " Defender - Beta    Co 8",
            "",
            " Ships that Primary Target Beta :-",
            "     Alpha    Fi 12",
            "     Epsilon    Fi 50",
            "",
            " Ships that Secondary Target Beta :-",
            "     Gamma    Fr 30",
            "",
            " Ships that Tertiary Target Beta :-",
            "     Filler5    Zz 5",
            "     Filler6    Zz 6",
            "",
            " Ships that Dont Target Beta :-",
            "     Beta    Co 8",
            "     Delta    Co 40",
        },
        FillerLines(7));
    EXPECT_EQ(DefenderText(), expected);
}

TEST_F(TargetingReportTest, PdsDefenderIsNotTargetedByEmpPdsOrSteal) {
    state.Inputs.DefShipListIndex = 3;
    SetSlots(1, "Co", "-", "-");
    SetSlots(2, "Co", "-", "-");
    SetSlots(3, "Co", "-", "-");
    SetSlots(4, "-", "Co", "-");
    SetRow(1, "Beta", "Co", "8", "EMP");
    SetRow(2, "Gamma", "Fr", "30", "Steal");
    SetRow(4, "Epsilon", "Fi", "50", "Cloaked");
    Fight("100");
    EXPECT_EQ(DefenderText()[0], " Defender - Delta    Co 40");
    EXPECT_EQ(ListUnder(DefenderText(), " Ships that Primary Target Delta :-"),
              ReportLines{"     Alpha    Fi 12"});
    EXPECT_EQ(ListUnder(DefenderText(), " Ships that Secondary Target Delta :-"),
              ReportLines{"     Epsilon    Fi 50"});
    EXPECT_EQ(
        ListUnder(DefenderText(), " Ships that Dont Target Delta :-"),
        Joined({"     Beta    Co 8", "     Gamma    Fr 30", "     Delta    Co 40"}, FillerLines()));
}

TEST_F(TargetingReportTest, CountAloneLeavesTheTextsButIsReadAgain) {
    Fight("100");
    const ReportLines attacker = AttackerText();
    const ReportLines defender = DefenderText();

    state.Inputs.AttShipsText = "250";
    CalculateCombat(state);
    EXPECT_EQ(AttackerText(), attacker);
    EXPECT_EQ(DefenderText(), defender);

    state.Inputs.AttShipsText = "77";
    UpdateTargetingReport(state);
    EXPECT_EQ(state.Combat.AttackerShips, 77);
    EXPECT_EQ(AttackerText(), attacker);
    EXPECT_EQ(DefenderText(), defender);

    state.Inputs.AttShipsText = "many";
    UpdateTargetingReport(state);
    EXPECT_EQ(state.Combat.AttackerShips, 0);
}
