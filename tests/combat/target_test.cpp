#include <gtest/gtest.h>

#include "combat/combat_fixture.h"

namespace {

class TargetTest : public CombatTest {
  protected:
    int TargetWith(const char* t1, const char* t2, const char* t3, const char* defenderClass) {
        Attacker()[Col::T1] = t1;
        Attacker()[Col::T2] = t2;
        Attacker()[Col::T3] = t3;
        Attacker()[Col::ShipType] = "Normal";
        Defender()[Col::Cl] = defenderClass;
        Defender()[Col::ShipType] = "Normal";
        return Fight("1").TargetType;
    }
};

}  // namespace

TEST_F(TargetTest, FirstMatchingSlotDecides) {
    EXPECT_EQ(TargetWith("Fi", "Co", "Fr", "Fi"), 0);
    EXPECT_EQ(TargetWith("Co", "Fi", "Fi", "Fi"), 1);
    EXPECT_EQ(TargetWith("Co", "Fr", "Fi", "Fi"), 2);
    EXPECT_EQ(TargetWith("-", "Fi", "All", "Fi"), 1);
    EXPECT_EQ(TargetWith("-", "-", "-", "Fi"), 3);
    EXPECT_EQ(TargetWith("Co", "Fr", "De", "Fi"), 3);
}

TEST_F(TargetTest, AllMatchesEveryClassInAnySlot) {
    for (const char* cls : {"Fi", "Bs", "Xx", ""}) {
        EXPECT_EQ(TargetWith("All", "-", "-", cls), 0) << cls;
        EXPECT_EQ(TargetWith("-", "All", "Fi", cls), 1) << cls;
        EXPECT_EQ(TargetWith("-", "-", "All", cls), 2) << cls;
    }
}

TEST_F(TargetTest, ComparisonIsExactAndCaseSensitive) {
    EXPECT_EQ(TargetWith("fi", "-", "-", "Fi"), 3);
    EXPECT_EQ(TargetWith("-", "fi", "-", "Fi"), 3);
    EXPECT_EQ(TargetWith(" Fi", "Fi ", "all", "Fi"), 3);
    // "-" is no wildcard, but it matches a class that is itself "-".
    EXPECT_EQ(TargetWith("-", "-", "-", "-"), 0);
}

TEST_F(TargetTest, SelectionTakesCombatStatsWithFallbackOne) {
    Attacker()[Col::Guns] = "abc";
    Attacker()[Col::WPSP] = "";
    Attacker()[Col::Power] = "12 ";
    Defender()[Col::Ag] = " 12";
    Defender()[Col::Armor] = "$1A";
    Defender()[Col::EMPRes] = "99999999999";
    const CombatState& c = Fight("1");
    EXPECT_EQ(c.AttackerGuns, 1);
    EXPECT_EQ(c.AttackerWeaponSpeed, 1);
    EXPECT_EQ(c.AttackerPower, 1);
    EXPECT_EQ(c.DefenderAgility, 12);
    EXPECT_EQ(c.DefenderArmour, 26);
    EXPECT_EQ(c.DefenderEmpRes, 1);
}

TEST_F(TargetTest, RecalculateAllBringsStoredEditsIn) {
    Attacker()[Col::Guns] = "7";
    EXPECT_EQ(Fight("1").AttackerGuns, 7);
    state.StoredStats[kAttacker][Col::Guns] = "9";
    EXPECT_EQ(state.ActiveStats[kAttacker][Col::Guns], "7");
    RecalculateAll(state);
    EXPECT_EQ(state.Combat.AttackerGuns, 9);
    EXPECT_EQ(state.ActiveStats, state.StoredStats);
}

TEST_F(TargetTest, ListIndexOutsideTheTableSelectsTheFirstRow) {
    for (int index : {-1, 54, 255, 256, 100000}) {
        state.Inputs.AttShipListIndex = index;
        state.Inputs.DefShipListIndex = index;
        Fight("5");
        EXPECT_EQ(state.Combat.AttackerRow, 0) << index;
        EXPECT_EQ(state.Combat.DefenderRow, 0) << index;
    }
}
