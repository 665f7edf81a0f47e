#include <gtest/gtest.h>

#include <limits>

#include "combat/combat_fixture.h"
#include "core/calculation.h"

namespace {

// Alpha (Fi, Init 12) against Beta (Co, Init 8), Beta is Alpha's primary target.
class OutcomeTest : public CombatTest {
  protected:
    OutcomeTest() {
        SetAttacker("Normal", "3", "30", "4");
        SetDefender("Normal", "20", "10", "50");
        Attacker()[Col::Cl] = "Fi";
        Attacker()[Col::Init] = "12";
        Attacker()[Col::T1] = "Co";
        Attacker()[Col::T2] = "-";
        Attacker()[Col::T3] = "-";
        Defender()[Col::Cl] = "Co";
        Defender()[Col::Init] = "8";
        SetCosts(Attacker(), "35", "0", "0");
        SetCosts(Defender(), "57", "0", "0");
    }

    void SetAttacker(const char* type, const char* guns, const char* wpsp, const char* power) {
        Attacker()[Col::ShipType] = type;
        Attacker()[Col::Guns] = guns;
        Attacker()[Col::WPSP] = wpsp;
        Attacker()[Col::Power] = power;
    }
    void SetDefender(const char* type, const char* ag, const char* armor, const char* empRes) {
        Defender()[Col::ShipType] = type;
        Defender()[Col::Ag] = ag;
        Defender()[Col::Armor] = armor;
        Defender()[Col::EMPRes] = empRes;
    }
    static void SetCosts(ShipRecord& ship, const char* metal, const char* crystal,
                         const char* eon) {
        ship[Col::Metal] = metal;
        ship[Col::Crystal] = crystal;
        ship[Col::Eon] = eon;
    }
    void ExpectNoTargetShown() {
        EXPECT_EQ(state.Combat.TargetType, kNoTarget);
        EXPECT_EQ(state.Combat.TargetLabel, "NA");
        EXPECT_EQ(state.Results.TargetDisplay, "");
        EXPECT_EQ(state.Results.Efficiency, "");
        EXPECT_EQ(state.Results.TargetText, "Tar- NA");
        EXPECT_EQ(state.Combat.ResultLine.find("Tar-"), std::string::npos);
        EXPECT_EQ(state.Combat.ResultLine.find("AttResEff"), std::string::npos);
    }
};

}  // namespace

TEST_F(OutcomeTest, WorkedKillWithItsResultLine) {
    const CombatState& c = Fight("100");
    EXPECT_EQ(c.CombatVariant, CombatVariantValue::Kill);
    EXPECT_EQ(c.HitRate, 35);
    EXPECT_EQ(c.TotalShots, 300);
    EXPECT_EQ(c.SuccessfulHits, 105);
    EXPECT_EQ(c.HitsNeeded, 3);
    EXPECT_EQ(c.ShipsResult, 35);
    EXPECT_EQ(c.EfficiencyText, "57");
    EXPECT_EQ(state.Results.CombatText, " will kill");
    EXPECT_EQ(state.Results.DefShips, "35");
    EXPECT_EQ(state.Results.TargetDisplay, "T1");
    EXPECT_EQ(state.Results.InitText, " Init 12 v 8");
    EXPECT_EQ(state.Results.TargetText, "Tar- T1");
    EXPECT_EQ(state.Results.ClassText, "Fi v Co,");
    EXPECT_EQ(state.Results.Efficiency, "57%");
    EXPECT_EQ(c.ResultLine,
              "100 Alpha will kill 35 Beta, Fi v Co,  Init 12 v 8, Tar- T1, AttResEff = 57%");
}

TEST_F(OutcomeTest, HitsNeededRoundsUpOnlyWithARemainder) {
    Defender()[Col::Armor] = "12";
    EXPECT_EQ(Fight("100").HitsNeeded, 3);
    Defender()[Col::Armor] = "13";
    EXPECT_EQ(Fight("100").HitsNeeded, 4);
    EXPECT_EQ(state.Combat.ShipsResult, 26);
}

TEST_F(OutcomeTest, HitRateIsFlooredAtZeroButNotCapped) {
    Attacker()[Col::WPSP] = "5";
    Defender()[Col::Ag] = "40";
    const CombatState& low = Fight("100");
    EXPECT_EQ(low.HitRate, 0);
    EXPECT_EQ(low.ShipsResult, 0);
    EXPECT_EQ(low.OutcomeVerb, "will kill");

    Attacker()[Col::WPSP] = "90";
    Defender()[Col::Ag] = "5";
    const CombatState& high = Fight("100");
    EXPECT_EQ(high.HitRate, 110);
    EXPECT_EQ(high.SuccessfulHits, 330);
}

TEST_F(OutcomeTest, EmpHoldsByResistance) {
    SetAttacker("EMP", "2", "0", "0");
    SetDefender("Normal", "20", "10", "65");
    const CombatState& c = Fight("100");
    EXPECT_EQ(c.CombatVariant, CombatVariantValue::Emp);
    EXPECT_EQ(c.HitRate, 100);
    EXPECT_EQ(c.TotalShots, 200);
    EXPECT_EQ(c.SuccessfulHits, 200);
    EXPECT_EQ(c.ShipsResult, 70);
    EXPECT_EQ(state.Results.CombatText, " will hold");
}

TEST_F(OutcomeTest, EmpOrStealAgainstPdsCannotTarget) {
    for (const char* type : {"EMP", "Steal"}) {
        SetAttacker(type, "2", "30", "4");
        SetDefender("PDS", "5", "10", "100");
        const CombatState& c = Fight("100");
        EXPECT_EQ(c.CombatVariant, CombatVariantValue::NoTarget) << type;
        EXPECT_EQ(c.OutcomeVerb, "cant target");
        EXPECT_EQ(state.Results.DefShips, "0");
        EXPECT_EQ(c.TotalShots, 200);
        ExpectNoTargetShown();
    }
}

TEST_F(OutcomeTest, PdsAgainstPdsComputesHitsButNoResult) {
    SetAttacker("PDS", "1", "30", "50");
    SetDefender("PDS", "5", "100", "100");
    const CombatState& c = Fight("100");
    EXPECT_EQ(c.CombatVariant, CombatVariantValue::PdsVsPds);
    EXPECT_EQ(c.HitRate, 50);
    EXPECT_EQ(c.SuccessfulHits, 50);
    EXPECT_EQ(c.ShipsResult, 0);
    EXPECT_EQ(c.OutcomeVerb, "cant target");
    ExpectNoTargetShown();
}

TEST_F(OutcomeTest, PdsAgainstOtherTypesKills) {
    SetAttacker("PDS", "1", "30", "5");
    EXPECT_EQ(Fight("100").CombatVariant, CombatVariantValue::Kill);
}

TEST_F(OutcomeTest, SpecialWithoutTargetFiresButHitsNothing) {
    SetAttacker("Special", "3", "0", "0");
    Attacker()[Col::T1] = "-";
    const CombatState& c = Fight("100");
    EXPECT_EQ(c.CombatVariant, CombatVariantValue::NoTarget);
    EXPECT_EQ(c.TotalShots, 300);
    EXPECT_EQ(c.SuccessfulHits, 0);
    ExpectNoTargetShown();
}

TEST_F(OutcomeTest, SpecialWithTargetIsPodsAndShowsZeroEfficiency) {
    SetAttacker("Special", "3", "0", "0");
    const CombatState& c = Fight("100");
    EXPECT_EQ(c.CombatVariant, CombatVariantValue::Pods);
    EXPECT_EQ(c.TotalShots, 0);
    EXPECT_EQ(c.OutcomeVerb, "cant target");
    EXPECT_EQ(state.Results.Efficiency, "0%");
    EXPECT_EQ(state.Results.TargetDisplay, "T1");
}

TEST_F(OutcomeTest, StealCaptures) {
    SetAttacker("Steal", "3", "30", "4");
    const CombatState& c = Fight("100");
    EXPECT_EQ(c.CombatVariant, CombatVariantValue::Capture);
    EXPECT_EQ(c.ShipsResult, 35);
    EXPECT_EQ(state.Results.CombatText, " will capture");
}

TEST_F(OutcomeTest, UnknownTypesFightAsNormal) {
    for (const char* type : {"Cloaked", "emp", "Whatever", ""}) {
        SetAttacker(type, "3", "30", "4");
        EXPECT_EQ(Fight("100").CombatVariant, CombatVariantValue::Kill) << type;
        EXPECT_EQ(state.Combat.ShipsResult, 35);
    }
}

TEST_F(OutcomeTest, BadCountTextIsZeroShips) {
    for (const char* count : {"", "abc", "12 ", "1e3"}) {
        const CombatState& c = Fight(count);
        EXPECT_EQ(c.AttackerShips, 0) << count;
        EXPECT_EQ(c.ShipsResult, 0);
        EXPECT_EQ(state.Results.Efficiency, "0%");
        EXPECT_EQ(state.Results.DefShips, "0") << count;
        EXPECT_TRUE(c.ResultLine.starts_with("0 Alpha ")) << c.ResultLine;
    }
}

TEST_F(OutcomeTest, NegativeCountsTruncateTowardZero) {
    SetAttacker("Normal", "2", "35", "4");
    Defender()[Col::Ag] = "20";
    Defender()[Col::Armor] = "9";
    const CombatState& c = Fight("-10");
    EXPECT_EQ(c.HitRate, 40);
    EXPECT_EQ(c.TotalShots, -20);
    EXPECT_EQ(c.SuccessfulHits, -8);
    EXPECT_EQ(c.HitsNeeded, 3);
    EXPECT_EQ(c.ShipsResult, -2);
    EXPECT_EQ(state.Results.DefShips, "-2");
}

TEST_F(OutcomeTest, HugeCountsWrapWithoutFaulting) {
    const CombatState& c = Fight("9223372036854775807");
    EXPECT_EQ(c.TotalShots, std::numeric_limits<std::int64_t>::max() - 2);  // x3 wraps
    Attacker()[Col::Guns] = "-1";
    EXPECT_EQ(Fight("-9223372036854775808").TotalShots, std::numeric_limits<std::int64_t>::min());
    Attacker()[Col::WPSP] = "2147483647";
    Defender()[Col::Ag] = "-10";
    EXPECT_EQ(Fight("5").HitRate, 0);  // the 32-bit sum wraps negative, then floors
}

TEST_F(OutcomeTest, ZeroPowerOrZeroArmourNeverDivideByZero) {
    Attacker()[Col::Power] = "0";
    const CombatState& noPower = Fight("100");
    EXPECT_EQ(noPower.HitsNeeded, 0);
    EXPECT_EQ(noPower.ShipsResult, 0);

    Attacker()[Col::Power] = "4";
    Defender()[Col::Armor] = "0";
    const CombatState& noArmour = Fight("100");
    EXPECT_EQ(noArmour.HitsNeeded, 0);
    EXPECT_EQ(noArmour.ShipsResult, noArmour.SuccessfulHits);

    Attacker()[Col::Power] = "-1";
    Defender()[Col::Armor] = "-2147483648";
    EXPECT_EQ(Fight("100").HitsNeeded, std::numeric_limits<std::int32_t>::min());
}

TEST_F(OutcomeTest, HitsNeededKeepsItsValueOutsideKillAndCapture) {
    EXPECT_EQ(Fight("100").HitsNeeded, 3);
    SetAttacker("EMP", "2", "0", "0");
    EXPECT_EQ(Fight("100").HitsNeeded, 3);
}

TEST_F(OutcomeTest, ForcedNoTargetStaysUntilTheNextSelection) {
    SetAttacker("PDS", "1", "30", "50");
    SetDefender("PDS", "5", "100", "100");
    Fight("100");
    EXPECT_EQ(state.Combat.TargetType, kNoTarget);
    state.Inputs.AttShipsText = "200";
    CalculateCombat(state);
    EXPECT_EQ(state.Combat.TargetType, kNoTarget);
    ApplyDefenderSelection(state);
    EXPECT_EQ(state.Combat.TargetType, 0);
}

TEST_F(OutcomeTest, ResultLineHasTwoBlanksBeforeInit) {
    Fight("1");
    EXPECT_NE(state.Combat.ResultLine.find("Fi v Co,  Init 12 v 8"), std::string::npos);
}

TEST_F(OutcomeTest, ListenerHearsOfEveryCalculation) {
    struct Counter : Frontend {
        int calls = 0;
        void ShowCurrentResult() override { ++calls; }
    } counter;
    state.Ui = &counter;
    Fight("1");
    state.Inputs.AttShipsText = "2";
    CalculateCombat(state);
    EXPECT_EQ(counter.calls, 2);
}
